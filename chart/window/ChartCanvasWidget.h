#pragma once
// Picture3: shows the chart canvas at its full size inside the viewport.

#include <QWidget>

namespace pav::chart {

class Form7Model;

class ChartCanvasWidget : public QWidget {
public:
    ChartCanvasWidget(const Form7Model& model, QWidget* parent);
    // Takes the canvas's current size.
    void fitCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form7Model& m_model;
};

} // namespace pav::chart
