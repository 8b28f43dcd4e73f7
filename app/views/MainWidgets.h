#pragma once
// The main window's own widgets: labels that act as buttons, the fabric frame
// (Picture2 with the working picture Picture4 inside it) and the magnified
// preview Picture1.

#include <functional>

#include <QLabel>
#include <QWidget>

namespace pav::app {

class Form1Model;

// A label that reports clicks, hovering and pointer moves.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();
    void hovered();
    void pointerMoved(QPoint position);  // in the label's own pixels

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
};

// Picture2, the fabric frame: shows Picture4 at its place and passes pointer
// events on Picture4 to the model in Picture4's pixels. Label8, the floating
// text, is its child.
class FabricBox : public QWidget {
public:
    FabricBox(Form1Model& model, QWidget* parent);
    // Picture4's top-left inside this box, in pixels.
    QPoint picture4Origin() const;
    ClickLabel* label8() const { return m_label8; }
    void syncLabel8();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool onPicture4(QPointF position) const;
    QPointF inPicture4(QPointF position) const;

    Form1Model& m_model;
    ClickLabel* m_label8;
    bool m_pressedOnPicture4 = false;
};

// Picture1, the magnified preview.
class PreviewBox : public QWidget {
public:
    PreviewBox(Form1Model& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Form1Model& m_model;
};

} // namespace pav::app
