#pragma once
// The chart window: style and threshold lists, the generate, abort/print and
// save buttons, the status line and progress bar, and the canvas in a viewport
// with two scroll bars. All behaviour is Form7Model's; this class binds widgets
// to it and lets pending events run, at most every 16 ms, while it works.

#include "chart/window/Form7Model.h"
#include "base/TaskDelegate.h"

#include <QElapsedTimer>
#include <QWidget>

#include "base/EventPump.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace pav::chart {

class ChartCanvasWidget;

class Form7View : public QWidget, public Form7Observer {
public:
    explicit Form7View(Form7Model& model, QWidget* parent = nullptr);
    ~Form7View() override;

    // The hooks long jobs of this window run with (the print job uses them too).
    const TaskDelegate& events() const { return m_events; }

    // "导出PDF" runs exportPdf and "分页图样..." pattern. The print, export and
    // pattern buttons are disabled while the model is printing, and also while
    // jobRunning() is true, so that no second job starts inside the first.
    void setPrintJobHooks(std::function<void()> exportPdf, std::function<bool()> jobRunning,
                          std::function<void()> pattern = {});

    void form7ControlsChanged() override;
    void form7ProgressChanged() override;
    void form7CanvasChanged() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Picture2's resizes change how far the bars pan.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void fillStyleList();
    void layOut();
    void connectControls();
    void letEventsRun();
    // Runs a handler of the model that may run a long job.
    void runJob(const std::function<void()>& job);
    void updateScrollRanges();
    // "保存绣图文件...": asks where, then saves the chart shown there.
    void saveChartFile();
    void placeCanvas();

    Form7Model& m_model;
    TaskDelegate m_events;
    static constexpr int kEventIntervalMs = 16; // between two event runs of a long job
    ThrottledEventPump m_pump{kEventIntervalMs, true};
    bool m_cursorBusy = false;
    int m_jobs = 0; // long jobs running inside this window's handlers
    bool m_deleteAfterJob = false;

    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QLabel* m_label2 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_exportPdf = nullptr;
    QPushButton* m_saveChartFile = nullptr;
    QPushButton* m_editColours = nullptr;
    QPushButton* m_pattern = nullptr;
    std::function<void()> m_exportPdfHandler;
    std::function<void()> m_patternHandler;
    std::function<bool()> m_jobRunning;
    QLabel* m_label1 = nullptr;
    QLabel* m_quality = nullptr; // the quality figures after a generation
    QFrame* m_shape2 = nullptr;
    QFrame* m_shape1 = nullptr;
    QWidget* m_picture2 = nullptr;
    ChartCanvasWidget* m_picture3 = nullptr;
    QScrollBar* m_hchange = nullptr;
    QScrollBar* m_vchange = nullptr;
};

} // namespace pav::chart
