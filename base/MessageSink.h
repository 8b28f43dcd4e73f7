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
    // A question with OK and Cancel buttons before work that cannot be undone;
    // true when the user chose OK. Where nobody can answer, the work goes on.
    virtual bool askToContinue(const std::string& text, const std::string& title) {
        (void)text;
        (void)title;
        return true;
    }
};

} // namespace pav
