#pragma once
// A picture box: shows a QImage at one screen pixel per image pixel, reports
// presses and pointer moves in image coordinates, and can outline a rectangle
// over the picture (the editor's marker).

#include <QImage>
#include <QRect>
#include <QWidget>

namespace pav::editor {

class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    // Shows image; the box takes its size when sizeToImage is set.
    void setImage(const QImage& image, bool sizeToImage);
    void setOutline(const QRect& rect);

signals:
    void pressed(QPoint position);
    void moved(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QRect m_outline;
};

} // namespace pav::editor
