#include "sources/views/CaptureView.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "base/UiText.h"
#include "sources/SourceTexts.h"
#include "sources/views/ViewParts.h"

namespace pav::sources {

CaptureView::CaptureView(SourceHost& host, const QImage& screenPicture, QScreen* screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_model(host, screenPicture), m_screen(screen),
      m_scale(screen && screen->geometry().width() > 0
                  ? static_cast<double>(screenPicture.width()) / screen->geometry().width()
                  : 1.0) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void CaptureView::showOverScreen() {
    if (m_screen) setGeometry(m_screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    followPointer();
}

// A window that appears under a still pointer hears of it as a move: the rectangle
// starts there. A window manager puts the window over the screen a moment after it
// is shown, so this is done again when the window moves or changes size.
void CaptureView::followPointer() {
    const QPointF at = toPicturePixels(mapFromGlobal(QCursor::pos()));
    m_model.mouseMove(at.x(), at.y());
    update();
}

void CaptureView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    followPointer();
}

void CaptureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    followPointer();
}

QPointF CaptureView::toPicturePixels(QPointF windowPoint) const {
    return windowPoint * m_scale;
}

void CaptureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), m_model.screen());
    const QRectF box = m_model.capRect();
    const QRectF shown(box.topLeft() / m_scale, box.size() / m_scale);
    // A light and a dark dashed line together stay visible over any picture.
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    painter.drawRect(shown.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawRect(shown.adjusted(-1, -1, 0, 0));
    drawHint(painter);
}

// How to capture and how to get out, on a band at the top of the screen, or at
// its bottom while the rectangle is up there.
void CaptureView::drawHint(QPainter& painter) const {
    const QString hint = uiText(kCaptureHint);
    const QFontMetrics metrics(painter.font());
    const int height = metrics.height() + 8;
    const QRectF box = m_model.capRect();
    const bool atTop = box.top() / m_scale > height * 2 || box.bottom() / m_scale < 0;
    const QRect band(0, atTop ? 0 : this->height() - height, width(), height);
    painter.fillRect(band, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, hint);
}

void CaptureView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
    m_model.cancel([this] { close(); });
}

void CaptureView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = toPicturePixels(event->position());
    m_model.mouseMove(at.x(), at.y());
    update();
}

void CaptureView::mouseReleaseEvent(QMouseEvent* event) {
    // A click is the left button's; the others do nothing.
    if (event->button() != Qt::LeftButton) return;
    // The window deletes itself later (on close), so the model outlives this call.
    m_model.click([this] { close(); });
}

bool screenGrabPossible(QString* reason) {
    const QString platform = QGuiApplication::platformName();
    const bool noScreen = QGuiApplication::primaryScreen() == nullptr;
    const bool noDisplay = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
                           platform == QLatin1String("minimalegl");
    if (!noScreen && !noDisplay) return true;
    if (reason) *reason = QStringLiteral("（%1）").arg(noScreen ? QStringLiteral("no screen") : platform);
    return false;
}

bool isBlankGrab(const QImage& grab) {
    if (grab.isNull() || grab.width() <= 0 || grab.height() <= 0) return true;
    if (!grab.hasAlphaChannel()) return false;
    const QImage argb = grab.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 0) return false;
    }
    return true;
}

namespace {

void refuseCapture(pav::MessageSink& messages, const QString& reason) {
    messages.showMessage((uiText(kCaptureFailedText) + reason).toStdString(), std::string(kMessageTitle),
                         pav::MessageIcon::Warning);
}

// Gives the other programs time to repaint what the hidden main window covered.
void letScreenRepaint(int settleMs) {
    QCoreApplication::processEvents();
    QEventLoop wait;
    QTimer::singleShot(settleMs, &wait, &QEventLoop::quit);
    wait.exec();
    QCoreApplication::processEvents();
}

} // namespace

CaptureView* startScreenCapture(SourceHost& host, pav::MessageSink& messages, int settleMs) {
    QString reason;
    if (!screenGrabPossible(&reason)) {
        refuseCapture(messages, reason);
        return nullptr;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    host.hideMainWindow();
    letScreenRepaint(settleMs);
    const QImage grab = screen->grabWindow(0).toImage();
    if (isBlankGrab(grab)) {
        host.showMainWindow();
        refuseCapture(messages, QStringLiteral("（%1）").arg(QGuiApplication::platformName()));
        return nullptr;
    }
    auto* view = new CaptureView(host, grab, screen);
    view->showOverScreen();
    return view;
}

} // namespace pav::sources
