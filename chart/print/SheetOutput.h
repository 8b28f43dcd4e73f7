#pragma once
// The one-page sheet on a printer or in a PDF file, for the chart window's print
// job and the command line alike.

#include "chart/print/PrintPage.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;

namespace pav::print {

enum class PrintOutcome {
    Printed, // the page went to the printer or the file is complete
    Aborted, // the abort flag was cleared (the window closed): the document was cancelled
    Failed,  // no printer, or a printer or file operation failed; nothing was sent or written
    Busy     // a job was already running: the request was ignored
};

inline constexpr const char* kPrintFailedText = "    打印异常，请确认您的打印机已经就绪。     ";
inline constexpr const char* kPrintFailedTitle = "Korvane ";

// A4 portrait with 5 mm margins: a 200 x 287 mm printable area.
QPageLayout defaultPdfLayout();

// Whether printer names an installed queue that is not in an error state.
bool printerReady(const QPrinter& printer);

// Draws into a discarded PDF at the printer's page layout and resolution, as
// the printer would get it: what a job draws before it sends anything, since a
// begun CUPS document cannot be cancelled. What draw returns.
bool drawAsPrinted(const QPrinter& printer, const std::function<bool(QPainter&, QPagedPaintDevice&)>& draw);

// The page on printer. Nothing reaches the printer when the abort flag stops
// the job; Failed when the printer is not ready or refuses.
PrintOutcome printSheet(QPrinter& printer, const PrintSheet& sheet, const chart::JobControl& job);

// The page as the bytes of a one-page PDF document, made in memory.
PrintOutcome makeSheetPdf(const PrintSheet& sheet, const chart::JobControl& job, const QPageLayout& layout,
                          QByteArray& document, QString* error = nullptr);

// The page as a one-page PDF. The file appears under path only when complete:
// it is written under a temporary name beside it and renamed; on failure or an
// abort any earlier file of that name stays as it was.
PrintOutcome writeSheetPdf(const QString& path, const PrintSheet& sheet, const chart::JobControl& job,
                           const QPageLayout& layout = defaultPdfLayout(), QString* error = nullptr);

// A name typed without the ".pdf" ending gets it.
QString withPdfSuffix(const QString& path);

} // namespace pav::print
