#pragma once
// Keeps the process's stderr closed while a decoding library runs. libpng,
// given no error function by Qt's PNG reader, prints "libpng error: ..."
// itself before giving up; the decoder reports every failure in its own one
// line, so nothing a library prints may reach the terminal. Nested and
// overlapping guards share one redirection.

namespace pav::image {

class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;
};

} // namespace pav::image
