#pragma once
// The chart command's options: read, checked against each other, and turned
// into the recipe of the chart they ask for.

#include "CliError.h"
#include "PatternArgs.h"

#include "chart/ChartRecipe.h"
#include "image/SourcePicture.h"

#include <optional>
#include <string>
#include <vector>

namespace pav::cli {

struct ChartArgs {
    std::string input;
    std::optional<int> width;
    int mode = 16;
    std::optional<int> colors;
    chart::ChartStyle style = chart::ChartStyle::SymbolsOnly;
    std::string threshold = "20"; // the chart window's ignore threshold at first
    std::string title;
    std::string range = "DMC";
    std::string output = "chart.bmp";
    std::string stitches, effect, pdf, oxs;
    bool json = false;
    PatternArgs pattern;
    chart::ColourChoice colours; // --threads, --dither, --cleanup, --match
};

// The options of "chart IN ..."; a usage error for any that do not fit.
ChartArgs parseChartArgs(const std::vector<std::string>& args);

// Whether IN is an .oxs chart file rather than a picture.
bool isChartFile(const std::string& path);

// A usage error of the chart command, with its usage line.
[[noreturn]] void usageError(const std::string& why);

// The reduction mode code the options ask for: --mode, or 99 for --colors.
int reductionModeOf(const ChartArgs& args);

// The recipe of the chart the options ask of a picture: its fabric in whole mode at
// --width (or the width bar's value), the reduction, the colours, range, threshold,
// title and style.
chart::ChartRecipe recipeOf(const ChartArgs& args, const image::SourcePicture& picture);

} // namespace pav::cli
