#include "sources/PictureFiles.h"

#include "image/PictureDecoder.h"

#include <algorithm>
#include <array>

#include <QDir>
#include <QFileInfo>

namespace pav::sources {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

bool lastThreeIn(const std::string& name, const std::array<const char*, 6>& types, std::size_t count) {
    const std::string tail = lastThree(name);
    return std::any_of(types.begin(), types.begin() + count, [&](const char* t) { return tail == t; });
}

constexpr std::array<const char*, 6> kPictureTypes = {"bmp", "jpg", "gif", "BMP", "JPG", "GIF"};

std::vector<std::string> entries(const std::string& folder, QDir::Filters filters) {
    const QDir dir(q(folder));
    const QStringList names =
        dir.entryList(filters | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    std::vector<std::string> out;
    out.reserve(names.size());
    for (const QString& n : names)
        out.push_back(n.toStdString());
    return out;
}

} // namespace

std::string lastThree(const std::string& name) {
    return q(name).right(3).toStdString();
}

bool passesFileTypeTest(const std::string& name) {
    return lastThreeIn(name, kPictureTypes, 6);
}

bool hasLowerCasePictureType(const std::string& name) {
    return lastThreeIn(name, kPictureTypes, 3);
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool isFolder(const std::string& path) {
    return !path.empty() && QFileInfo(q(path)).isDir();
}

std::string parentFolder(const std::string& path) {
    // By name only: the parent of a folder that has gone is still its parent.
    const QString clean = q(cleanPath(path));
    if (clean.isEmpty() || QDir(clean).isRoot()) return {};
    const QString parent = QFileInfo(clean).path();
    return parent == clean ? std::string() : parent.toStdString();
}

std::string cleanPath(const std::string& path) {
    if (path.empty()) return {};
    return QDir::cleanPath(QFileInfo(q(path)).absoluteFilePath()).toStdString();
}

std::vector<std::string> listFiles(const std::string& folder) {
    return entries(folder, QDir::Files);
}

std::vector<std::string> listFolders(const std::string& folder) {
    return entries(folder, QDir::AllDirs | QDir::NoDotAndDotDot);
}

QImage decodePreview(const std::string& path) {
    return image::decodePicture(path, [](QSize full, bool) {
               if (full.width() <= kPreviewBound.width() && full.height() <= kPreviewBound.height()) return full;
               return full.scaled(kPreviewBound, Qt::KeepAspectRatio);
           })
        .image;
}

} // namespace pav::sources
