#include "sources/Form2Model.h"

#include <algorithm>

#include <QString>

#include "base/UiText.h"
#include "sources/Geometry.h"
#include "sources/PictureFiles.h"
#include "sources/SourceTexts.h"

namespace pav::sources {

Form2Model::Form2Model(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages,
                       const Drives& drives)
    : m_host(host), m_paths(paths), m_messages(messages), m_drivesSource(drives) {}

QPoint Form2Model::placement(QPoint mainTopLeft) {
    return besideMainWindow(mainTopLeft, 1800, 1400);
}

void Form2Model::load(const std::string& currentFolder) {
    m_drives = m_drivesSource.list();
    notify(&Form2Observer::drivesChanged);
    if (QString::fromStdString(m_paths.lastDir).size() > 2 && chooseDrive(m_paths.lastDrive)) {
        openFolder(m_paths.lastDir);
        return;
    }
    const std::string folder = cleanPath(currentFolder);
    m_drive = driveOf(m_drives, folder);
    if (m_drive.empty() && !m_drives.empty()) {
        // The current folder lies on no listed drive: start at the first drive's root.
        m_drive = m_drives.front().root;
        openFolder(m_drive);
    } else {
        openFolder(folder);
    }
    notify(&Form2Observer::drivesChanged);
}

int Form2Model::driveIndex() const {
    const auto it =
        std::find_if(m_drives.begin(), m_drives.end(), [&](const DriveInfo& d) { return d.root == m_drive; });
    return it == m_drives.end() ? -1 : static_cast<int>(it - m_drives.begin());
}

bool Form2Model::chooseDrive(const std::string& root) {
    const bool listed =
        std::any_of(m_drives.begin(), m_drives.end(), [&](const DriveInfo& d) { return d.root == root; });
    if (!listed || !m_drivesSource.isReady(root)) {
        m_messages.showMessage(pav::uiString(kDriveNotReadyText) + root, std::string(kMessageTitle),
                               pav::MessageIcon::Warning);
        notify(&Form2Observer::drivesChanged); // the list goes back to the drive still shown
        return false;
    }
    m_drive = root;
    notify(&Form2Observer::drivesChanged);
    openFolder(root);
    return true;
}

void Form2Model::openFolder(const std::string& path) {
    std::string folder = cleanPath(path);
    while (!folder.empty() && !isFolder(folder))
        folder = parentFolder(folder);
    if (folder.empty()) return;
    if (driveOf({{m_drive, {}}}, folder).empty()) {
        // A folder outside the chosen drive brings its own drive along.
        const std::string other = driveOf(m_drives, folder);
        if (!other.empty()) m_drive = other;
        notify(&Form2Observer::drivesChanged);
    }
    m_folder = folder;
    rebuildFolderEntries();
    m_files = listFiles(m_folder);
    m_selected = -1;
    notify(&Form2Observer::foldersChanged);
    notify(&Form2Observer::filesChanged);
}

void Form2Model::rebuildFolderEntries() {
    std::vector<std::string> chain;
    for (std::string p = m_folder; !p.empty(); p = parentFolder(p)) {
        chain.push_back(p);
        if (p == cleanPath(m_drive)) break;
    }
    std::reverse(chain.begin(), chain.end());
    m_folderEntries.clear();
    for (std::size_t i = 0; i < chain.size(); ++i) {
        const QString path = QString::fromStdString(chain[i]);
        const std::string name = i == 0 ? chain[i] : path.section('/', -1).toStdString();
        m_folderEntries.push_back({name, chain[i], static_cast<int>(i), i + 1 == chain.size()});
    }
    const int childDepth = static_cast<int>(chain.size());
    for (const std::string& child : listFolders(m_folder))
        m_folderEntries.push_back({child, joinPath(m_folder, child), childDepth, false});
}

std::string Form2Model::selectedName() const {
    if (m_selected < 0 || m_selected >= static_cast<int>(m_files.size())) return {};
    return m_files[static_cast<std::size_t>(m_selected)];
}

void Form2Model::clickFile(int index) {
    if (index < 0 || index >= static_cast<int>(m_files.size())) return;
    m_selected = index;
    notify(&Form2Observer::filesChanged);
    const std::string name = selectedName();
    if (!hasLowerCasePictureType(name)) return;
    // A file that does not decode leaves the old preview in place.
    QImage picture = decodePreview(joinPath(m_folder, name));
    if (picture.isNull()) return;
    m_preview = std::move(picture);
    notify(&Form2Observer::previewChanged);
}

void Form2Model::doubleClickFile(int index) {
    clickFile(index);
    if (m_selected == index) ok();
}

bool Form2Model::ok() {
    const std::string name = selectedName();
    if (!passesFileTypeTest(name)) {
        reportBadPicture(m_messages);
        return false;
    }
    m_paths.picPath = joinPath(m_folder, name);
    m_paths.lastDrive = m_drive;
    m_paths.lastDir = m_folder;
    if (!m_host.loadSourcePicture(m_paths.picPath)) {
        reportBadPicture(m_messages, m_host.pictureFault(), m_host.pictureFitText());
        return false;
    }
    notify(&Form2Observer::closeRequested);
    return true;
}

void Form2Model::cancel() {
    notify(&Form2Observer::closeRequested);
}

} // namespace pav::sources
