#pragma once
// The one road from a picture to a chart: the fabric's stitches, the reduction
// (best N threads, a dithered mode or the N most frequent colours), then the
// colour index. Every step reports through one TaskDelegate, whose keepGoing
// answer aborts. Nothing here touches an event loop.

#include "base/TaskDelegate.h"
#include "chart/ChartFromIndex.h"
#include "chart/ChartRecipe.h"
#include "colour/ChartQuality.h"
#include "colour/RgbGrid.h"
#include "image/SourcePicture.h"

namespace pav::chart {

struct MadeChart {
    ChartError error = ChartError::None;
    bool outOfMemory = false;   // a stitch picture could not be made for the reduction
    Chart chart;
    colour::RgbGrid before;     // the fabric's stitches before the reduction (what "tmppicv.bmp" shows)
    colour::RgbGrid after;      // and after it (the effect)
    // The chart's quality figures against the stitches before the reduction.
    colour::ChartQuality quality() const;
};

// Reduces the fabric's stitches in place as the recipe says; false when out of memory.
bool reduceFabricStitches(colour::RgbGrid& stitches, const ChartRecipe& recipe, const TaskDelegate& task);

// The request the colour index runs with: title, range, threshold and matching rule of the recipe.
ChartRequest chartRequestOf(const ChartRecipe& recipe);

// The chart of a fabric's stitches: reduced, then charted over the chart's size.
MadeChart makeChartFromStitches(colour::RgbGrid stitches, const ChartRecipe& recipe, const TaskDelegate& task);

// The chart of a picture on the recipe's fabric.
MadeChart makeChartFromPicture(const image::SourcePicture& picture, const ChartRecipe& recipe,
                               const TaskDelegate& task);

} // namespace pav::chart
