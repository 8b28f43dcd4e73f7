#include "editor/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace pav::editor {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::setImage(const QImage& image, bool sizeToImage) {
    m_image = image;
    if (sizeToImage) resize(image.size());
    update();
}

void ImageBox::setOutline(const QRect& rect) {
    m_outline = rect;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, m_image);
    if (!m_outline.isNull()) {
        painter.setPen(QPen(Qt::red, 1));
        // QRect's right/bottom are inclusive; the outline is the rectangle's own border.
        painter.drawRect(m_outline.adjusted(0, 0, -1, -1));
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

} // namespace pav::editor
