#pragma once
// The main window's handle on the picture sources: opens the browser and the
// gallery (non-modal, created when first shown, gone when closed), closes them
// at shutdown, and starts a screen capture.

#include <memory>
#include <string>

#include <QPointer>

#include "base/TaskDelegate.h"
#include "sources/Drives.h"
#include "sources/PicturePaths.h"
#include "sources/SourceHost.h"

class QWidget;

namespace pav::sources {

class CaptureView;
class Form2View;
class Form6View;

class SourceWindows {
public:
    // parent: the main window, which the browser and the gallery stay in front of (may be null).
    // programFolder: where the gallery's category folders are; empty = the running program's data folder.
    SourceWindows(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages,
                  QWidget* parent = nullptr, std::string programFolder = {});
    ~SourceWindows();

    // "导入图片" (besideMainWindow = true) and the menu "导入图片文件" (false).
    Form2View* openBrowser(bool besideMainWindow);
    // "绣图图库" button (true) and menu (false).
    Form6View* openGallery(bool besideMainWindow);
    // "直接屏幕截图"; nullptr when the screen could not be grabbed (the user has been told).
    CaptureView* startCapture();

    Form2View* browser() const { return m_browser; }
    Form6View* gallery() const { return m_gallery; }

    void closeBrowser();
    void closeAll();

private:
    SourceHost& m_host;
    PicturePaths& m_paths;
    pav::MessageSink& m_messages;
    QWidget* m_parent;
    std::string m_programFolder;
    std::unique_ptr<Drives> m_drives;
    QPointer<Form2View> m_browser;
    QPointer<Form6View> m_gallery;
    QPointer<CaptureView> m_capture;
};

} // namespace pav::sources
