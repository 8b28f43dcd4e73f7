#include "chart/ChartSaver.h"

#include "image/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    const QFileInfo target(path);
    // The temporary file sits beside the target so that the rename never crosses file systems.
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!part.open())
        return fail(
            QStringLiteral("cannot create a file in %1: %2").arg(target.absolutePath(), part.errorString()));
    // A saved chart is an ordinary file for others to read, not a private temporary one.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // Qt writes opaque images as 24-bit BMP: file header, 40-byte information header, rows bottom-up.
    if (!canvas.save(&part, "BMP") || !part.flush())
        return fail(QStringLiteral("cannot write %1: %2").arg(part.fileName(), part.errorString()));
    part.close();
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(
            QStringLiteral("cannot replace %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    part.setAutoRemove(false); // it is the target now
    return true;
}

} // namespace pav::chart
