#include "chart/ChartSaver.h"


#include "base/SafeFile.h"
#include "image/BmpWriter.h"

#include <algorithm>

namespace pav::chart {

QString chartFileName(int counter) {
    return QStringLiteral("myxiu%1.bmp").arg(counter, 3, 10, QLatin1Char('0'));
}

QByteArray canvasBmpBytes(const QImage& canvas) {
    QByteArray bytes;
    if (canvas.isNull()) return bytes;
    bytes.reserve(image::bmp24FileSize(canvas.size()));
    image::writeBmp24(canvas, [&](const char* data, qint64 size) {
        bytes.append(data, size);
        return true;
    });
    return bytes;
}

ByteMaker canvasBmp(const QImage& canvas) {
    return [&canvas](const ByteSink& sink) { return image::writeBmp24(canvas, sink); };
}

ByteMaker sheetBmp(const Chart& chart, const SheetOptions& options) {
    return [&chart, &options](const ByteSink& sink) {
        constexpr int kBandBytes = 2 << 20;
        const QSize size = sheetSize(chart);
        if (!image::writeBmp24Header(size, kCanvasDotsPerMeter, kCanvasDotsPerMeter, sink)) return false;
        const int bandRows = std::max(1, kBandBytes / (4 * size.width()));
        return drawChartSheetInBands(chart, options, bandRows, [&](const QImage& band, int, int count) {
            return image::writeBmp24Rows(band, 0, count, sink);
        });
    };
}

bool saveCanvasBmp(const QImage& canvas, const QString& path, QString* error) {
    // The rows go straight from the canvas to a new file beside the target, so that a
    // failed write to disk can never leave a shortened sheet: the old file is replaced
    // only once the new one is complete.
    if (canvas.isNull()) {
        if (error) *error = QStringLiteral("cannot write %1: the sheet is empty").arg(path);
        return false;
    }
    return writeFileSafely(path, canvasBmp(canvas), error);
}

} // namespace pav::chart
