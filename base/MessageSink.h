#pragma once
// How a model shows a message: modal message boxes with one OK button; the
// window layer shows them, tests record them, the command line prints them.

#include <string>

namespace pav {

enum class MessageIcon { None, Information, Warning, Error };

// Modal message boxes with one OK button; the window layer shows them, tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text, const std::string& title,
                             MessageIcon icon = MessageIcon::None) = 0;
};

} // namespace pav
