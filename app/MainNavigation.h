#pragma once
// The other windows the main window opens. The main window's view (or the
// program that assembles all windows) implements it; tests record the calls.

namespace pav::app {

class MainNavigation {
public:
    virtual ~MainNavigation() = default;
    // The chart window, which builds its chart from the stitch colour matrix.
    virtual void showChartWindow() = 0;
    // The picture browser; besideMain places it at the main window's corner + (1800, 1400) twips first.
    virtual void showBrowser(bool besideMain) = 0;
    // The sample gallery; besideMain places it at the main window's corner + (4800, 1400) twips first.
    virtual void showGallery(bool besideMain) = 0;
    virtual void showSettings() = 0;
    virtual void showAbout() = 0;
    // "编辑": the editing entry, which prepares and opens the colour editor.
    virtual void openEditor() = 0;
    // "打开绣图文件...": asks for an OXS chart file and shows its chart in the chart window.
    virtual void openChartFile() = 0;
    // "直接屏幕截图": hide the main window, copy the screen, show the capture window.
    virtual void startScreenCapture() = 0;
    // Shutdown: unload the chart window, About box, browser, settings dialog, gallery and colour editor.
    virtual void closeOtherWindows() = 0;
};

} // namespace pav::app
