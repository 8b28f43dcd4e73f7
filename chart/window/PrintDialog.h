#pragma once
// The print button of the chart window: the platform's print dialog first
// (printer, copies, pages), then the job on the printer chosen there.

#include "chart/window/PrintJob.h"

#include <optional>

class QWidget;

namespace pav::print {

// Nothing when the dialog was cancelled; Busy, with no dialog, while a job runs.
// No page reaches a printer without the user's choice in the dialog.
std::optional<PrintOutcome> printFromDialog(QWidget* parent, PrintJob& job);

} // namespace pav::print
