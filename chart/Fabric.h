#pragma once
// The steps from a picture to the fabric's stitch colours: the whole-mode
// stretch at a zoom, the stitch picture, and the reductions (an ordered-dither
// mode, or the most frequent colours). The main window runs them with its own
// scroll bars and working files; the command line calls them directly.

#include "base/TaskDelegate.h"
#include "image/ClsDIB.h"
#include "image/ColorReduction.h"
#include "image/SourcePicture.h"
#include "colour/RgbGrid.h"
#include "palette/RgbValues.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace pav::chart {

// The fabric frame in pixels. The width may hold a fraction: a whole-mode width
// worked out from the height limit is kept as it is.
struct FabricSize {
    double width = 0;
    double height = 0;

    // The stitches a loop "for i = 0 to size - 1" reads: at most one per matrix column or row.
    int paintedWidth() const { return passesBelow(width); }
    int paintedHeight() const { return passesBelow(height); }
    // The stitch picture's and the chart's size: rounded half to even.
    int roundedWidth() const;
    int roundedHeight() const;
    static int passesBelow(double limit);
};

// The chart's side for a fabric side: one stitch per fabric pixel, rounded half
// to even (a fraction of a stitch cannot be charted), at most 320.
int chartSide(double pixels);

// The whole-mode zoom of a picture: the range of the zoom bar and the value the
// width bar gives it after installing the picture. None when such a picture
// cannot be installed at all (fewer than 3 pixels across, 2 down, or too tall
// for a 16-stitch width).
struct WholeZoom {
    int lowest = 0;
    int highest = 0;
    int initial = 0;
};
std::optional<WholeZoom> wholeZoomFor(QSize picture);

// Why a picture cannot be installed: too few pixels across or down, or too
// tall for its width (a 16-stitch fabric would be more than 250 high).
enum class FabricFit { Fits, TooSmall, TooThin };
FabricFit fabricFitFor(QSize picture);

// The fabric of the whole picture stretched to a zoom value: zoom stitches wide
// and as tall as the picture's proportion gives, within 230 x 250.
FabricSize wholeFabric(QSize picture, int zoom);

// The stitch colours of a fabric: the picture stretched onto the fabric's
// rounded size (area averaging), read over the painted stitches, in a grid that
// holds both the painted stitches and the rounded size; other cells are white.
colour::RgbGrid fabricStitches(const image::SourcePicture& picture, FabricSize fabric);

// The fabric's stitches as a 24-bit picture of its rounded size, white past the
// painted stitches: what "tmppicv.bmp" holds. False when out of memory.
bool makeStitchPicture(const colour::RgbGrid& colours, FabricSize fabric, image::ClsDIB& picture);

// A reduction of the fabric's colours.
enum class ReductionKind {
    None,         // the stitch colours as they are
    Dithered,     // one of the ordered-dither modes
    MostFrequent, // the N most frequent sampled colours, every stitch to its nearest
};
struct Reduction {
    ReductionKind kind = ReductionKind::None;
    image::ReductionMode mode = image::ReductionMode::BlackWhite; // Dithered
    bool rotate = false;                                          // Dithered: the rotated dither
    int colours = 0;                                              // MostFrequent: N
};

// The main window's reduction codes: 0, 1, 2, 3, 4, 8, 16 and 99 (with rdColorNum).
Reduction reductionOfColorBit(int colorBit, int mostFrequentColours = 0);

// Reduces a 24-bit stitch picture by a dithered reduction into reduced (nothing for the other kinds).
bool reduceStitchPicture(const image::ClsDIB& stitches, const Reduction& reduction, image::ClsDIB& reduced);

// Copies a reduced picture's colours into the painted stitches of the grid.
void readReducedStitches(colour::RgbGrid& colours, const image::ClsDIB& reduced, FabricSize fabric);

// The N most frequent colours: samples the fabric on a 20 x 20 lattice
// (picW x picH, the fabric's fields), keeps the n most frequent sampled
// colours and gives every painted stitch its nearest of them. Returns the
// painted stitches' new colours (none when n covers every sampled colour or is
// below 1: nothing changes then). task's yield runs at every sample and every
// step of the selection.
std::optional<QImage> reduceToMostFrequent(colour::RgbGrid& colours, double picW, int picH, int n,
                                           const TaskDelegate& task);

} // namespace pav::chart
