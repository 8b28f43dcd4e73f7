#pragma once
// Picture3: shows the chart canvas at its full size inside the viewport.

#include <QWidget>

class QScrollBar;
class QWheelEvent;

namespace pav::chart {

class Form7Model;

class ChartCanvasWidget : public QWidget {
public:
    ChartCanvasWidget(const Form7Model& model, QWidget* parent);
    // Takes the canvas's current size.
    void fitCanvas();
    // The bars that pan the canvas; the mouse wheel moves them (Shift+wheel sideways).
    void setScrollBars(QScrollBar* horizontal, QScrollBar* vertical);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const Form7Model& m_model;
    QScrollBar* m_horizontal = nullptr;
    QScrollBar* m_vertical = nullptr;
};

} // namespace pav::chart
