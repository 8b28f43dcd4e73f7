#include "chart/print/SheetOutput.h"

#include "base/SafeFile.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace pav::print {
namespace {


bool usablePage(const QPagedPaintDevice& device) {
    const PaperSize page = paperSize(device);
    return page.width > 0 && page.height > 0;
}

void setReason(QString* error, const QString& reason) {
    if (error) *error = reason;
}

} // namespace

bool drawAsPrinted(const QPrinter& printer, const std::function<bool(QPainter&, QPagedPaintDevice&)>& draw) {
    QBuffer memory;
    memory.open(QIODevice::WriteOnly);
    QPdfWriter draft(&memory);
    draft.setResolution(printer.resolution());
    draft.setPageLayout(printer.pageLayout());
    QPainter painter(&draft);
    return draw(painter, draft);
}

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
    const auto page = [&](QPainter& painter, QPagedPaintDevice& draft) {
        return printChartPage(painter, draft, sheet, job) == PageResult::Drawn;
    };
    if (!drawAsPrinted(printer, page)) return PrintOutcome::Aborted;

    printer.setDocName(chart::chartTitle(sheet.chart.title));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::Failed;
    TaskDelegate yieldOnly;
    if (job.task) yieldOnly.yield = job.task->yield;
    printChartPage(painter, printer, sheet, chart::JobControl{&yieldOnly, nullptr});
    if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

// The document is made whole in memory and checked there; only then does it
// replace the file, through the one writer that checks every write and the
// flush to disk, so a full disk never leaves a PDF no reader can open.
PrintOutcome makeSheetPdf(const PrintSheet& sheet, const chart::JobControl& job, const QPageLayout& layout,
                          QByteArray& document, QString* error) {
    document.clear();
    QBuffer memory(&document);
    memory.open(QIODevice::WriteOnly);
    PageResult page = PageResult::Drawn;
    {
        QPdfWriter writer(&memory);
        writer.setTitle(chart::chartTitle(sheet.chart.title));
        writer.setCreator(QStringLiteral("Pavlenta"));
        QPainter painter;
        if (!writer.setPageLayout(layout) || !usablePage(writer) || !painter.begin(&writer)) {
            setReason(error, QStringLiteral("page layout not usable"));
            return PrintOutcome::Failed;
        }
        page = printChartPage(painter, writer, sheet, job);
        if (!painter.end() && page != PageResult::Aborted) {
            setReason(error, QStringLiteral("cannot finish the PDF document"));
            return PrintOutcome::Failed;
        }
    }
    return page == PageResult::Aborted ? PrintOutcome::Aborted : PrintOutcome::Printed;
}

// The document is made whole in memory and checked there; only then does it
// replace the file, through the one writer that checks every write and the
// flush to disk, so a full disk never leaves a PDF no reader can open.
PrintOutcome writeSheetPdf(const QString& path, const PrintSheet& sheet, const chart::JobControl& job,
                           const QPageLayout& layout, QString* error) {
    QByteArray document;
    const PrintOutcome made = makeSheetPdf(sheet, job, layout, document, error);
    if (made != PrintOutcome::Printed) return made;
    QString reason;
    if (!writeFileSafely(path, document, &reason)) {
        setReason(error, reason);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

QString withPdfSuffix(const QString& path) {
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf");
}

} // namespace pav::print
