#include "app/views/WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pav::app {

QRect placedInside(const QRect& frame, const QRect& available) {
    QPoint at = frame.topLeft();
    at.setX(std::min(at.x(), available.x() + available.width() - frame.width()));
    at.setY(std::min(at.y(), available.y() + available.height() - frame.height()));
    at.setX(std::max(at.x(), available.x()));
    at.setY(std::max(at.y(), available.y()));
    return QRect(at, frame.size());
}

void keepOnScreen(QWidget* window) {
    if (!window) return;
    const QRect frame = window->frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect placed = placedInside(frame, screen->availableGeometry());
    if (placed.topLeft() != frame.topLeft()) window->move(window->pos() + (placed.topLeft() - frame.topLeft()));
}

} // namespace pav::app
