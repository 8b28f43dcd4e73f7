#include "sources/CaptureModel.h"

#include <QPainter>

#include "sources/Geometry.h"

namespace pav::sources {

CaptureModel::CaptureModel(SourceHost& host, const QImage& screen)
    : m_host(host), m_screen(screen.convertToFormat(QImage::Format_RGB32)), m_rectWidth(host.fabricWidth()),
      m_rectHeight(host.fabricHeight()), m_rectLeft(-roundHalfEven(m_rectWidth)), m_rectTop(-m_rectHeight) {
    // The model counts in the picture's own pixels, whatever the screen's scale.
    m_screen.setDevicePixelRatio(1.0);
}

void CaptureModel::mouseMove(double x, double y) {
    m_rectLeft = x - roundHalfEven(m_rectWidth);
    m_rectTop = y - m_rectHeight;
    m_capX = static_cast<float>(x);
    m_capY = roundHalfEven(y);
}

QImage CaptureModel::capturedBlock() const {
    const int width = roundHalfEven(m_rectWidth);
    const int sourceX = roundHalfEven(static_cast<double>(m_capX) - m_rectWidth);
    const int sourceY = m_capY - m_rectHeight;
    QImage block(qMax(width, 0), qMax(m_rectHeight, 0), QImage::Format_RGB32);
    block.fill(Qt::black);
    if (block.isNull()) return block;
    QPainter painter(&block);
    painter.drawImage(QPoint(-sourceX, -sourceY), m_screen);
    return block;
}

void CaptureModel::putImage() {
    const QPoint at = m_host.ifScale() != 0 ? QPoint(m_host.moveX1(), m_host.moveY1()) : QPoint(0, 0);
    m_host.copyIntoPicture4(capturedBlock(), at);
}

void CaptureModel::click(const std::function<void()>& closeWindow) {
    putImage();
    if (closeWindow) closeWindow();
    m_host.showMainWindow();
}

void CaptureModel::cancel(const std::function<void()>& closeWindow) {
    if (closeWindow) closeWindow();
    m_host.showMainWindow();
}

} // namespace pav::sources
