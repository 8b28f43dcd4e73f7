#pragma once
// What the picture sources (browser, gallery, screen capture) need from the main
// window. The main window implements it; tests use a fake.

#include <string>

#include <QImage>
#include <QPoint>

#include "image/PictureDecoder.h"

namespace pav::sources {

class SourceHost {
public:
    virtual ~SourceHost() = default;

    // Installs the picture at path as the new source. False when it cannot be
    // read or charted; the previous picture then stays.
    virtual bool loadSourcePicture(const std::string& path) = 0;
    // Why the last picture that failed to load was refused, for the message shown.
    virtual image::PictureFault pictureFault() const { return image::PictureFault::None; }
    // The main window's own message for a picture that was read but cannot be
    // charted (too small, too thin); empty otherwise.
    virtual std::string pictureFitText() const { return {}; }

    // Top-left corner of the main window on the screen, in pixels; the browser
    // and the gallery open at fixed offsets from it.
    virtual QPoint mainWindowTopLeft() const = 0;

    // Fabric frame size in pixels (one pixel per stitch); the width may hold a fraction.
    virtual double fabricWidth() const = 0;
    virtual int fabricHeight() const = 0;

    // 1 = region mode, 0 = whole mode.
    virtual int ifScale() const = 0;
    // Region offset inside the working picture.
    virtual int moveX1() const = 0;
    virtual int moveY1() const = 0;

    // Copies block into the working picture (Picture4) with its top-left at `at`,
    // pixel for pixel; whatever falls outside the working picture is clipped.
    virtual void copyIntoPicture4(const QImage& block, QPoint at) = 0;

    // The capture hides the main window while the screen is copied and shows it again after.
    virtual void hideMainWindow() = 0;
    virtual void showMainWindow() = 0;
};

} // namespace pav::sources
