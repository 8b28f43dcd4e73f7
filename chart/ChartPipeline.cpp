#include "chart/ChartPipeline.h"

#include "chart/BestThreadsStep.h"
#include "chart/ChartRenderer.h"
#include "chart/StitchGrid.h"

namespace pav::chart {

colour::ChartQuality MadeChart::quality() const {
    return chartQuality(stitchGrid(before, chart.width(), chart.height()), chart);
}

bool reduceFabricStitches(colour::RgbGrid& stitches, const ChartRecipe& recipe, const TaskDelegate& task) {
    const FabricSize fabric = recipe.fabric;
    if (recipe.colours.usesBestThreads()) {
        reduceStitchesToBestThreads(stitches, fabric.paintedWidth(), fabric.paintedHeight(), recipe.colours);
        return true;
    }
    const Reduction& reduction = recipe.reduction;
    if (reduction.kind == ReductionKind::MostFrequent) {
        reduceToMostFrequent(stitches, fabric.width, static_cast<int>(fabric.height), reduction.colours, task);
    } else if (reduction.kind == ReductionKind::Dithered) {
        image::ClsDIB picture, reduced;
        if (!makeStitchPicture(stitches, fabric, picture) || !reduceStitchPicture(picture, reduction, reduced))
            return false;
        readReducedStitches(stitches, reduced, fabric);
    }
    return true;
}

ChartRequest chartRequestOf(const ChartRecipe& recipe) {
    ChartRequest request;
    request.title = chartTitle(recipe.title).toStdString();
    request.rangeName = chartRange(recipe.rangeName);
    request.threshold = recipe.threshold;
    request.matcher = &palette::rangeMatcher(request.rangeName, recipe.colours.criterion, recipe.colours.allowSpecialty);
    return request;
}

MadeChart makeChartFromStitches(colour::RgbGrid stitches, const ChartRecipe& recipe, const TaskDelegate& task) {
    MadeChart made;
    made.before = stitches;
    if (!reduceFabricStitches(stitches, recipe, task)) {
        made.outOfMemory = true;
        made.error = ChartError::Aborted;
        return made;
    }
    made.after = std::move(stitches);
    const int width = chartSide(recipe.fabric.width), height = chartSide(recipe.fabric.height);
    ChartResult result = makeChart(stitchGrid(made.after, width, height), chartRequestOf(recipe), task);
    made.error = result.error;
    made.chart = std::move(result.chart);
    return made;
}

MadeChart makeChartFromPicture(const image::SourcePicture& picture, const ChartRecipe& recipe,
                               const TaskDelegate& task) {
    return makeChartFromStitches(fabricStitches(picture, recipe.fabric), recipe, task);
}

} // namespace pav::chart
