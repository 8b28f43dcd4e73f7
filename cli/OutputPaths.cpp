#include "OutputPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace pav::cli {
namespace {

// A file is the same file when it has the same device and inode; a file that does not
// exist yet is known by its path, its folder's links resolved.
struct FileIdentity {
    bool exists = false;
    bool device = false;
    dev_t dev = 0;
    ino_t ino = 0;
    QString path;
    bool operator==(const FileIdentity& other) const {
        if (exists != other.exists) return false;
        return exists ? dev == other.dev && ino == other.ino : path == other.path;
    }
};

FileIdentity identityOf(const std::string& path) {
    FileIdentity id;
    struct stat info {};
    if (::stat(QFile::encodeName(QString::fromStdString(path)).constData(), &info) == 0) {
        id.exists = true;
        id.device = S_ISCHR(info.st_mode);
        id.dev = info.st_dev;
        id.ino = info.st_ino;
        return id;
    }
    const QFileInfo file(QString::fromStdString(path));
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    id.path = folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : folder + '/' + file.fileName();
    return id;
}

} // namespace

std::string outputClash(const std::string& input, const std::vector<NamedOutput>& outputs) {
    const FileIdentity in = identityOf(input);
    std::vector<std::pair<const NamedOutput*, FileIdentity>> seen;
    for (const NamedOutput& output : outputs) {
        if (output.path.empty()) continue;
        const FileIdentity id = identityOf(output.path);
        if (id.device) continue;
        if (id == in) return output.option + " '" + output.path + "' is the input file; nothing was written";
        for (const auto& [other, otherId] : seen)
            if (otherId == id)
                return other->option + " and " + output.option + " both name '" + output.path +
                       "'; nothing was written";
        seen.emplace_back(&output, id);
    }
    return {};
}

} // namespace pav::cli
