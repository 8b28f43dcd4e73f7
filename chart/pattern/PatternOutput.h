#pragma once
// A pattern as a PDF file or on a printer, for the chart window and the command
// line alike: the layout for the chart, then every page drawn by PatternPages.

#include "chart/Chart.h"
#include "chart/ChartRenderer.h"
#include "chart/pattern/PatternLayout.h"
#include "chart/pattern/PatternPages.h"
#include "chart/print/SheetOutput.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace pav::pattern {

// The page a pattern is laid out for: its paper and orientation with 12 mm margins.
QPageLayout pageLayoutOf(const PatternLayout& layout);

// Pages from..to (1-based, inclusive) on an active painter of device, whose page
// layout is pageLayoutOf(source.layout); a new page is begun before every page
// but the first. The job's progress counts pages; its abort flag is checked at
// every stitch. False when stopped.
bool drawPatternPages(QPainter& painter, QPagedPaintDevice& device, const PatternSource& source, int from, int to,
                      const chart::JobControl& job = {});

// Page `page` (1-based) of the pattern as a picture widthPx wide, the paper's margins included: a preview.
QImage renderPatternPage(const PatternSource& source, int page, int widthPx);

// The pattern as the bytes of a PDF document, for a caller that writes several
// files together. Failed, with the reason in *error, for unusable options or an
// empty chart; Aborted when the job's abort flag stopped it.
print::PrintOutcome makePatternPdf(const chart::Chart& chart, const PatternOptions& options, QByteArray& pdf,
                                   QString* error = nullptr, const chart::JobControl& job = {});

// The pattern as a PDF file. The file appears under path only when complete
// (writeFileSafely: written beside it, flushed and renamed); on a failure or an
// abort an earlier file of that name stays as it was. Failed, with the reason
// in *error, for unusable options, an empty chart or a file that cannot be written.
print::PrintOutcome writePatternPdf(const chart::Chart& chart, const PatternOptions& options, const QString& path,
                                    QString* error = nullptr, const chart::JobControl& job = {});

// The pattern on a printer, in the page range it was given (by its print dialog)
// or whole. Every page is first drawn into memory with the job's abort checks,
// since a begun CUPS document cannot be cancelled; only then is it sent. The
// printer takes the pattern's paper and orientation.
print::PrintOutcome printPattern(QPrinter& printer, const chart::Chart& chart, const PatternOptions& options,
                                 const chart::JobControl& job = {});

} // namespace pav::pattern
