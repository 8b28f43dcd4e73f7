#pragma once
// The DMC thread range: 423 threads, each identified by its row (1..423).

#include "palette/RgbValues.h"

#include <array>
#include <cstddef>
#include <string>

namespace pav::palette {

struct ThreadEntry {
    const char* number; // "3713", "5200", "0000", ...
    std::int32_t color; // R + 256*G + 65536*B
};

// The 423 rows in row order (element 0 is row 1).
const std::array<ThreadEntry, kThreadRows>& dmcThreads();

// text left-justified in a field of width characters (longer text is kept whole).
std::string paddedRight(const std::string& text, std::size_t width);

// rgb as "#RRGGBB", upper-case hex digits.
std::string hexColourText(std::int32_t rgb);

} // namespace pav::palette
