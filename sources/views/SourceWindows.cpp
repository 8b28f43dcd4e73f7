#include "sources/views/SourceWindows.h"

#include "app/views/WindowPlacement.h"
#include "base/ProgramFolder.h"
#include "sources/views/CaptureView.h"
#include "sources/views/Form2View.h"
#include "sources/views/Form6View.h"

namespace pav::sources {

namespace {

template <typename View> void bringUp(View* view, bool place, QPoint at) {
    if (place) view->move(at);
    app::showOnScreen(view);
    view->raise();
    view->activateWindow();
}

} // namespace

SourceWindows::SourceWindows(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages,
                             QWidget* parent, std::string programFolder)
    : m_host(host), m_paths(paths), m_messages(messages), m_parent(parent),
      m_programFolder(std::move(programFolder)), m_drives(std::make_unique<SystemDrives>()) {}

SourceWindows::~SourceWindows() {
    // The windows refer to the host and the paths: they go now, not at a later turn of the event loop.
    delete m_capture.data();
    delete m_browser.data();
    delete m_gallery.data();
}

Form2View* SourceWindows::openBrowser(bool besideMainWindow) {
    if (!m_browser) m_browser = new Form2View(m_host, m_paths, m_messages, *m_drives, m_parent);
    bringUp(m_browser.data(), besideMainWindow, Form2Model::placement(m_host.mainWindowTopLeft()));
    return m_browser;
}

Form6View* SourceWindows::openGallery(bool besideMainWindow) {
    if (!m_gallery) {
        const std::string folder = m_programFolder.empty() ? pav::dataFolder() : m_programFolder;
        m_gallery = new Form6View(m_host, m_paths, m_messages, folder, m_parent);
        m_gallery->model().setCloseBrowser([this] { closeBrowser(); });
    }
    bringUp(m_gallery.data(), besideMainWindow, Form6Model::placement(m_host.mainWindowTopLeft()));
    return m_gallery;
}

CaptureView* SourceWindows::startCapture() {
    if (m_capture) return m_capture;
    m_capture = startScreenCapture(m_host, m_messages);
    return m_capture;
}

void SourceWindows::closeBrowser() {
    if (m_browser) m_browser->close();
}

void SourceWindows::closeAll() {
    closeBrowser();
    if (m_gallery) m_gallery->close();
}

} // namespace pav::sources
