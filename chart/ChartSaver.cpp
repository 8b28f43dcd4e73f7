#include "chart/ChartSaver.h"

#include "image/ClsDIB.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace pav::chart {

QString chartFileName(int counter) {
    return QStringLiteral("myxiu%1.bmp").arg(counter, 3, 10, QLatin1Char('0'));
}

QString programFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

bool saveCanvasBmp(const QImage& canvas, const QString& path, QString* error) {
    image::ClsDIB sheet;
    if (!sheet.GetMap(canvas, true)) {
        if (error)
            *error = QStringLiteral("not enough memory for a %1 x %2 picture")
                         .arg(canvas.width())
                         .arg(canvas.height());
        return false;
    }
    if (!sheet.SaveBMP(path.toStdString())) {
        if (error) *error = QString::fromStdString(sheet.LastError());
        return false;
    }
    return true;
}

} // namespace pav::chart
