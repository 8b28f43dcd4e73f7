#pragma once
// Message boxes with one OK button, in front of a given window.

#include <QPointer>
#include <QWidget>

#include "base/TaskDelegate.h"

namespace pav::app {

class MessageBoxSink : public pav::MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon icon) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace pav::app
