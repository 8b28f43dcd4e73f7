#include "chart/window/ChartCanvasWidget.h"

#include "chart/window/Form7Model.h"

#include <QPaintEvent>
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

void ChartCanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), m_model.canvas(), area);
}

} // namespace pav::chart
