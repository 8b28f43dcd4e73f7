#pragma once
// Writing the chart canvas to a numbered BMP file.

#include "base/SafeFile.h"
#include "chart/ChartSheet.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pav::chart {

// "myxiu" + counter with at least three digits + ".bmp": myxiu001.bmp, myxiu1000.bmp.
QString chartFileName(int counter);

// The whole canvas as the bytes of a 24-bit BMP file (rows bottom-up, the canvas's
// resolution in the header); empty for an empty canvas.
QByteArray canvasBmpBytes(const QImage& canvas);
// The same bytes streamed from the canvas, which must outlive the maker.
ByteMaker canvasBmp(const QImage& canvas);

// The bytes canvasBmp makes of the chart's sheet, drawn and streamed a band of a few
// megabytes at a time instead of on a whole canvas; chart and options must outlive
// the maker.
ByteMaker sheetBmp(const Chart& chart, const SheetOptions& options);

// Writes the whole canvas as a 24-bit BMP. The file appears under path only when
// complete (it is written under a temporary name in the same folder and renamed);
// on failure the reason is put in *error and any earlier file of that name stays.
bool saveCanvasBmp(const QImage& canvas, const QString& path, QString* error);

} // namespace pav::chart
