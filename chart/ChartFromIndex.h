#pragma once
// The step from stitch colours to a chart: the colour index matches every
// stitch to a thread and counts them, and the result is a Chart value.

#include "base/TaskDelegate.h"
#include "chart/Chart.h"
#include "colour/RgbGrid.h"
#include "palette/ColorIndex.h"
#include "palette/ColourMatcher.h"
#include "palette/SymbolSet.h"

#include <string>

namespace pav::chart {

struct ChartRequest {
    std::string title;
    std::string rangeName = "DMC"; // "DMC" matches threads; any other name keeps the stitch colours
    int threshold = 0;             // the ignore threshold: threads with fewer stitches give theirs to a listed one
    const palette::ColourMatcher* matcher = nullptr; // none: the RGB rule over DMC
};

enum class ChartError {
    None,
    TooManyColours, // the 501st distinct stitch colour
    TooManySymbols, // a thread on the sheet lies past the symbol set
    Aborted         // the task asked to stop
};

struct ChartResult {
    Chart chart;
    ChartError error = ChartError::None;
};

// The chart of stitches (one RGB value per cell; white is a white stitch). The
// task carries the colour index's hooks: events, progress, status lines and the
// abort question. Every symbol of the sheet has a legend entry: the stitches of
// a thread under the threshold go to the nearest listed thread
// (foldUnlistedThreads), and when no thread reaches the threshold every thread is listed.
ChartResult makeChart(const colour::RgbGrid& stitches, const ChartRequest& request, const TaskDelegate& task);

// The chart that a completed colour index of stitches describes.
Chart chartFromColourIndex(const palette::ColourIndex& index, const colour::RgbGrid& stitches,
                           const std::string& rangeName, const palette::SymbolSet& symbols);

// Gives each stitch of an unlisted thread the listed thread nearest to its
// thread's colour by criterion (lowest position on a tie), then recounts.
// Unlisted threads stay in the list with no stitch, so the listed ones keep
// their positions and symbols; blocks keep their stitch colours. Nothing
// changes when every thread, or none, is listed.
void foldUnlistedThreads(Chart& chart, palette::FitCriterion criterion);

} // namespace pav::chart
