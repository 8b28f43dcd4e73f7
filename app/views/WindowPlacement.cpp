#include "app/views/WindowPlacement.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
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

namespace {

// How long after showing the frame is waited for; a window moved by its user
// later stays where the user put it.
constexpr int kFrameWaitMs = 1500;
constexpr const char* kPlaceProperty = "pavlentaPlace";

class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
        QTimer::singleShot(kFrameWaitMs, this, [this] { deleteLater(); });
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == m_window && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show))
            keepOnScreen(m_window);
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void showOnScreen(QWidget* window) {
    if (!window) return;
    keepOnScreen(window);
    new FrameWatch(window);
    window->show();
    keepOnScreen(window);
}

void hideKeepingPlace(QWidget* window) {
    if (!window) return;
    window->setProperty(kPlaceProperty, window->pos());
    window->hide();
}

void showInPlace(QWidget* window) {
    if (!window) return;
    const QVariant place = window->property(kPlaceProperty);
    if (place.isValid()) window->move(place.toPoint());
    showOnScreen(window);
}

} // namespace pav::app
