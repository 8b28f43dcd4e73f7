#pragma once
// What the chart window needs from the main window: the size of the stitch
// picture it charts, the stitches themselves, how the swatches show, how stitches find their threads, the
// stitch colours before the reduction, and the controls it disables while a
// generation or a print job runs.

#include "chart/Chart.h"
#include "colour/RgbGrid.h"
#include "colour/ThreadMatcher.h"

namespace pav::chart {

class ChartHost {
public:
    virtual ~ChartHost() = default;
    // Fabric frame size in pixels (one pixel per stitch); the width may hold a fraction.
    virtual double stitchPictureWidth() const = 0;
    virtual int stitchPictureHeight() const = 0;
    // The fabric's stitch colours as the last preview or reduction left them, from
    // the top-left corner; the chart reads its width x height of them (white past the grid).
    virtual const colour::RgbGrid& stitchColours() const = 0;
    // How the sheet's legend shows the swatches: grey after a grey reduction.
    virtual Swatches swatches() const = 0;
    // The criterion by which the colour index matches a stitch to a thread.
    virtual colour::FitCriterion fitCriterion() const { return colour::FitCriterion::Rgb; }
    // Whether matching may choose metallic, glow and variegated threads (never
    // asked of the prescribed "DMC" range, which always matches all its threads).
    virtual bool allowSpecialty() const { return false; }
    // The fabric's stitch colours as the last reduction found them, for the chart's
    // quality figures; null when there are none (the charted colours stand in then).
    virtual const colour::RgbGrid* stitchesBeforeReduction() const { return nullptr; }
    // Enables or disables "效果预览->", "导入图片", "绣图图库" and the zoom, width and height bars.
    virtual void setMainControlsEnabled(bool enabled) = 0;
};

} // namespace pav::chart
