#pragma once
// Message boxes with one OK button, in front of the window the user works in
// (the active one), or of a given window when none of ours is active.

#include <QPointer>
#include <QWidget>

#include "base/TaskDelegate.h"

namespace pav::app {

class MessageBoxSink : public pav::MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon icon) override;
    // Cancel is the default button: Enter or Esc keep what would be lost.
    bool askToContinue(const std::string& text, const std::string& title) override;
    // The window a message box is shown over now.
    QWidget* owner() const;

private:
    QPointer<QWidget> m_parent;
};

} // namespace pav::app
