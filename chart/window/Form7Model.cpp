#include "chart/window/Form7Model.h"
#include "base/Rounding.h"

#include "base/FileErrors.h"
#include "base/SaveFolders.h"
#include "chart/ChartSaver.h"
#include "chart/ChartSheet.h"
#include "chart/Fabric.h"
#include "chart/StitchGrid.h"
#include "chart/oxs/OxsFile.h"
#include "palette/ColorIndex.h"
#include "palette/ThreadPalette.h"
#include "base/UiText.h"

#include <QDir>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace pav::chart {
namespace {

using namespace texts;


} // namespace

Form7Model::Form7Model(ChartHost& host, MessageSink& messages)
    : m_host(host), m_messages(messages), m_geometry(canvasGeometry()) {}

void Form7Model::load() {
    m_style = ChartStyle::SymbolsOnly;
    m_styleText = texts::styleText(m_style);
    m_thresholdText = kDefaultThreshold;
    setCommand5Caption(kAbortCaption);
    m_command5Action = Command5Action::Abort;
    m_label1Text = kLabel1Start;
    m_label1Visible = true;
    m_command1Enabled = true;
    m_command4Enabled = true;
    m_busy = false;
    m_givenChart = false;
    m_qualityShown = false;
    m_sheetBegun = false;
    m_unsaved = false;
    m_chartW = chartSide(m_host.stitchPictureWidth());
    m_chartH = chartSide(m_host.stitchPictureHeight());
    m_canvas = newCanvas(canvasWidth(m_chartW), canvasHeight(m_chartW, m_chartH, 0));
    notifyControls();
    notifyCanvas();
    setProgress(0, 0);
}

void Form7Model::setStyle(ChartStyle style) {
    m_style = style;
    m_styleText = texts::styleText(style);
    notifyControls();
}

void Form7Model::setThresholdText(std::string text) {
    int value = 0;
    if (!palette::parseThreshold(text, value)) {
        m_thresholdText = std::string(1, '0');
        notifyControls();
        m_messages.showMessage(kThresholdError, kThresholdTitle);
        return;
    }
    m_thresholdText = std::move(text);
    notifyControls();
}

void Form7Model::check1Clicked() {
    setThresholdText("0");
}

void Form7Model::command1Clicked(const TaskDelegate& events) {
    // The button is disabled while a generation runs; a click that slips through is ignored.
    if (m_generating || !m_command1Enabled) return;
    // A chart opened from a file is not made from the main window's picture: say what goes.
    if (m_givenChart && m_command5Action == Command5Action::Print &&
        !m_messages.askToContinue(kGenerateReplacesFileText, kOpenFailedTitle))
        return;
    m_generating = true;
    const TaskDelegate* const source = &events;
    const TaskDelegate task = windowTask(source);
    beginGeneration();
    bool completed = buildColourIndex(task);
    if (completed) {
        m_xiutuTitle = chartTitle(m_xiutuTitle).toStdString();
        m_chart.title = m_xiutuTitle;
        completed = drawSheet(task);
    }
    endGeneration(completed);
    m_generating = false;
}

bool Form7Model::showChart(Chart chart, const TaskDelegate& events) {
    if (m_generating || m_printing) return false;
    m_generating = true;
    const TaskDelegate* const source = &events;
    const TaskDelegate task = windowTask(source);
    m_chart = std::move(chart);
    beginGeneration();
    m_givenChart = true;
    m_chartW = m_chart.width();
    m_chartH = m_chart.height();
    const bool completed = drawSheet(task);
    endGeneration(completed);
    if (const std::string notes = texts::fileNotesText(m_chart.file); completed && !notes.empty()) setStatus(notes, true);
    m_generating = false;
    return completed;
}

bool Form7Model::mayReplaceWithFile() {
    return !m_unsaved || m_messages.askToContinue(kOpenReplacesUnsavedText, kOpenFailedTitle);
}

bool Form7Model::mayShowChart() {
    if (!m_generating && !m_printing) return true;
    m_messages.showMessage(kChartBusyText, kOpenFailedTitle);
    return false;
}

std::optional<Chart> Form7Model::readChartFile(const QString& path) {
    oxs::OxsReadResult read = oxs::readOxsFile(path);
    if (read.ok()) return std::move(read.chart);
    const QString text =
        pav::uiText(kOpenFailedText) + QDir::toNativeSeparators(path) + "\n" + pav::uiText(oxsErrorText(read.error));
    m_messages.showMessage(text.toStdString(), kOpenFailedTitle, MessageIcon::Warning);
    return std::nullopt;
}

bool Form7Model::openChartFile(const QString& path, const TaskDelegate& events) {
    if (!mayShowChart()) return false;
    std::optional<Chart> chart = readChartFile(path);
    return chart && showChart(std::move(*chart), events);
}

bool Form7Model::redrawShownChart(const TaskDelegate& events) {
    if (!m_givenChart) return false;
    return showChart(m_chart, events);
}

bool Form7Model::saveChartFile(const QString& path) {
    if (!exportEnabled()) return false;
    QString detail;
    if (oxs::writeOxsFile(path, m_chart, &detail) != oxs::OxsError::None) {
        const QString text =
            pav::uiText(kSaveFailedText) + QDir::toNativeSeparators(path) + "\n" + pav::fileErrorText(detail);
        m_messages.showMessage(text.toStdString(), kSaveFailedTitle, MessageIcon::Warning);
        return false;
    }
    m_unsaved = false;
    m_messages.showMessage(pav::uiString(kSavedText) + QDir::toNativeSeparators(path).toStdString(), kSavedTitle);
    return true;
}

QString Form7Model::suggestedFilePath(const QString& suffix) const {
    QString name = chartTitle(m_givenChart ? m_chart.title : m_xiutuTitle);
    // A title is free text; characters no file name may hold become "_".
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    return QDir(QString::fromStdString(pav::saveFolder())).filePath(name + suffix);
}

void Form7Model::editColoursClicked() {
    if (editColoursEnabled()) m_editHandler();
}

void Form7Model::command5Clicked() {
    if (m_command5Changed && now() - m_command5ChangedAt < kCommand5SettleMs) return;
    if (m_command5Action == Command5Action::Abort) {
        m_genRunning = false;
        m_command1Enabled = true;
        notifyControls();
    } else if (m_printHandler && printEnabled()) {
        m_printHandler();
    }
}

void Form7Model::command4Clicked() {
    if (!m_command4Enabled) return;
    // An empty canvas is no chart: nothing is written and no success is reported.
    if (!m_sheetBegun) {
        m_messages.showMessage(kNothingToSaveText, kSaveFailedTitle);
        return;
    }
    ++m_saveCounter;
    const QString folder = m_saveFolder.isEmpty() ? QString::fromStdString(pav::saveFolder()) : m_saveFolder;
    const QString name = chartFileName(m_saveCounter);
    QString error;
    if (!saveCanvasBmp(m_canvas, QDir(folder).filePath(name), &error)) {
        const QString text =
            pav::uiText(kSaveFailedText) + QDir::toNativeSeparators(QDir(folder).filePath(name)) + "\n" + pav::fileErrorText(error);
        m_messages.showMessage(text.toStdString(), kSaveFailedTitle, MessageIcon::Warning);
        return;
    }
    m_unsaved = false;
    QString shown = QDir::toNativeSeparators(folder);
    if (!shown.endsWith(QDir::separator())) shown += QDir::separator();
    m_messages.showMessage((pav::uiText(kSavedText) + shown + name).toStdString(), kSavedTitle);
}

void Form7Model::unload() {
    m_genRunning = false;
}

void Form7Model::setStatus(const std::string& text, bool visible) {
    m_label1Text = text;
    m_label1Visible = visible;
    notifyControls();
}

void Form7Model::setCommand5(Command5Action action, const char* caption) {
    m_command5Action = action;
    setCommand5Caption(caption);
    notifyControls();
}

void Form7Model::setCommand5Caption(const char* caption) {
    if (m_command5Caption == caption) return;
    m_command5Caption = caption;
    m_command5Changed = true;
    m_command5ChangedAt = now();
}

std::int64_t Form7Model::now() const {
    if (m_clock) return m_clock();
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

void Form7Model::setPrinted() {
    setCommand5(Command5Action::Print, kPrintedCaption);
}

void Form7Model::setReadyToPrint() {
    setCommand5(Command5Action::Print, kPrintCaption);
}

void Form7Model::setPrinting(bool printing) {
    m_printing = printing;
    m_command1Enabled = !printing;
    notifyControls();
}

void Form7Model::setBusy(bool busy) {
    m_busy = busy;
    notifyControls();
}

// A pass starts at the frame's 2-pixel fill and grows with the units done.
void Form7Model::setProgress(int done, int total) {
    m_progressFill = (done == 0 || total <= 0) ? 2.0 : double(m_progressFrameWidth) * done / total;
    if (m_observer) m_observer->form7ProgressChanged();
}

TaskDelegate Form7Model::windowTask(const TaskDelegate* const& events) {
    TaskDelegate task;
    task.yield = [&events] {
        if (events) events->letEventsRun();
    };
    task.progress = [this, &events](int done, int total) {
        setProgress(done, total);
        if (events) events->report(done, total);
    };
    task.status = [this, &events](const std::string& text) {
        setStatus(text, true);
        if (events) events->say(text);
    };
    task.keepGoing = [this] { return m_genRunning; };
    return task;
}

// Steps 1 to 3: a cleared canvas, the controls locked, the symbols and the chart size.
void Form7Model::beginGeneration() {
    m_canvas.fill(Qt::white);
    notifyCanvas();
    m_sheetBegun = true;
    m_genRunning = true;
    m_command1Enabled = false;
    m_command4Enabled = false;
    m_host.setMainControlsEnabled(false);
    m_label1Visible = true;
    m_whichType = chartRange(m_whichType);
    setCommand5Caption(kAbortCaption);
    m_command5Action = Command5Action::Abort;
    m_givenChart = false;
    m_chartW = chartSide(m_host.stitchPictureWidth());
    m_chartH = chartSide(m_host.stitchPictureHeight());
    m_busy = true;
    m_qualityShown = false;
    notifyControls();
}

ChartRequest Form7Model::chartRequest() const {
    ChartRequest request;
    request.title = m_xiutuTitle;
    request.rangeName = chartRange(m_whichType);
    int value = 0;
    request.threshold = palette::parseThreshold(m_thresholdText, value) ? value : 0;
    request.matcher = &palette::rangeMatcher(request.rangeName, m_host.fitCriterion(), m_host.allowSpecialty());
    return request;
}

// Step 4: matching, then counting; either may end the generation.
bool Form7Model::buildColourIndex(const TaskDelegate& task) {
    ChartRequest request = chartRequest();
    // The box's change rule keeps it numeric, so reading it before the matching
    // rather than between matching and counting makes no difference.
    request.threshold = threshold();
    ChartResult result = makeChart(stitchGrid(m_host.stitchColours(), m_chartW, m_chartH), request, task);
    // A chart that cannot be made ends the generation as an abort does.
    if (result.error == ChartError::TooManyColours || result.error == ChartError::TooManySymbols)
        m_genRunning = false;
    if (result.error == ChartError::TooManyColours) m_messages.showMessage(kTooManyColours, kTooManyTitle);
    if (result.error == ChartError::TooManySymbols) m_messages.showMessage(kTooManySymbols, kTooManyTitle);
    if (result.error != ChartError::None) return false;
    m_chart = std::move(result.chart);
    const colour::RgbGrid* before = m_host.stitchesBeforeReduction();
    m_quality = chartQuality(before ? *before : colour::RgbGrid{}, m_chart);
    return true;
}

// The box is kept numeric by its change rule; should it hold anything else, the same rule applies.
int Form7Model::threshold() {
    int value = 0;
    if (palette::parseThreshold(m_thresholdText, value)) return value;
    setThresholdText(m_thresholdText);
    return 0;
}

void Form7Model::sizeCanvas() {
    m_canvas = QImage(); // the old sheet goes before the new one takes its memory
    m_canvas = newSheetCanvas(m_chart);
    m_geometry.sheetWidth = m_canvas.width();
    notifyCanvas();
}

// Steps 5 to 12; false when an abort check stopped it.
bool Form7Model::drawSheet(const TaskDelegate& task) {
    m_label1Visible = false;
    notifyControls();
    sizeCanvas();
    return drawChartSheet(m_canvas, m_geometry, m_chart, SheetOptions{m_style, m_host.swatches()},
                          JobControl{&task, &m_genRunning}, [this] { setProgress(0, m_chartH); });
}

// Step 13: everything enabled again and Command5 offers printing. The abort exit
// keeps the partial chart and leaves Command5 reading "中止".
void Form7Model::endGeneration(bool completed) {
    m_host.setMainControlsEnabled(true);
    m_command1Enabled = true;
    m_command4Enabled = true;
    if (completed) {
        setCommand5Caption(kPrintCaption);
        m_command5Action = Command5Action::Print;
        // A chart read from a file is in its file; a generated or edited one is not yet.
        m_unsaved = !m_givenChart;
        // A chart given from a file has no picture it was made from: no figures for it.
        m_qualityShown = !m_givenChart;
    }
    m_busy = false;
    notifyControls();
    notifyCanvas();
}

void Form7Model::notifyControls() {
    if (m_observer) m_observer->form7ControlsChanged();
}

void Form7Model::notifyCanvas() {
    if (m_observer) m_observer->form7CanvasChanged();
}

} // namespace pav::chart
