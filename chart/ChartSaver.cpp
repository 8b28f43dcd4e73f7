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

bool saveCanvasBmp(const QImage& canvas, const QString& path, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    // The whole file is made in memory first, so that a failed write to disk can
    // never leave a shortened sheet: the old file is replaced only once complete.
    // Qt writes opaque images as 24-bit BMP: file header, 40-byte information header, rows bottom-up.
    QByteArray bytes;
    QBuffer memory(&bytes);
    memory.open(QIODevice::WriteOnly);
    if (!canvas.save(&memory, "BMP")) return fail(QStringLiteral("cannot write %1: the sheet is empty").arg(path));
    QString reason;
    if (!writeFileSafely(path, bytes, &reason)) return fail(reason);
    return true;
}

} // namespace pav::chart
