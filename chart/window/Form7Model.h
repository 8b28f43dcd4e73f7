#pragma once
// Form7, the chart window, without widgets: its state and its handlers. It runs
// the generation sequence (colour index, symbols, canvas sizing, title, grid,
// legend, footer, symbols) with an abort check wherever the user may act,
// drives the main window's controls through ChartHost, saves numbered charts,
// and tells its view what changed through Form7Observer.

#include "base/TaskDelegate.h"
#include "chart/Chart.h"
#include "chart/ChartFromIndex.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartHost.h"
#include "chart/window/ChartWindowTexts.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace pav::chart {

class Form7Observer {
public:
    virtual ~Form7Observer() = default;
    // Captions, texts, enabled flags, the status line or the busy pointer changed.
    virtual void form7ControlsChanged() = 0;
    // The progress fill moved.
    virtual void form7ProgressChanged() = 0;
    // The canvas was cleared, resized or finished.
    virtual void form7CanvasChanged() = 0;
};

// What Command5 does when pressed: stop the generation, or print the chart shown.
enum class Command5Action { Abort, Print };

class Form7Model {
public:
    static constexpr int kMaxChartSide = 320;
    static constexpr const char* kLabel1Start = texts::kLabel1Start;
    static constexpr const char* kAbortCaption = texts::kAbortCaption;
    static constexpr const char* kPrintCaption = texts::kPrintCaption;
    static constexpr const char* kDefaultThreshold = texts::kDefaultThreshold;
    // A press on Command5 this soon after its caption changed was meant for the old caption.
    static constexpr std::int64_t kCommand5SettleMs = 300;
    // Milliseconds from any fixed start.
    using Clock = std::function<std::int64_t()>;

    Form7Model(ChartHost& host, MessageSink& messages);

    void setObserver(Form7Observer* observer) { m_observer = observer; }
    // Where saved charts go; the program's folder unless set.
    void setSaveFolder(const QString& folder) { m_saveFolder = folder; }
    // Started by Command5 once it no longer reads "中止".
    void setPrintHandler(std::function<void()> handler) { m_printHandler = std::move(handler); }
    // Where Command5's settling time is read; a steady clock unless set.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Started by "编辑颜色" while the window shows a chart read from a file.
    void setEditHandler(std::function<void()> handler) { m_editHandler = std::move(handler); }
    // Width of the progress frame, in the view's pixels.
    void setProgressFrameWidth(int width) { m_progressFrameWidth = width; }

    // --- events of the window ---
    // Every load shows the controls as they are at first, over an empty canvas
    // sized for the main window's stitch picture; the title, the thread range
    // and the save counter are kept.
    void load();
    void setStyle(ChartStyle style); // Combo1
    void setThresholdText(std::string text);    // Combo2 change
    void check1Clicked();
    // Generation; events.yield is where the view lets pending events run.
    void command1Clicked(const TaskDelegate& events);
    // Ignored within kCommand5SettleMs of a change of its caption.
    void command5Clicked();
    void command4Clicked();
    void unload(); // unload and terminate: stops a running job at its next check

    // Shows a chart that was not generated here (one read from a file, or edited
    // after that): the sheet is drawn from it with the generation's own steps and
    // the window is ready to print, export and save. The main window's stitch data
    // is not read. Refused (false) while a generation or a print runs.
    bool showChart(Chart chart, const TaskDelegate& events);
    // "打开绣图文件...": the chart of the OXS file at path, shown as showChart shows it.
    // A file that is refused gives a message and changes nothing.
    bool openChartFile(const QString& path, const TaskDelegate& events);
    // Its first half: the chart of the file, or a message and none.
    std::optional<Chart> readChartFile(const QString& path);
    // No generation or print runs: a chart may be shown (otherwise a message says so).
    bool mayShowChart();
    // A chart is on the sheet that no "保存" or "保存绣图文件..." has written since it was made.
    bool hasUnsavedChart() const { return m_unsaved; }
    // Before a chart file replaces the sheet: asks when that would lose an unsaved chart.
    bool mayReplaceWithFile();
    // The chart shown came back from the colour editor: it is in no file yet.
    void markEdited() { m_unsaved = true; }
    // Draws a shown chart again in the style now chosen; nothing for a generated chart.
    bool redrawShownChart(const TaskDelegate& events);
    // Whether the sheet shows a chart given to showChart (until the next generation).
    bool showsGivenChart() const { return m_givenChart; }
    // "保存绣图文件...": the chart shown as an OXS file at path; says how it went.
    bool saveChartFile(const QString& path);
    // The title of the chart shown in the program's folder, with suffix (".pdf", ".oxs"):
    // what the file dialogs offer first.
    QString suggestedFilePath(const QString& suffix) const;
    // "编辑颜色": the colour editor on the chart shown, through the edit handler.
    void editColoursClicked();
    bool editColoursEnabled() const { return m_givenChart && exportEnabled() && !m_busy && m_editHandler; }

    // How "生成" would match and count the stitches now: the title, the thread
    // range, the ignore threshold and the matching rule. The colour editor's chart
    // is made by it, so that the editor edits what this window shows.
    ChartRequest chartRequest() const;

    // --- public members, written by the chart-settings dialog ---
    void setXiutuTitle(const std::string& title) { m_xiutuTitle = title; }
    const std::string& xiutuTitle() const { return m_xiutuTitle; }
    void setWhichType(const std::string& range) { m_whichType = range; }
    const std::string& whichType() const { return m_whichType; }

    // --- state shown by the view ---
    const std::string& styleText() const { return m_styleText; }
    const std::string& thresholdText() const { return m_thresholdText; }
    const std::string& command5Caption() const { return m_command5Caption; }
    const std::string& label1Text() const { return m_label1Text; }
    bool label1Visible() const { return m_label1Visible; }
    bool command1Enabled() const { return m_command1Enabled; }
    bool command4Enabled() const { return m_command4Enabled; }
    // Command5 is disabled only while a print runs; "导出PDF" also needs a completed chart.
    bool printEnabled() const { return !m_printing; }
    bool exportEnabled() const { return !m_printing && m_command5Action == Command5Action::Print; }
    Command5Action command5Action() const { return m_command5Action; }
    bool printing() const { return m_printing; }
    bool busy() const { return m_busy; }
    double progressFill() const { return m_progressFill; }
    int progressFrameWidth() const { return m_progressFrameWidth; }
    const QImage& canvas() const { return m_canvas; }
    // Scroll ranges of the viewport: the canvas size.
    int hScrollMaximum() const { return m_canvas.width(); }
    int vScrollMaximum() const { return m_canvas.height(); }

    // --- state shared with the drawing and the print job ---
    int chartW() const { return m_chartW; }
    int chartH() const { return m_chartH; }
    bool genRunning() const { return m_genRunning; }
    bool& genRunningFlag() { return m_genRunning; }
    ChartStyle style() const { return m_style; }
    const ChartGeometry& geometry() const { return m_geometry; }
    // The chart of the last completed colour index: what the sheet, a print and a PDF show.
    const Chart& chart() const { return m_chart; }
    // The quality figures of the last completed generation, and the line that shows
    // them beside the status line in the user's language (empty until a generation completes).
    const colour::ChartQuality& quality() const { return m_quality; }
    std::string qualityText() const {
        return m_qualityShown ? texts::qualityText(m_quality, m_chart.width() * m_chart.height()) : std::string();
    }
    int saveCounter() const { return m_saveCounter; }
    ChartHost& host() { return m_host; }

    // For the print job, which reports in the same controls.
    void setStatus(const std::string& text, bool visible);
    // After a print: Command5 reads "打印.." and prints again when pressed.
    void setPrinted();
    // After a cancelled print: Command5 reads "打印" again.
    void setReadyToPrint();
    // While a print runs, "生成", the print button and "导出PDF" are disabled, so
    // that no generation or second job starts inside it; "保存" stays enabled.
    void setPrinting(bool printing);
    void setBusy(bool busy);
    void setProgress(int done, int total);
    // The delegate a long job of this window runs with: progress and status land
    // in the progress bar and in Label1 (shown), and go on to *events, which also
    // lets pending events run. events is a variable that outlives the job, read
    // at each call: it may change or become null while the job runs.
    TaskDelegate windowTask(const TaskDelegate* const& events);

private:
    void beginGeneration();
    bool buildColourIndex(const TaskDelegate& task);
    int threshold();
    void sizeCanvas();
    void setCommand5(Command5Action action, const char* caption);
    void setCommand5Caption(const char* caption);
    std::int64_t now() const;
    bool drawSheet(const TaskDelegate& task);
    void endGeneration(bool completed);
    void notifyControls();
    void notifyCanvas();

    ChartHost& m_host;
    MessageSink& m_messages;
    Form7Observer* m_observer = nullptr;
    std::function<void()> m_printHandler;
    Clock m_clock;
    std::int64_t m_command5ChangedAt = 0;
    bool m_command5Changed = false; // since this model was made
    std::function<void()> m_editHandler;
    QString m_saveFolder;

    std::string m_xiutuTitle;
    std::string m_whichType;
    std::string m_styleText = texts::styleText(ChartStyle::SymbolsOnly);
    ChartStyle m_style = ChartStyle::SymbolsOnly;
    std::string m_thresholdText = kDefaultThreshold;
    std::string m_command5Caption = kAbortCaption;
    Command5Action m_command5Action = Command5Action::Abort;
    std::string m_label1Text = kLabel1Start;
    bool m_label1Visible = true;
    bool m_command1Enabled = true;
    bool m_command4Enabled = true;
    bool m_busy = false;
    bool m_generating = false;
    bool m_printing = false;
    bool m_givenChart = false;
    bool m_unsaved = false;
    bool m_sheetBegun = false; // a generation began since the load: the canvas holds a chart, maybe partial
    double m_progressFill = 2;
    int m_progressFrameWidth = 300;

    int m_chartW = 0;
    int m_chartH = 0;
    bool m_genRunning = false;
    ChartGeometry m_geometry;
    Chart m_chart;
    colour::ChartQuality m_quality;
    bool m_qualityShown = false;
    int m_saveCounter = 0;
    QImage m_canvas;
};

} // namespace pav::chart
