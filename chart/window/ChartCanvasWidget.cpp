#include "chart/window/ChartCanvasWidget.h"

#include "chart/window/Form7Model.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QPainter>

namespace pav::chart {

ChartCanvasWidget::ChartCanvasWidget(const Form7Model& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("Picture3"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartCanvasWidget::fitCanvas() {
    resize(m_model.canvas().size());
}

void ChartCanvasWidget::setScrollBars(QScrollBar* horizontal, QScrollBar* vertical) {
    m_horizontal = horizontal;
    m_vertical = vertical;
}

// One notch moves the usual number of lines of the bar's single step; Shift
// turns the wheel sideways, and a sideways wheel or touchpad scrolls sideways too.
void ChartCanvasWidget::wheelEvent(QWheelEvent* event) {
    QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier) delta = QPoint(delta.y() != 0 ? delta.y() : delta.x(), 0);
    const auto scroll = [](QScrollBar* bar, int angle) {
        if (!bar || angle == 0) return;
        const int lines = angle * QApplication::wheelScrollLines() / 120;
        bar->setValue(bar->value() - (lines != 0 ? lines : (angle > 0 ? 1 : -1)) * bar->singleStep());
    };
    scroll(m_horizontal, delta.x());
    scroll(m_vertical, delta.y());
    event->setAccepted(m_horizontal || m_vertical);
}

void ChartCanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), m_model.canvas(), area);
}

} // namespace pav::chart
