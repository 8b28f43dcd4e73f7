#include "sources/Drives.h"

#include <algorithm>

#include <QDir>
#include <QStorageInfo>

namespace pav::sources {

namespace {

std::string labelOf(const QStorageInfo& volume) {
    const QString root = volume.rootPath();
    const QString name = volume.displayName();
    if (name.isEmpty() || name == root) return root.toStdString();
    return (root + QStringLiteral("  [") + name + QStringLiteral("]")).toStdString();
}

bool isUnder(const std::string& path, const std::string& root) {
    if (path.compare(0, root.size(), root) != 0) return false;
    return path.size() == root.size() || root.back() == '/' || path[root.size()] == '/';
}

} // namespace

std::vector<DriveInfo> SystemDrives::list() const {
    std::vector<DriveInfo> drives;
    const QStorageInfo rootVolume = QStorageInfo::root();
    drives.push_back({QDir::rootPath().toStdString(), labelOf(rootVolume)});
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || volume.rootPath() == QDir::rootPath()) continue;
        drives.push_back({volume.rootPath().toStdString(), labelOf(volume)});
    }
    std::sort(drives.begin() + 1, drives.end(),
              [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
    return drives;
}

bool SystemDrives::isReady(const std::string& root) const {
    // An unmounted volume's folder belongs to the volume above it: that is not this drive.
    const QString path = QString::fromStdString(root);
    const QStorageInfo volume(path);
    return volume.isValid() && volume.isReady() && volume.rootPath() == path && QDir(path).isReadable();
}

std::string driveOf(const std::vector<DriveInfo>& drives, const std::string& path) {
    std::string best;
    for (const DriveInfo& d : drives) {
        if (!d.root.empty() && isUnder(path, d.root) && d.root.size() > best.size()) best = d.root;
    }
    return best;
}

} // namespace pav::sources
