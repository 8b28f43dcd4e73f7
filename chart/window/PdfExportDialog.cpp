#include "chart/window/PdfExportDialog.h"

#include <QFileDialog>

#include "base/UiText.h"
#include "chart/window/ChartWindowTexts.h"

namespace pav::print {

std::optional<PrintOutcome> exportPdfFromDialog(QWidget* parent, PrintJob& job) {
    if (job.running()) return PrintOutcome::Busy;
    // Like printing, only a completed generation can be exported.
    if (!job.model().exportEnabled()) return std::nullopt;
    const QString chosen = QFileDialog::getSaveFileName(
        parent, pav::uiText(chart::texts::kExportPdf), suggestedPdfPath(job.model()), QStringLiteral("PDF (*.pdf)"));
    if (chosen.isEmpty()) return std::nullopt;
    return job.exportPdf(withPdfSuffix(chosen));
}

} // namespace pav::print
