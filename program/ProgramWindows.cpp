#include "program/ProgramWindows.h"

#include "base/SaveFolders.h"

#include <QEvent>
#include <QFileDialog>

#include "app/MainTexts.h"
#include "chart/ChartSaver.h"
#include "chart/StitchGrid.h"

#include "app/views/Form1View.h"
#include "base/UiText.h"
#include "app/views/WindowPlacement.h"
#include "chart/window/Form7View.h"
#include "chart/window/PatternDialog.h"
#include "chart/window/PrintDialog.h"
#include "editor/Form9View.h"
#include "settings/Form3View.h"
#include "settings/Form4View.h"
#include "sources/views/Form2View.h"
#include "sources/views/Form6View.h"
#include "sources/views/SourceWindows.h"

namespace pav::app {

namespace {

// Runs a callback whenever the watched window is hidden.
class OnHide : public QObject {
public:
    OnHide(QObject* parent, std::function<void()> callback) : QObject(parent), m_callback(std::move(callback)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) m_callback();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_callback;
};

template <class Window>
void bringUp(Window* window) {
    showOnScreen(window);
    window->raise();
    window->activateWindow();
}

} // namespace

ProgramWindows::ProgramWindows(Form1Model& main, Form1View& mainView, pav::MessageSink& messages)
    : m_main(main), m_mainView(mainView), m_messages(messages), m_chartModel(main, messages),
      m_printJob(m_chartModel, messages),
      m_sources(std::make_unique<pav::sources::SourceWindows>(*this, m_paths, messages, &mainView)),
      m_settingsModel(pav::settings::ChartSettingsTarget{main.ColorBit, main.autoColor, main.rdColorNum, m_xiutuTitle,
                                                         m_whichType, main.colourChoice},
                      m_text1Clicks, messages) {
    // The print dialog opens first, so that no page is printed without the user's choice.
    m_chartModel.setPrintHandler([this] { pav::print::printFromDialog(m_chartView, m_printJob); });
    m_chartModel.setEditHandler([this] { editShownChart(); });
}

ProgramWindows::~ProgramWindows() {
    // The windows refer to models held here: they go now, not at a later turn of the event loop.
    m_printJob.setEvents(nullptr);
    delete m_chartView.data();
    delete m_settingsView.data();
    delete m_aboutView.data();
    delete m_editorView.data();
    delete m_chartEditorView.data();
    m_sources.reset();
}

void ProgramWindows::passSettingsToChart() {
    m_chartModel.setXiutuTitle(m_xiutuTitle);
    m_chartModel.setWhichType(m_whichType);
}

void ProgramWindows::showChartWindow() {
    if (!m_chartView) {
        m_chartView = new pav::chart::Form7View(m_chartModel);
        // Closing unloads it; the next "生成" loads a new one.
        m_chartView->setAttribute(Qt::WA_DeleteOnClose);
        m_printJob.setEvents(&m_chartView->events());
        // "导出PDF" opens the pattern dialog on its "单页" layout, the sheet it always wrote.
        m_chartView->setPrintJobHooks(
            [this] { pav::print::openPatternDialog(m_chartView, m_printJob, pav::chart::OutputLayout::Sheet); },
            [this] { return m_printJob.running(); },
            [this] { pav::print::openPatternDialog(m_chartView, m_printJob, pav::chart::OutputLayout::Pattern); });
        QObject::connect(m_chartView, &QObject::destroyed, [this] { m_printJob.setEvents(nullptr); });
    }
    bringUp(m_chartView.data());
}

void ProgramWindows::showBrowser(bool besideMain) { m_sources->openBrowser(besideMain); }

void ProgramWindows::showGallery(bool besideMain) { m_sources->openGallery(besideMain); }

void ProgramWindows::showSettings() {
    if (!m_settingsView) {
        m_settingsView = new pav::settings::Form3View(m_settingsModel, &m_mainView);
        // What "确定" wrote reaches the chart window when the dialog closes.
        m_settingsView->installEventFilter(new OnHide(m_settingsView, [this] { passSettingsToChart(); }));
    }
    m_settingsView->showSettings();
    keepOnScreen(m_settingsView);
}

void ProgramWindows::showAbout() {
    if (!m_aboutView) {
        m_aboutView = new pav::settings::Form4View(m_aboutModel, &m_mainView);
        m_aboutView->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringUp(m_aboutView.data());
}

void ProgramWindows::openEditor() {
    if (!m_editorView) m_editorView = new pav::editor::Form9View(this, &m_mainView);
    runEditingEntry(m_main, m_chartModel.chartRequest(), *m_editorView);
    if (m_editorView && m_editorView->isVisible()) keepOnScreen(m_editorView);
}

void ProgramWindows::startScreenCapture() { m_sources->startCapture(); }

void ProgramWindows::openChartFile() {
    if (!m_chartModel.mayShowChart()) return;
    const QString path = QFileDialog::getOpenFileName(&m_mainView, pav::uiText(pav::app::texts::kOpenChartFile),
                                                      QString::fromStdString(pav::saveFolder()),
                                                      pav::uiText(pav::chart::texts::kChartFileFilter));
    if (!path.isEmpty()) openChartFile(path);
}

bool ProgramWindows::openChartFile(const QString& path) {
    if (!m_chartModel.mayShowChart() || !m_chartModel.mayReplaceWithFile()) return false;
    std::optional<pav::chart::Chart> chart = m_chartModel.readChartFile(path);
    if (!chart) return false;
    // An editor still open on an earlier chart would bring that chart back.
    if (m_chartEditorView) m_chartEditorView->close();
    showChartWindow();
    return m_chartModel.showChart(std::move(*chart), m_chartView->events());
}

void ProgramWindows::finishEditing(const pav::chart::Chart& edited) {
    takeEditedChart(m_main, edited);
    showChartWindow();
}

void ProgramWindows::editShownChart() {
    if (!m_chartEditorView) m_chartEditorView = new pav::editor::Form9View(&m_chartEditing, &m_mainView);
    m_chartEditorView->openColorEditor(m_chartModel.chart());
}

void ProgramWindows::finishChartEditing(const pav::chart::Chart& edited) {
    showChartWindow();
    if (m_chartModel.showChart(edited, m_chartView->events())) m_chartModel.markEdited();
}

void ProgramWindows::closeOtherWindows() {
    if (m_chartView) m_chartView->close();
    if (m_aboutView) m_aboutView->close();
    if (m_sources) m_sources->closeAll();
    if (m_settingsView) m_settingsView->close();
    if (m_editorView) m_editorView->close();
    if (m_chartEditorView) m_chartEditorView->close();
}

QPoint ProgramWindows::mainWindowTopLeft() const { return m_mainView.frameGeometry().topLeft(); }

void ProgramWindows::hideMainWindow() { hideKeepingPlace(&m_mainView); }

void ProgramWindows::showMainWindow() {
    showInPlace(&m_mainView);
    m_mainView.raise();
    m_mainView.activateWindow();
}

} // namespace pav::app
