#pragma once
// The picture file browser: drive list, folder tree, file list (no name
// pattern), a preview of the clicked file, and OK, which hands the chosen file
// to the main window's install sequence.

#include <string>
#include <vector>

#include <QImage>
#include <QPoint>

#include "base/TaskDelegate.h"
#include "sources/Drives.h"
#include "sources/PicturePaths.h"
#include "sources/SourceHost.h"

namespace pav::sources {

class Form2Observer {
public:
    virtual ~Form2Observer() = default;
    virtual void drivesChanged() {}  // the drive list or the chosen drive
    virtual void foldersChanged() {} // the folder tree
    virtual void filesChanged() {}   // the file list and its selection
    virtual void previewChanged() {}
    virtual void closeRequested() {}
};

// One line of the folder tree: the chain from the drive's root down to the
// current folder, then the current folder's sub-folders one level deeper.
struct FolderEntry {
    std::string name;
    std::string path;
    int depth = 0;
    bool current = false;
};

class Form2Model {
public:
    Form2Model(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages, const Drives& drives);

    void setObserver(Form2Observer* observer) { m_observer = observer; }

    // Where "导入图片" opens the browser: right of and below the main window's corner.
    static QPoint placement(QPoint mainTopLeft);

    // Opening: back to the folder of the last accepted OK, or else at currentFolder and its drive.
    void load(const std::string& currentFolder);

    const std::vector<DriveInfo>& drives() const { return m_drives; }
    const std::string& drive() const { return m_drive; }
    int driveIndex() const;
    // A drive that is not ready is reported and the browser stays where it was.
    bool chooseDrive(const std::string& root);

    const std::string& folder() const { return m_folder; }
    const std::vector<FolderEntry>& folderEntries() const { return m_folderEntries; }
    // A folder that no longer exists opens its nearest existing parent.
    void openFolder(const std::string& path);

    const std::vector<std::string>& files() const { return m_files; }
    int selectedFile() const { return m_selected; }
    std::string selectedName() const;
    void clickFile(int index);
    void doubleClickFile(int index);

    const QImage& preview() const { return m_preview; }

    // OK: file-type test, remember the folder, install the picture, close. False (after the
    // message) when a step failed; the browser stays open and the earlier steps stay done.
    bool ok();
    void cancel();

private:
    void rebuildFolderEntries();
    template <typename Fn> void notify(Fn fn) {
        if (m_observer) (m_observer->*fn)();
    }

    SourceHost& m_host;
    PicturePaths& m_paths;
    pav::MessageSink& m_messages;
    const Drives& m_drivesSource;
    Form2Observer* m_observer = nullptr;

    std::vector<DriveInfo> m_drives;
    std::string m_drive;
    std::string m_folder;
    std::vector<FolderEntry> m_folderEntries;
    std::vector<std::string> m_files;
    int m_selected = -1;
    QImage m_preview;
};

} // namespace pav::sources
