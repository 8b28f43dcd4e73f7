#include "chart/window/PrintJob.h"

#include "base/FileErrors.h"
#include "base/SaveFolders.h"
#include "chart/ChartSaver.h"
#include "base/UiText.h"
#include "chart/pattern/PatternOutput.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

namespace pav::print {
namespace {

using namespace chart::texts;

// The file the print dialog's "print to file" chose; empty for a printer.
QString pdfFileOf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

} // namespace

QString suggestedPdfPath(const chart::Form7Model& model) {
    return model.suggestedFilePath(QStringLiteral(".pdf"));
}

PrintSheet sheetOf(chart::Form7Model& model) {
    return PrintSheet{model.chart(), model.style(), model.host().swatches()};
}

bool writeChartPdf(chart::Form7Model& model, const QString& path, QString* error, const QPageLayout& layout) {
    return writeSheetPdf(path, sheetOf(model), chart::JobControl{}, layout, error) == PrintOutcome::Printed;
}

PrintJob::PrintJob(chart::Form7Model& model, MessageSink& messages) : m_model(model), m_messages(messages) {}

void PrintJob::begin() {
    m_model.setPrinting(true);
    // Closing the window clears the flag, which cancels the page at the next symbol.
    m_model.genRunningFlag() = true;
    m_model.host().setMainControlsEnabled(false);
    m_model.setBusy(true);
}

// The model is no longer printing when the window hears of the last changes.
void PrintJob::finish(PrintOutcome outcome, bool toPrinter) {
    m_model.setPrinting(false);
    m_model.host().setMainControlsEnabled(true);
    if (toPrinter && outcome == PrintOutcome::Printed) {
        m_model.setStatus(kStatusPrinting, true);
        m_model.setPrinted();
    } else if (toPrinter && outcome == PrintOutcome::Aborted) {
        m_model.setReadyToPrint();
    } else if (!toPrinter && outcome == PrintOutcome::Printed) {
        m_model.setStatus(m_model.label1Text(), false);
    }
    m_model.setBusy(false);
}

PrintOutcome PrintJob::printOnDefaultPrinter() {
    if (running()) return PrintOutcome::Busy;
    QPrinter printer(QPrinter::HighResolution);
    return print(printer);
}

PrintOutcome PrintJob::toPrinter(const Output& output) {
    if (running()) return PrintOutcome::Busy;
    begin();
    const TaskDelegate task = m_model.windowTask(m_events);
    const PrintOutcome outcome = output(chart::JobControl{&task, &m_model.genRunningFlag()}, nullptr);
    finish(outcome, true);
    if (outcome == PrintOutcome::Failed) m_messages.showMessage(kPrintFailedText, kPrintFailedTitle);
    return outcome;
}

PrintOutcome PrintJob::toFile(const QString& path, const Output& output) {
    if (running()) return PrintOutcome::Busy;
    begin();
    const TaskDelegate task = m_model.windowTask(m_events);
    QString error;
    const PrintOutcome outcome = output(chart::JobControl{&task, &m_model.genRunningFlag()}, &error);
    finish(outcome, false);
    const QString shown = QDir::toNativeSeparators(path);
    if (outcome == PrintOutcome::Failed)
        m_messages.showMessage((pav::uiText(kPdfFailedText) + shown + "\n" + pav::fileErrorText(error)).toStdString(), kPdfFailedTitle,
                               MessageIcon::Warning);
    else if (outcome == PrintOutcome::Printed)
        m_messages.showMessage((pav::uiText(kPdfSavedText) + shown).toStdString(), kPdfSavedTitle);
    return outcome;
}

bool PrintJob::printerAvailable() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) return true;
    m_messages.showMessage(kNoPrinterText, kPrintFailedTitle);
    return false;
}

PrintOutcome PrintJob::print(QPrinter& printer) {
    // Printed to a file, the sheet is written as "导出PDF" writes it, on the dialog's paper.
    if (const QString file = pdfFileOf(printer); !file.isEmpty()) return exportPdf(file, printer.pageLayout());
    return toPrinter([&](const chart::JobControl& job, QString*) { return printSheet(printer, sheetOf(m_model), job); });
}

PrintOutcome PrintJob::exportPdf(const QString& path, const QPageLayout& layout) {
    return toFile(path, [&](const chart::JobControl& job, QString* error) {
        return writeSheetPdf(path, sheetOf(m_model), job, layout, error);
    });
}

PrintOutcome PrintJob::printPattern(QPrinter& printer, const pattern::PatternOptions& options) {
    if (const QString file = pdfFileOf(printer); !file.isEmpty()) return exportPattern(file, options);
    return toPrinter([&](const chart::JobControl& job, QString*) {
        return pattern::printPattern(printer, m_model.chart(), options, job);
    });
}

PrintOutcome PrintJob::exportPattern(const QString& path, const pattern::PatternOptions& options) {
    return toFile(path, [&](const chart::JobControl& job, QString* error) {
        return pattern::writePatternPdf(m_model.chart(), options, path, error, job);
    });
}

} // namespace pav::print
