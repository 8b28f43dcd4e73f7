#pragma once
// The capture window: a frozen picture of the whole screen with a rectangle of
// the fabric's size whose bottom-right corner follows the pointer. A click
// copies the pixels under the rectangle into the main window's working picture.
// Coordinates are screen pixels, the screen's top-left corner being (0, 0).

#include <functional>

#include <QImage>
#include <QRectF>

#include "sources/SourceHost.h"

namespace pav::sources {

class CaptureModel {
public:
    // Opening: capRect takes the fabric's size in pixels, one pixel per stitch.
    CaptureModel(SourceHost& host, const QImage& screen);

    const QImage& screen() const { return m_screen; }

    QRectF capRect() const { return {m_rectLeft, m_rectTop, m_rectWidth, static_cast<double>(m_rectHeight)}; }
    float capX() const { return m_capX; }
    int capY() const { return m_capY; }

    // The pointer moved to (x, y): the rectangle's bottom-right corner goes there, unclamped.
    void mouseMove(double x, double y);

    // The rectangle's pixels; whatever lies outside the screen comes out black.
    QImage capturedBlock() const;

    // Copies the block into the working picture: at (moveX1, moveY1) in region mode, at (0, 0) in whole mode.
    void putImage();

    // A click anywhere: putImage, then closeWindow (the view closes itself), then the main window
    // comes back, so that it returns with no capture window left over it.
    void click(const std::function<void()>& closeWindow = {});
    // Escape: the window closes and the main window comes back with nothing copied.
    void cancel(const std::function<void()>& closeWindow = {});

private:
    SourceHost& m_host;
    QImage m_screen;
    double m_rectWidth;
    int m_rectHeight;
    double m_rectLeft;
    double m_rectTop;
    float m_capX = 0;
    int m_capY = 0;
};

} // namespace pav::sources
