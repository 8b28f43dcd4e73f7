#pragma once
// Area-averaging stretch of a whole picture onto a target size, computed only
// for a part of the target. Each target pixel is the mean of the source area it
// covers, partly covered source pixels weighted by their share; enlarging
// therefore repeats pixels with blended seams. Any part computed alone equals
// the same part of the whole stretch, so a huge target can be shown piecewise.

#include <QImage>
#include <QRect>
#include <QSize>

namespace pav::image {

// rect is in target pixels and is clipped to the target; the result has the
// clipped rect's size, in QImage::Format_RGB32. source must be RGB32 or ARGB32
// (its alpha is ignored).
QImage areaResample(const QImage& source, QSize target, const QRect& rect);

// Half the size in each direction (rounded up), each pixel the mean of a 2 x 2 block.
QImage halveImage(const QImage& source);

} // namespace pav::image
