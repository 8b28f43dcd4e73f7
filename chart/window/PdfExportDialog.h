#pragma once
// The "导出PDF" button of the chart window: asks where to write the page, then
// writes it through the print job.

#include "chart/window/PrintJob.h"

#include <optional>

class QWidget;

namespace pav::print {

// Asks for a file name (the chart's title in the program's folder at first, the
// ".pdf" ending added when left out) and exports the page there. Nothing when
// the dialog was cancelled or no generation has completed; Busy, with no
// dialog, while a job runs.
std::optional<PrintOutcome> exportPdfFromDialog(QWidget* parent, PrintJob& job);

} // namespace pav::print
