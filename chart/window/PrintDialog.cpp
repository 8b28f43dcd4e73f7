#include "chart/window/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace pav::print {

std::optional<PrintOutcome> printFromDialog(QWidget* parent, PrintJob& job) {
    if (job.running()) return PrintOutcome::Busy;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    // One page: a range of pages or the current page means nothing here.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return job.print(printer);
}

} // namespace pav::print
