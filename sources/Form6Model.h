#pragma once
// The sample gallery: seven category folders beside the program, a file list,
// a preview, and Apply, which installs the chosen sample as the file browser's
// OK does. The gallery stays open after Apply so samples can be tried in turn.

#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>

#include "base/TaskDelegate.h"
#include "sources/PicturePaths.h"
#include "sources/SourceHost.h"

namespace pav::sources {

class Form6Observer {
public:
    virtual ~Form6Observer() = default;
    virtual void buttonsChanged() {}
    virtual void filesChanged() {} // the file list and its selection
    virtual void previewChanged() {}
    virtual void closeRequested() {}
};

class Form6Model {
public:
    // programFolder: the folder holding the program, below which the category folders lie.
    Form6Model(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages, std::string programFolder);

    void setObserver(Form6Observer* observer) { m_observer = observer; }
    // Apply closes the file browser when it is open.
    void setCloseBrowser(std::function<void()> closeBrowser) { m_closeBrowser = std::move(closeBrowser); }

    // Where "绣图图库" opens the gallery: right of and below the main window's corner.
    static QPoint placement(QPoint mainTopLeft);

    // Opening: every category button enabled, the list on the first category.
    void load();

    static int categoryCount();
    static std::string categoryName(int index);
    std::string categoryFolder(int index) const;
    bool categoryEnabled(int index) const;
    // The pressed button is disabled (it marks the category), the others enabled; a missing
    // folder is ignored silently and the list keeps what it showed.
    void chooseCategory(int index);

    const std::string& folder() const { return m_folder; } // empty until a category folder was found
    const std::vector<std::string>& files() const { return m_files; }
    int selectedFile() const { return m_selected; }
    void clickFile(int index);

    const QImage& preview() const { return m_preview; }

    // Installs the selected sample; no file-type test. False (after the message) on failure.
    bool apply();
    void quit();

private:
    void showFolder(const std::string& folder);
    template <typename Fn> void notify(Fn fn) {
        if (m_observer) (m_observer->*fn)();
    }

    SourceHost& m_host;
    PicturePaths& m_paths;
    pav::MessageSink& m_messages;
    std::string m_programFolder;
    Form6Observer* m_observer = nullptr;
    std::function<void()> m_closeBrowser;

    int m_disabledCategory = -1; // -1: every button enabled
    std::string m_folder;
    std::vector<std::string> m_files;
    int m_selected = -1;
    QImage m_preview;
};

} // namespace pav::sources
