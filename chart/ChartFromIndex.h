#pragma once
// The step from stitch colours to a chart: the colour index matches every
// stitch to a thread and counts them, and the result becomes a Chart value.

#include "base/TaskDelegate.h"
#include "chart/Chart.h"
#include "palette/ColourMatcher.h"
#include "palette/ProgramState.h"
#include "palette/SymbolSet.h"

#include <string>

namespace pav::chart {

struct ChartRequest {
    int width = 0;  // chart area 0 <= x < width, 0 <= y < height of the stitch colour matrix
    int height = 0;
    std::string title;
    std::string rangeName = "DMC"; // "DMC" matches threads; any other name keeps the stitch colours
    int threshold = 0;             // the ignore threshold: threads with fewer stitches give theirs to a listed one
    const palette::ColourMatcher* matcher = nullptr; // none: the RGB rule over DMC
};

enum class ChartError {
    None,
    TooManyColours, // the 501st distinct stitch colour
    TooManySymbols, // a thread on the sheet lies past the symbol set; *running is cleared
    Aborted         // *running was seen false
};

struct ChartResult {
    Chart chart;
    ChartError error = ChartError::None;
};

// Runs the colour index over state.colors and builds the chart from it. The
// colour index writes the program-wide stitch index matrix, colour list and
// legend list as the windows expect them. task and running are the colour
// index's own hooks (events, progress, status, the abort flag); running may be null.
// Every symbol of the sheet has a legend entry: the stitches of a thread under
// the threshold go to the nearest listed thread (foldUnlistedThreads), and when
// no thread reaches the threshold every thread is listed.
ChartResult makeChart(palette::ProgramState& state, const ChartRequest& request, const TaskDelegate& task,
                      bool* running);

// The chart that a completed colour index over width x height describes.
Chart chartFromColourIndex(const palette::ProgramState& state, int width, int height,
                           const std::string& rangeName, const palette::SymbolSet& symbols);

// Gives each stitch of an unlisted thread the listed thread nearest to its
// thread's colour by criterion (lowest colour-list position on a tie), then
// recounts. Unlisted threads stay in the list with no stitch, so the listed
// ones keep their positions and symbols; blocks keep their stitch colours. The
// program-wide index matrix and legend quantities are rewritten to match, so
// the colour editor sees the stitches the sheet shows. Nothing changes when
// every thread, or none, is listed.
void foldUnlistedThreads(Chart& chart, palette::ProgramState& state, palette::FitCriterion criterion);

} // namespace pav::chart
