#include "chart/print/PrintJob.h"

#include "chart/ChartSaver.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace pav::print {
namespace {

const char* const kPdfFailedText = "  PDF文件没有保存：";
const char* const kPdfFailedTitle = "Korvane";
const char* const kPdfSavedText = "  PDF文件保存成功在";
const char* const kPdfSavedTitle = "Korvane,make life fun!";

bool usablePage(const QPagedPaintDevice& device) {
    const PaperSize page = paperSize(device);
    return page.width > 0 && page.height > 0;
}

void setReason(QString* error, const QString& reason) {
    if (error) *error = reason;
}

// The page drawn as the printer will get it, into a discarded PDF; false when
// the abort flag stopped it.
bool drawInMemory(const QPrinter& printer, const PrintSheet& sheet, const chart::JobControl& job) {
    QBuffer memory;
    memory.open(QIODevice::WriteOnly);
    QPdfWriter draft(&memory);
    draft.setResolution(printer.resolution());
    draft.setPageLayout(printer.pageLayout());
    QPainter painter(&draft);
    return printChartPage(painter, draft, sheet, job) == PageResult::Drawn;
}

} // namespace

QPageLayout defaultPdfLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

bool printerReady(const QPrinter& printer) {
    // With no queue at all Qt falls back to writing a PDF file: that is no printer.
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty()) return false;
    const QPrinterInfo queue = QPrinterInfo::printerInfo(printer.printerName());
    return !queue.isNull() && queue.state() != QPrinter::Error;
}

// Qt's CUPS printer cannot cancel a begun document: QPrinter::abort does
// nothing there and ending the painter sends the page. So the page is drawn
// first, with the job's status, progress and abort checks, into memory at the
// printer's page layout and resolution; only a complete page is then drawn
// again on the printer (letting events run, but no longer abortable) and sent.
PrintOutcome printSheet(QPrinter& printer, const PrintSheet& sheet, const chart::JobControl& job) {
    if (!printerReady(printer) || !usablePage(printer)) return PrintOutcome::Failed;
    if (!drawInMemory(printer, sheet, job)) return PrintOutcome::Aborted;

    printer.setDocName(chart::chartTitle(sheet.title));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::Failed;
    TaskDelegate yieldOnly;
    if (job.task) yieldOnly.yield = job.task->yield;
    printChartPage(painter, printer, sheet, chart::JobControl{&yieldOnly, nullptr});
    if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

PrintOutcome writeSheetPdf(const QString& path, const PrintSheet& sheet, const chart::JobControl& job,
                           const QPageLayout& layout, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setReason(error, file.errorString());
        return PrintOutcome::Failed;
    }
    QPdfWriter writer(&file);
    writer.setTitle(chart::chartTitle(sheet.title));
    writer.setCreator(QStringLiteral("Pavlenta"));
    QPainter painter;
    if (!writer.setPageLayout(layout) || !usablePage(writer) || !painter.begin(&writer)) {
        file.cancelWriting();
        setReason(error, QStringLiteral("page layout not usable"));
        return PrintOutcome::Failed;
    }
    const PageResult page = printChartPage(painter, writer, sheet, job);
    painter.end();
    if (page == PageResult::Aborted) {
        file.cancelWriting();
        return PrintOutcome::Aborted;
    }
    if (!file.commit()) {
        setReason(error, file.errorString());
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

QString suggestedPdfPath(const chart::Form7Model& model) {
    QString name = chart::chartTitle(model.xiutuTitle());
    // A title is free text; characters no file name may hold become "_".
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    return QDir(chart::programFolder()).filePath(name + QStringLiteral(".pdf"));
}

QString withPdfSuffix(const QString& path) {
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

PrintSheet sheetOf(chart::Form7Model& model) {
    return PrintSheet{model.programState(), model.symbols(),   model.chartW(), model.chartH(),
                      model.xiutuTitle(),   model.whichType(), model.style(),  model.host().colorBit()};
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
        m_model.setCommand5Caption(kPrintedCaption);
    } else if (toPrinter && outcome == PrintOutcome::Aborted) {
        m_model.setCommand5Caption(chart::Form7Model::kPrintCaption);
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

PrintOutcome PrintJob::print(QPrinter& printer) {
    if (running()) return PrintOutcome::Busy;
    begin();
    const TaskDelegate task = m_model.windowTask(m_events);
    const PrintOutcome outcome =
        printSheet(printer, sheetOf(m_model), chart::JobControl{&task, &m_model.genRunningFlag()});
    finish(outcome, true);
    if (outcome == PrintOutcome::Failed) m_messages.showMessage(kPrintFailedText, kPrintFailedTitle);
    return outcome;
}

PrintOutcome PrintJob::exportPdf(const QString& path, const QPageLayout& layout) {
    if (running()) return PrintOutcome::Busy;
    begin();
    const TaskDelegate task = m_model.windowTask(m_events);
    QString error;
    const PrintOutcome outcome = writeSheetPdf(
        path, sheetOf(m_model), chart::JobControl{&task, &m_model.genRunningFlag()}, layout, &error);
    finish(outcome, false);
    const QString shown = QDir::toNativeSeparators(path);
    if (outcome == PrintOutcome::Failed)
        m_messages.showMessage((kPdfFailedText + shown + "\n" + error).toStdString(), kPdfFailedTitle,
                               MessageIcon::Warning);
    else if (outcome == PrintOutcome::Printed)
        m_messages.showMessage((kPdfSavedText + shown).toStdString(), kPdfSavedTitle);
    return outcome;
}

} // namespace pav::print
