#pragma once
// Everything that decides how a picture becomes a chart, as one value: the
// fabric, the reduction, the colour choice (best N threads with dither and
// cleanup, the matching rule), the thread range, the ignore threshold, the
// title and the style. The command line fills it from its options; the windows
// from their settings.

#include "chart/Chart.h"
#include "chart/ColourChoice.h"
#include "chart/Fabric.h"

#include <string>

namespace pav::chart {

struct ChartRecipe {
    FabricSize fabric;               // the picture stretched onto it in whole mode
    Reduction reduction;             // a dithered mode, the N most frequent colours, or none
    ColourChoice colours;            // best N threads (in the reduction's place), dither, cleanup, matching rule
    std::string rangeName = "DMC";   // "DMC" matches threads; any other name keeps the stitch colours
    int threshold = 20;              // the ignore threshold
    std::string title;               // empty: the sheet's own title
    ChartStyle style = ChartStyle::SymbolsOnly;

    // The legend's swatches: grey after a grey dither, unless the best threads replaced it.
    Swatches swatches() const {
        const bool grey = reduction.kind == ReductionKind::Dithered &&
                          (reduction.mode == image::ReductionMode::FourGreys ||
                           reduction.mode == image::ReductionMode::SixteenGreys);
        return grey && !colours.usesBestThreads() ? Swatches::Grey : Swatches::ThreadColours;
    }
};

} // namespace pav::chart
