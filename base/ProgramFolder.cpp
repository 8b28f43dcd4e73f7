#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef PAV_DATA_FROM_PROGRAM
#define PAV_DATA_FROM_PROGRAM "../share/pavlenta"
#endif

namespace pav {

std::string programFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath().toStdString();
    // Without an application object (tests, tools) the executable's own link tells.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(exe).absolutePath().toStdString();
}

std::string dataFolderOf(const std::string& programFolder) {
    const QDir installed(QDir(QString::fromStdString(programFolder)).filePath(QStringLiteral(PAV_DATA_FROM_PROGRAM)));
    return installed.exists() ? installed.canonicalPath().toStdString() : programFolder;
}

std::string dataFolder() {
    return dataFolderOf(programFolder());
}

} // namespace pav
