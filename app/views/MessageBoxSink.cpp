#include "app/views/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include "base/UiText.h"

namespace pav::app {

// The window the user works in shows the message: the box is parented to the
// active window, so that it stays in front of it instead of raising the main
// window over it; with none active, the sink's own window.
QWidget* MessageBoxSink::owner() const {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible() && !qobject_cast<QMessageBox*>(active)) return active;
    return m_parent;
}

void MessageBoxSink::showMessage(const std::string& text, const std::string& title, pav::MessageIcon icon) {
    QMessageBox box(owner());
    // A text a model composed has been looked up already and passes unchanged.
    box.setWindowTitle(pav::uiText(title));
    box.setText(pav::uiText(text));
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case pav::MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case pav::MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case pav::MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case pav::MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    // A message shown while the busy pointer is up still gets the normal pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy) QApplication::restoreOverrideCursor();
}

bool MessageBoxSink::askToContinue(const std::string& text, const std::string& title) {
    QMessageBox box(owner());
    box.setWindowTitle(pav::uiText(title));
    box.setText(pav::uiText(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool ok = box.exec() == QMessageBox::Ok;
    if (busy) QApplication::restoreOverrideCursor();
    return ok;
}

} // namespace pav::app
