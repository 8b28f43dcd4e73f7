#pragma once
// The pattern dialog of the chart window ("分页图样..." and "导出PDF"): the
// layout ("分页图样" or "单页"), the pattern's paper, orientation, cell size,
// overlap, fabric, strands, black and white and symbols, the page count and
// finished size they give, a slightly smaller cell that saves pages, a word on
// a chart of many lone stitches, a preview of the first chart page, and "打印..." (the
// platform's print dialog, then the queue) and "导出PDF..." (a file dialog).
// All it does goes through the chart window's print job.

#include "chart/window/PatternDialogModel.h"
#include "chart/window/PrintJob.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace pav::print {

class PatternDialog : public QDialog {
public:
    PatternDialog(PrintJob& job, chart::OutputLayout first, QWidget* parent = nullptr);

    const chart::PatternDialogModel& model() const { return m_model; }
    // The buttons' work, without their file and print dialogs.
    PrintOutcome exportTo(const QString& path);
    PrintOutcome printOn(QPrinter& printer);
    // What remakes the chart with 智能配色 (30 threads, light cleanup); without
    // it the dialog only says that the chart has many lone stitches.
    void setRemake(std::function<void()> remake);

private:
    void createControls();
    void layOut();
    void connectControls();
    // The widgets' values into the model, then the summary and (a moment later) the preview.
    void optionsChanged();
    void showPreview();
    // The typed cell size outside the box's range: the range is said under the box.
    void cellTextEdited();
    void exportClicked();
    void printClicked();

    PrintJob& m_job;
    chart::PatternDialogModel m_model;
    QComboBox* m_layout = nullptr;
    QComboBox* m_paper = nullptr;
    QComboBox* m_orientation = nullptr;
    QDoubleSpinBox* m_cell = nullptr;
    QSpinBox* m_overlap = nullptr;
    QComboBox* m_fabric = nullptr;
    QSpinBox* m_strands = nullptr;
    QCheckBox* m_blackAndWhite = nullptr;
    QComboBox* m_symbols = nullptr;
    QLabel* m_offer = nullptr;
    QPushButton* m_useOffer = nullptr;
    QLabel* m_isolated = nullptr;
    QPushButton* m_remake = nullptr;
    std::function<void()> m_remakeChart;
    QLabel* m_summary = nullptr;
    QLabel* m_preview = nullptr;
    QLabel* m_previewCaption = nullptr;
    QLabel* m_cellHint = nullptr;
    QPushButton* m_previousPage = nullptr;
    QPushButton* m_nextPage = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_close = nullptr;
    QTimer* m_previewTimer = nullptr;
};

// Opens the dialog over parent with `first` as its layout; nothing while a job
// runs or before a generation has completed.
void openPatternDialog(QWidget* parent, PrintJob& job, chart::OutputLayout first);

} // namespace pav::print
