#pragma once
// printChart: the chart window's print job, on the system's default printer
// queue or into a PDF file. The page is drawn by printChartPage; this file
// opens and ends (or cancels) the document, reports failures, and keeps the
// chart window's controls, status line and progress bar in step.

#include "chart/window/Form7Model.h"
#include "chart/pattern/PatternRules.h"
#include "chart/print/SheetOutput.h"
#include "base/TaskDelegate.h"

#include <QPageLayout>

#include <functional>
#include <QString>

class QPrinter;

namespace pav::print {

// The file "导出PDF" offers first: the chart's title as a PDF in the folder charts are saved in.
QString suggestedPdfPath(const chart::Form7Model& model);
// The chart window's generated chart as a sheet to print.
PrintSheet sheetOf(chart::Form7Model& model);

// Entry point of the command line: the generated chart of model as a PDF file, no
// abort, no status. False with a reason in *error when it could not be written.
bool writeChartPdf(chart::Form7Model& model, const QString& path, QString* error = nullptr,
                   const QPageLayout& layout = defaultPdfLayout());

// The print and "导出PDF" commands of the chart window. While a job runs the
// chart window model is printing (its "生成", print and "导出PDF" buttons
// disabled), the main window's controls are disabled, and further requests are
// ignored.
class PrintJob {
public:
    PrintJob(chart::Form7Model& model, MessageSink& messages);

    // The view's hooks: where pending events run while the job works.
    void setEvents(const TaskDelegate* events) { m_events = events; }

    // Command5 reading "打印" or "打印..": the page on the default printer.
    PrintOutcome printOnDefaultPrinter();
    // The same job on a given printer; a printer set to print to a PDF file writes that file.
    PrintOutcome print(QPrinter& printer);
    // Before a print dialog: whether the system has a printer at all; if not, a
    // message says so and points to "导出PDF".
    bool printerAvailable();
    // "导出PDF": the page into path (A4 portrait unless told otherwise).
    PrintOutcome exportPdf(const QString& path, const QPageLayout& layout = defaultPdfLayout());

    // "分页图样": the pattern of the generated chart on a printer, in the pages
    // its print dialog chose, or into path; reported as the page and the PDF are.
    PrintOutcome printPattern(QPrinter& printer, const pattern::PatternOptions& options);
    PrintOutcome exportPattern(const QString& path, const pattern::PatternOptions& options);

    bool running() const { return m_model.printing(); }
    // The pattern dialog's options as last chosen: the next opening starts from them.
    const pattern::PatternOptions& patternOptions() const { return m_patternOptions; }
    void setPatternOptions(const pattern::PatternOptions& options) { m_patternOptions = options; }
    const chart::Form7Model& model() const { return m_model; }

private:
    // What a job writes: with the job's hooks, a reason in *error when it fails.
    using Output = std::function<PrintOutcome(const chart::JobControl& job, QString* error)>;
    PrintOutcome toPrinter(const Output& output);
    PrintOutcome toFile(const QString& path, const Output& output);
    void begin();
    void finish(PrintOutcome outcome, bool toPrinter);

    chart::Form7Model& m_model;
    MessageSink& m_messages;
    const TaskDelegate* m_events = nullptr;
    pattern::PatternOptions m_patternOptions;
};

} // namespace pav::print
