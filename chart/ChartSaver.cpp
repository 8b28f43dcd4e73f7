#include "chart/ChartSaver.h"

#include "base/ProgramFolder.h"

#include "base/SafeFile.h"

#include <QBuffer>

namespace pav::chart {

QString chartFileName(int counter) {
    return QStringLiteral("myxiu%1.bmp").arg(counter, 3, 10, QLatin1Char('0'));
}

QString programFolder() {
    return QString::fromStdString(pav::programFolder());
}

QByteArray canvasBmpBytes(const QImage& canvas) {
    // Qt writes opaque images as 24-bit BMP: file header, 40-byte information header, rows bottom-up.
    QByteArray bytes;
    QBuffer memory(&bytes);
    memory.open(QIODevice::WriteOnly);
    if (!canvas.save(&memory, "BMP")) return {};
    return bytes;
}

bool saveCanvasBmp(const QImage& canvas, const QString& path, QString* error) {
    // The whole file is made in memory first, so that a failed write to disk can
    // never leave a shortened sheet: the old file is replaced only once complete.
    const QByteArray bytes = canvasBmpBytes(canvas);
    if (bytes.isEmpty()) {
        if (error) *error = QStringLiteral("cannot write %1: the sheet is empty").arg(path);
        return false;
    }
    return writeFileSafely(path, bytes, error);
}

} // namespace pav::chart
