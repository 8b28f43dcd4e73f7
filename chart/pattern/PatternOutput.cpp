#include "chart/pattern/PatternOutput.h"

#include "base/SafeFile.h"

#include "chart/pattern/PatternPages.h"
#include "chart/print/PrintPage.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace pav::pattern {
namespace {

void setReason(QString* error, const QString& reason) {
    if (error) *error = reason;
}

// What is wrong with making a pattern of chart with options, or nothing.
QString patternProblem(const chart::Chart& chart, const PatternOptions& options) {
    if (const std::string problem = optionsProblem(options); !problem.empty()) return QString::fromStdString(problem);
    if (chart.width() <= 0 || chart.height() <= 0) return QStringLiteral("the chart is empty");
    return QString();
}

// A job's hooks for the pages inside it: events and the abort flag, but its
// progress counts pages, not the renderer's rows.
TaskDelegate eventsOnly(const chart::JobControl& job) {
    TaskDelegate inner;
    if (job.task) inner.yield = job.task->yield;
    return inner;
}

} // namespace

QPageLayout pageLayoutOf(const PatternLayout& layout) {
    const QPageSize named = layout.options.paper == Paper::A4       ? QPageSize(QPageSize::A4)
                            : layout.options.paper == Paper::Letter ? QPageSize(QPageSize::Letter)
                                                                    : QPageSize(QPageSize::A3);
    return QPageLayout(named,
                       layout.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

bool drawPatternPages(QPainter& painter, QPagedPaintDevice& device, const PatternSource& source, int from, int to,
                      const chart::JobControl& job) {
    const double d = print::dotsPerMm(device);
    const TaskDelegate inner = eventsOnly(job);
    const chart::JobControl pageJob{&inner, job.running};
    const int pages = to - from + 1;
    job.progress(0, pages);
    for (int page = from; page <= to; ++page) {
        if (page > from && !device.newPage()) return false;
        if (!drawPatternPage(painter, d, source, page, pageJob)) return false;
        if (!job.carryOn()) return false;
        job.progress(page - from + 1, pages);
    }
    return true;
}

QImage renderPatternPage(const PatternSource& source, int page, int widthPx) {
    const PatternLayout& layout = source.layout;
    const double d = widthPx / layout.paper.width;
    QImage picture(std::max(1, widthPx), std::max(1, static_cast<int>(std::lround(layout.paper.height * d))),
                   QImage::Format_RGB32);
    // The fonts are sized in points: the picture's resolution makes them the paper's size.
    picture.setDotsPerMeterX(static_cast<int>(std::lround(d * 1000)));
    picture.setDotsPerMeterY(static_cast<int>(std::lround(d * 1000)));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(layout.printable.x() * d, layout.printable.y() * d);
    drawPatternPage(painter, d, source, page);
    return picture;
}

print::PrintOutcome makePatternPdf(const chart::Chart& chart, const PatternOptions& options, QByteArray& pdf,
                                   QString* error, const chart::JobControl& job) {
    if (const QString problem = patternProblem(chart, options); !problem.isEmpty()) {
        setReason(error, problem);
        return print::PrintOutcome::Failed;
    }
    const PatternSource source = patternSource(chart, options);
    const PatternLayout& layout = source.layout;
    QByteArray document;
    QBuffer memory(&document);
    memory.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&memory);
        writer.setTitle(chart::chartTitle(chart.title));
        writer.setCreator(QStringLiteral("Pavlenta"));
        QPainter painter;
        if (!writer.setPageLayout(pageLayoutOf(layout)) || !painter.begin(&writer)) {
            setReason(error, QStringLiteral("page layout not usable"));
            return print::PrintOutcome::Failed;
        }
        drawn = drawPatternPages(painter, writer, source, 1, layout.totalPages(), job);
        if (!painter.end() && drawn) {
            setReason(error, QStringLiteral("cannot finish the PDF document"));
            return print::PrintOutcome::Failed;
        }
    }
    if (!drawn) return print::PrintOutcome::Aborted;
    pdf = std::move(document);
    return print::PrintOutcome::Printed;
}

// The document is made whole in memory; only then does it replace the file,
// through the one writer that checks every write and the flush to disk.
print::PrintOutcome writePatternPdf(const chart::Chart& chart, const PatternOptions& options, const QString& path,
                                    QString* error, const chart::JobControl& job) {
    QByteArray document;
    const print::PrintOutcome made = makePatternPdf(chart, options, document, error, job);
    if (made != print::PrintOutcome::Printed) return made;
    QString reason;
    if (!writeFileSafely(path, document, &reason)) {
        setReason(error, reason);
        return print::PrintOutcome::Failed;
    }
    return print::PrintOutcome::Printed;
}

print::PrintOutcome printPattern(QPrinter& printer, const chart::Chart& chart, const PatternOptions& options,
                                 const chart::JobControl& job) {
    if (!patternProblem(chart, options).isEmpty() || !print::printerReady(printer)) return print::PrintOutcome::Failed;
    const PatternSource source = patternSource(chart, options);
    const PatternLayout& layout = source.layout;
    if (!printer.setPageLayout(pageLayoutOf(layout))) return print::PrintOutcome::Failed;
    int from = 1, to = layout.totalPages();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::clamp(printer.fromPage(), 1, to);
        to = std::clamp(printer.toPage() > 0 ? printer.toPage() : to, from, to);
    }
    const auto pages = [&](QPainter& painter, QPagedPaintDevice& draft) {
        return drawPatternPages(painter, draft, source, from, to, job);
    };
    if (!print::drawAsPrinted(printer, pages)) return print::PrintOutcome::Aborted;
    printer.setDocName(chart::chartTitle(chart.title));
    QPainter painter;
    if (!painter.begin(&printer)) return print::PrintOutcome::Failed;
    const TaskDelegate inner = eventsOnly(job);
    drawPatternPages(painter, printer, source, from, to, chart::JobControl{&inner, nullptr});
    if (!painter.end() || printer.printerState() == QPrinter::Error) return print::PrintOutcome::Failed;
    return print::PrintOutcome::Printed;
}

} // namespace pav::pattern
