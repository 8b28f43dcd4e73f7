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
    // The first chart page of the pattern, widthPx wide; a null image for "单页".
    QImage preview(int widthPx) const;
    // A slightly smaller cell that saves chart pages, and its line; none for "单页".
    std::optional<pattern::CellOffer> cellOffer() const;
    QString cellOfferText() const;
    // The share of isolated stitches when it is more than a pattern should have,
    // and the line that says so; none (an empty line) otherwise.
    std::optional<double> manyIsolated() const;
    QString isolatedText() const;

private:
    const Chart& m_chart;
    OutputLayout m_layout;
    pattern::PatternOptions m_options;
};

} // namespace pav::chart
