#include "chart/ChartSaver.h"

#include "base/ProgramFolder.h"

#include <QSaveFile>

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
    // QSaveFile writes beside the target and renames over it only on commit, like
    // the picture and PDF writers; a new file gets the usual permissions, an
    // existing one keeps its own.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot create %1: %2").arg(path, file.errorString()));
    // Qt writes opaque images as 24-bit BMP: file header, 40-byte information header, rows bottom-up.
    if (!canvas.save(&file, "BMP") || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

} // namespace pav::chart
