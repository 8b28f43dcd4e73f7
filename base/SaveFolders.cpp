#include "base/SaveFolders.h"

#include "base/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace pav {

namespace {

// A folder below a standard location, created when missing; when it cannot be
// made the path still comes back, so that the write fails and its message names it.
QString userFolder(QStandardPaths::StandardLocation location, const QString& name) {
    QString base = QStandardPaths::writableLocation(location);
    if (base.isEmpty()) base = QDir::homePath();
    const QString folder = QDir(base).filePath(name);
    QDir().mkpath(folder);
    return folder;
}

} // namespace

bool folderWritable(const std::string& folder) {
    const QString path = QString::fromStdString(folder);
    if (path.isEmpty() || !QFileInfo(path).isDir()) return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".pavlenta-probe-XXXXXX")));
    return probe.open();
}

std::string saveFolder(const std::string& programFolder) {
    if (folderWritable(programFolder) && dataFolderOf(programFolder) == programFolder) return programFolder;
    return userFolder(QStandardPaths::PicturesLocation, QStringLiteral("Pavlenta")).toStdString();
}

std::string saveFolder() {
    return saveFolder(programFolder());
}

std::string workingFile(const std::string& name) {
    const QString current = QDir::currentPath();
    const QString folder = folderWritable(current.toStdString())
                               ? current
                               : userFolder(QStandardPaths::GenericCacheLocation, QStringLiteral("pavlenta"));
    return QDir(folder).filePath(QString::fromStdString(name)).toStdString();
}

} // namespace pav
