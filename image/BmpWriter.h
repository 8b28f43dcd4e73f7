#pragma once
// A drawn 32-bit picture as a 24-bit BMP file, streamed: the headers ClsDIB
// writes, then the rows bottom-up, converted a few rows at a time, so that a
// large sheet is never held twice in memory.

#include "base/SafeFile.h"

#include <QImage>

namespace pav::image {

// The size of the file writeBmp24 makes of picture.
qint64 bmp24FileSize(const QImage& picture);

// Writes picture (Format_RGB32 or ARGB32, alpha ignored) as an uncompressed 24-bit
// BMP carrying its resolution; false for an empty picture or when sink fails.
bool writeBmp24(const QImage& picture, const ByteSink& sink);

} // namespace pav::image
