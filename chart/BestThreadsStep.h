#pragma once
// The best-N reduction as a step over the fabric's stitch colours: the stitches of
// the matrix area become the colours of at most N threads of the choice's range
// chosen for them (specialty threads only when the choice allows them), with the
// choice's dithering and cleanup. The main window's reduction driver and the
// command line run this same step.

#include "chart/ColourChoice.h"
#include "colour/RgbGrid.h"
#include "palette/RgbValues.h"

#include <QImage>

namespace pav::chart {

// Reduces the area 0 <= x < width, 0 <= y < height of colors (clamped to the
// grid) in place and returns how many threads its stitches use. An empty area
// is left alone (0). Throws std::invalid_argument unless choice.bestThreads is 2..100.
int reduceStitchesToBestThreads(colour::RgbGrid& colors, int width, int height, const ColourChoice& choice);

// The stitches of that area as a picture, one pixel each: what the main window
// pastes back onto its working picture after the reduction. Null for an empty area.
QImage stitchesPicture(const colour::RgbGrid& colors, int width, int height);

} // namespace pav::chart
