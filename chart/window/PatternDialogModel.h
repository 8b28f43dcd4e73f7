#pragma once
// The pattern dialog without widgets: the layout chosen ("分页图样" or "单页"),
// the pattern's options, and what they give: the page count, the finished size
// and a preview of the first chart page.

#include "chart/Chart.h"
#include "chart/pattern/PatternLayout.h"

#include <QImage>

#include <optional>
#include <QString>

namespace pav::chart {

enum class OutputLayout { Pattern, Sheet };

class PatternDialogModel {
public:
    PatternDialogModel(const Chart& chart, OutputLayout layout) : m_chart(chart), m_layout(layout) {}

    OutputLayout layout() const { return m_layout; }
    void setLayout(OutputLayout layout) { m_layout = layout; }
    const pattern::PatternOptions& options() const { return m_options; }
    // Values out of range are brought into it.
    void setOptions(const pattern::PatternOptions& options);

    pattern::PatternLayout patternLayout() const;
    int pageCount() const;
    // The summary line the dialog shows under its options.
    QString summary() const;
    // The page of the pattern shown in the preview (from 1), the first chart page at
    // first; kept within the pages when the options change their count.
    int previewPage() const;
    void showPage(int page) { m_previewPage = page; }
    void nextPage() { m_previewPage = previewPage() + 1; }
    void previousPage() { m_previewPage = previewPage() - 1; }
    // The line over the preview: the page shown and the page count.
    QString previewCaption() const;
    // The page shown, widthPx wide; a null image for "单页".
    QImage preview(int widthPx) const;
    // A slightly smaller cell that saves chart pages, and its line; none for "单页".
    std::optional<pattern::CellOffer> cellOffer() const;
    QString cellOfferText() const;
    // The share of isolated stitches when it is more than a pattern should have,
    // and the line that says so; none (an empty line) otherwise.
    std::optional<double> manyIsolated() const;
    QString isolatedText() const;

    // Whether the box takes a typed cell size, and the allowed range as the user reads it.
    static bool cellSizeAllowed(double mm);
    static QString cellRangeText();

private:
    const Chart& m_chart;
    OutputLayout m_layout;
    pattern::PatternOptions m_options;
    int m_previewPage = 2; // the first chart page, after the cover
};

} // namespace pav::chart
