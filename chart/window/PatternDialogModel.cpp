#include "chart/window/PatternDialogModel.h"

#include "chart/pattern/PatternChart.h"
#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternPages.h"
#include "chart/window/PatternDialogTexts.h"
#include "base/UiText.h"

#include <algorithm>
#include <cmath>

namespace pav::chart {

void PatternDialogModel::setOptions(const pattern::PatternOptions& options) {
    m_options = options;
    m_options.cellMm = std::clamp(std::isfinite(options.cellMm) ? options.cellMm : pattern::kCellDefaultMm,
                                  pattern::kCellMinMm, pattern::kCellMaxMm);
    m_options.overlap = std::clamp(options.overlap, 0, pattern::kOverlapMax);
    m_options.strands = std::clamp(options.strands, pattern::kStrandsMin, pattern::kStrandsMax);
    if (!pattern::isFabricCount(options.fabricCount)) m_options.fabricCount = pattern::kFabricCountDefault;
}

pattern::PatternLayout PatternDialogModel::patternLayout() const {
    return pattern::layOutPattern(m_chart, m_options);
}

int PatternDialogModel::pageCount() const {
    return m_layout == OutputLayout::Sheet ? 1 : patternLayout().totalPages();
}

QString PatternDialogModel::summary() const {
    if (m_layout == OutputLayout::Sheet) return pav::uiText(texts::kSheetSummary);
    const pattern::PatternLayout layout = patternLayout();
    const pattern::FinishedSize size = pattern::finishedSize(m_chart.width(), m_chart.height(), m_options.fabricCount);
    const auto one = [](double value) { return QString::number(value, 'f', 1); };
    return pav::uiText(texts::kPatternSummary)
        .arg(layout.totalPages())
        .arg(layout.chartPages.size())
        .arg(one(size.widthCm), one(size.heightCm), one(size.widthIn), one(size.heightIn));
}

int PatternDialogModel::previewPage() const {
    return std::clamp(m_previewPage, 1, std::max(1, pageCount()));
}

QString PatternDialogModel::previewCaption() const {
    return pav::uiText(texts::kPreviewLabel).arg(previewPage()).arg(pageCount());
}

QImage PatternDialogModel::preview(int widthPx) const {
    if (m_layout == OutputLayout::Sheet || m_chart.width() <= 0 || m_chart.height() <= 0) return QImage();
    const pattern::PatternSource source = pattern::patternSource(m_chart, m_options);
    return pattern::renderPatternPage(source, previewPage(), widthPx);
}

bool PatternDialogModel::cellSizeAllowed(double mm) {
    return std::isfinite(mm) && mm >= pattern::kCellMinMm && mm <= pattern::kCellMaxMm;
}

QString PatternDialogModel::cellRangeText() {
    return pav::uiText(texts::kCellRange)
        .arg(QString::number(pattern::kCellMinMm, 'f', 1), QString::number(pattern::kCellMaxMm, 'f', 1));
}

std::optional<pattern::CellOffer> PatternDialogModel::cellOffer() const {
    if (m_layout == OutputLayout::Sheet) return std::nullopt;
    return pattern::fewerPagesCell(m_chart.width(), m_chart.height(), 1, m_options);
}

QString PatternDialogModel::cellOfferText() const {
    const auto offer = cellOffer();
    if (!offer) return QString();
    return pav::uiText(texts::kCellOffer).arg(QString::number(offer->cellMm, 'f', 1)).arg(offer->chartPages);
}

std::optional<double> PatternDialogModel::manyIsolated() const {
    const double share = pattern::isolatedStitchShare(m_chart);
    if (share <= pattern::kManyIsolated) return std::nullopt;
    return share;
}

QString PatternDialogModel::isolatedText() const {
    const auto share = manyIsolated();
    if (!share) return QString();
    return pav::uiText(texts::kManyIsolated).arg(QString::number(100 * *share, 'f', 1));
}

} // namespace pav::chart
