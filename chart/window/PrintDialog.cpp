#include "chart/window/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

#include "base/UiText.h"
#include "chart/window/ChartWindowTexts.h"

namespace pav::print {

std::optional<PrintOutcome> printFromDialog(QWidget* parent, PrintJob& job) {
    if (job.running()) return PrintOutcome::Busy;
    if (!job.printerAvailable()) return PrintOutcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(pav::uiText(chart::texts::kPrintCaption));
    // One page: a range of pages or the current page means nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return job.print(printer);
}

} // namespace pav::print
