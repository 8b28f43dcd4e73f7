#pragma once
// A drawn 32-bit picture as a 24-bit BMP file, streamed: the headers ClsDIB
// writes, then the rows bottom-up, converted a few rows at a time, so that a
// large sheet is never held twice in memory. A picture drawn in bands can be
// streamed band by band, the lowest band first.

#include "base/SafeFile.h"

#include <QImage>
#include <QSize>

namespace pav::image {

// The size of the 24-bit BMP file of a picture of that size.
qint64 bmp24FileSize(QSize size);

// The two headers of a 24-bit BMP of a picture of that size and resolution; false
// for an empty size or when sink fails.
bool writeBmp24Header(QSize size, int dotsPerMeterX, int dotsPerMeterY, const ByteSink& sink);

// Rows first .. first + count - 1 of picture (Format_RGB32 or ARGB32, alpha ignored)
// as BMP pixel rows, the last of them first; false when sink fails.
bool writeBmp24Rows(const QImage& picture, int first, int count, const ByteSink& sink);

// Writes picture (any format; alpha ignored) as an uncompressed 24-bit BMP carrying
// its resolution; false for an empty picture or when sink fails.
bool writeBmp24(const QImage& picture, const ByteSink& sink);

} // namespace pav::image
