#pragma once
// The chart command's JSON summary: one object, the fabric, the canvas and the
// threads in order of first appearance with the exact stitch count and the
// skeins of each, the finished size and the pattern's pages.

#include "PatternArgs.h"

#include "chart/Chart.h"
#include "chart/ColourChoice.h"
#include "chart/Fabric.h"
#include "colour/ChartQuality.h"

#include <QSize>

#include <optional>
#include <string>

namespace pav::cli {

// How a chart was made from a picture.
struct PictureChoice {
    int mode = 16;              // the reduction mode code; 99 for --colors
    std::optional<int> colours; // --colors
    int threshold = 0;
    chart::ReductionKind reduction = chart::ReductionKind::Dithered; // the mode's, unless best threads replace it
    chart::ColourChoice colourChoice;                                // --threads, --dither, --cleanup, --match
    colour::ChartQuality quality;
};

std::string jsonString(const std::string& text);

// What the summary says of the pattern: every thread's skeins and the finished
// size at its fabric and strands, and its page count when one was written.
struct PatternFigures {
    const PatternArgs& args;
    std::optional<int> pages;
};

// A chart made from a picture: every cell stitched.
std::string pictureSummary(const chart::Chart& chart, const PictureChoice& choice, QSize canvas,
                           const PatternFigures& pattern);
// A chart read from a file: the counts add up to the stitched cells.
std::string fileSummary(const chart::Chart& chart, QSize canvas, const PatternFigures& pattern);

} // namespace pav::cli
