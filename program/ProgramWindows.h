#pragma once
// Every window of the program around the main window: the chart window and
// its print job, the picture browser, the gallery and screen capture, the
// chart-settings dialog, the About box and the colour editor. Each is created
// when first shown; closing the main window closes them all.

#include <memory>
#include <string>

#include <QPointer>

#include "program/EditingEntry.h"
#include "app/Form1Model.h"
#include "app/MainNavigation.h"
#include "chart/window/Form7Model.h"
#include "chart/window/PrintJob.h"
#include "editor/Form9Model.h"
#include "settings/Form3Model.h"
#include "settings/Form4Model.h"
#include "settings/Text1ClickMemory.h"
#include "sources/PicturePaths.h"
#include "sources/SourceHost.h"

namespace pav::chart {
class Form7View;
}
namespace pav::editor {
class Form9View;
}
namespace pav::settings {
class Form3View;
class Form4View;
}
namespace pav::sources {
class SourceWindows;
}

namespace pav::app {

class Form1View;

class ProgramWindows : public MainNavigation, public pav::sources::SourceHost, public pav::editor::EditorHost {
public:
    ProgramWindows(Form1Model& main, Form1View& mainView, pav::MessageSink& messages);
    ~ProgramWindows() override;

    // ---- MainNavigation ----
    void showChartWindow() override;
    void showBrowser(bool besideMain) override;
    void showGallery(bool besideMain) override;
    void showSettings() override;
    void showAbout() override;
    void openEditor() override;
    void openChartFile() override;
    void startScreenCapture() override;
    void closeOtherWindows() override;

    // ---- EditorHost: "完成" of the editor "编辑" opened ----
    // The edited stitches become the main window's, and the chart window comes up to chart them.
    void finishEditing(const pav::chart::Chart& edited) override;

    // ---- SourceHost ----
    bool loadSourcePicture(const std::string& path) override { return m_main.loadSourcePicture(path); }
    image::PictureFault pictureFault() const override { return m_main.pictureError().fault; }
    std::string pictureFitText() const override { return m_main.pictureFitText(); }
    QPoint mainWindowTopLeft() const override;
    double fabricWidth() const override { return m_main.stitchPictureWidth(); }
    int fabricHeight() const override { return m_main.stitchPictureHeight(); }
    int ifScale() const override { return m_main.ifScale; }
    int moveX1() const override { return m_main.moveX1; }
    int moveY1() const override { return m_main.moveY1; }
    void copyIntoPicture4(const QImage& block, QPoint at) override { m_main.copyIntoPicture4(block, at); }
    void hideMainWindow() override;
    void showMainWindow() override;

    pav::chart::Form7Model& chartModel() { return m_chartModel; }

    // The chart window shows the chart of an OXS file, as "打开绣图文件..." does after its dialog.
    bool openChartFile(const QString& path);

private:
    // The colour editor of a chart shown from a file: the main window's picture,
    // fabric and stitches stay as they are; "完成" shows the edited chart in the chart window.
    class ShownChartEditing : public pav::editor::EditorHost {
    public:
        explicit ShownChartEditing(ProgramWindows& windows) : m_windows(windows) {}
        void finishEditing(const pav::chart::Chart& edited) override { m_windows.finishChartEditing(edited); }

    private:
        ProgramWindows& m_windows;
    };

    void passSettingsToChart();
    void editShownChart();
    void finishChartEditing(const pav::chart::Chart& edited);

    Form1Model& m_main;
    Form1View& m_mainView;
    pav::MessageSink& m_messages;

    // The chart window's public members that the settings dialog writes.
    std::string m_xiutuTitle;
    std::string m_whichType;

    pav::chart::Form7Model m_chartModel;
    pav::print::PrintJob m_printJob;
    QPointer<pav::chart::Form7View> m_chartView;

    pav::sources::PicturePaths m_paths;
    std::unique_ptr<pav::sources::SourceWindows> m_sources;

    pav::settings::Text1ClickMemory m_text1Clicks;
    pav::settings::Form3Model m_settingsModel;
    QPointer<pav::settings::Form3View> m_settingsView;
    pav::settings::Form4Model m_aboutModel;
    QPointer<pav::settings::Form4View> m_aboutView;

    QPointer<pav::editor::Form9View> m_editorView;

    ShownChartEditing m_chartEditing{*this};
    QPointer<pav::editor::Form9View> m_chartEditorView;
};

} // namespace pav::app
