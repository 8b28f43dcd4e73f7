#pragma once
// The capture window: the frozen screen over the whole primary screen, the
// rectangle following the pointer, and a click that copies and closes.

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "base/TaskDelegate.h"
#include "sources/CaptureModel.h"

class QScreen;

namespace pav::sources {

class CaptureView : public QWidget {
    Q_OBJECT
public:
    CaptureView(SourceHost& host, const QImage& screenPicture, QScreen* screen);

    CaptureModel& model() { return m_model; }

    // Covers the screen and puts the rectangle under the pointer at once.
    void showOverScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawHint(QPainter& painter) const;
    void followPointer();
    // Window coordinates to the screen picture's pixels.
    QPointF toPicturePixels(QPointF windowPoint) const;

    CaptureModel m_model;
    QScreen* m_screen;
    double m_scale; // picture pixels per window unit
};

// Whether this platform lets the program read the screen at all; the reason in words when it does not.
bool screenGrabPossible(QString* reason = nullptr);

// A grab that carries no picture (null, empty, or wholly transparent as some sessions hand back).
bool isBlankGrab(const QImage& grab);

// The menu command: hides the main window, lets the screen repaint for settleMs, grabs the primary
// screen and shows the capture window over it. Where the screen cannot be read the user is told why,
// the main window comes back, and the result is nullptr.
CaptureView* startScreenCapture(SourceHost& host, pav::MessageSink& messages, int settleMs = 300);

} // namespace pav::sources
