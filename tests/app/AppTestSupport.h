#pragma once
// Shared pieces of the main-window tests: recorded messages, navigation and
// notifications, an application object, pictures written to a scratch folder
// that is also the current folder.

#include <string>
#include <utility>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "app/Form1Model.h"
#include "image/Dither.h"

namespace pav::app::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    pav::image::initDither();
}

struct Message {
    std::string text;
    std::string title;
    pav::MessageIcon icon;
    bool operator==(const Message&) const = default;
};

class RecordingSink : public pav::MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::vector<Message> messages;
};

class RecordingNavigation : public MainNavigation {
public:
    void showChartWindow() override { calls.push_back("chart"); }
    void showBrowser(bool beside) override { calls.push_back(beside ? "browser beside" : "browser"); }
    void showGallery(bool beside) override { calls.push_back(beside ? "gallery beside" : "gallery"); }
    void showSettings() override { calls.push_back("settings"); }
    void showAbout() override { calls.push_back("about"); }
    void openEditor() override { calls.push_back("editor"); }
    void openChartFile() override { calls.push_back("chart file"); }
    void startScreenCapture() override { calls.push_back("capture"); }
    void closeOtherWindows() override { calls.push_back("close others"); }
    std::vector<std::string> calls;
};

// Records Label1 at every label notification and counts the others.
class RecordingObserver : public Form1Observer {
public:
    explicit RecordingObserver(const Form1Model& model) : m_model(model) {}
    void form1Changed(Form1Change what) override {
        if (what == Form1Change::Labels) label1s.push_back(m_model.label1());
        if (what == Form1Change::Preview) ++previews;
        if (what == Form1Change::Fabric) ++fabrics;
    }
    std::vector<std::string> label1s;
    int previews = 0;
    int fabrics = 0;

private:
    const Form1Model& m_model;
};

// A scratch folder that is the current folder for the test's lifetime.
class ScratchFolder {
public:
    ScratchFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~ScratchFolder() { QDir::setCurrent(m_previous); }
    std::string path() const { return m_dir.path().toStdString(); }
    std::string file(const QString& name) const { return m_dir.filePath(name).toStdString(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

inline QImage solidPicture(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Four quadrants: red top-left, green top-right, blue bottom-left, yellow bottom-right.
inline QImage quadrantPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            image.setPixel(x, y, !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                                         : (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255)));
        }
    return image;
}

inline std::int32_t rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

} // namespace pav::app::testing
