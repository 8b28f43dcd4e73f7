#include "ChartSummary.h"

#include "ColourWords.h"

#include "palette/ThreadPalette.h"

#include <algorithm>
#include <cstdio>

namespace pav::cli {
namespace {

std::string sizeObject(int width, int height) {
    return "{\"width\":" + std::to_string(width) + ",\"height\":" + std::to_string(height) + "}";
}

// A thread's stitches besides full crosses, when it has any: "count" is its full crosses.
std::string otherStitches(const chart::StitchCounts& c) {
    if (c.partStitches() == 0 && c.backStitches == 0 && c.knots == 0 && c.beads == 0) return "";
    char length[32];
    std::snprintf(length, sizeof length, "%.2f", c.backLength);
    return ",\"half\":" + std::to_string(c.half) + ",\"quarter\":" + std::to_string(c.quarter) +
           ",\"threeQuarter\":" + std::to_string(c.threeQuarter) + ",\"petite\":" + std::to_string(c.petite) +
           ",\"backStitches\":" + std::to_string(c.backStitches) + ",\"backLength\":" + length +
           ",\"knots\":" + std::to_string(c.knots) + ",\"beads\":" + std::to_string(c.beads);
}

std::string threadsArray(const chart::Chart& chart, const PatternArgs& pattern) {
    // A thread whose stitches went to a listed one has none left and is not listed;
    // the others keep their colour-list positions.
    std::string json = "[";
    bool first = true;
    const std::vector<chart::StitchCounts> counts = chart.stitchCounts();
    for (std::size_t t = 0; t < chart.threads().size(); ++t) {
        const chart::ChartThread& thread = chart.threads()[t];
        if (!counts[t].any()) continue;
        if (!first) json += ",";
        first = false;
        json += "{\"position\":" + std::to_string(t + 1) +
                ",\"row\":" + (thread.row > 0 ? std::to_string(thread.row) : std::string("null")) +
                ",\"number\":" + jsonString(thread.number) + ",\"rgb\":" + jsonString(palette::hexColourText(thread.rgb)) +
                ",\"count\":" + std::to_string(thread.count) + ",\"symbol\":" + jsonString(thread.symbol) +
                ",\"inLegend\":" + (thread.listed ? "true" : "false") +
                ",\"skeins\":" + std::to_string(skeinsOf(chart, static_cast<int>(t), pattern)) +
                otherStitches(counts[t]) + "}";
    }
    return json + "]";
}

// The threads, the finished piece and, when a pattern was written, its pages; the object's end.
std::string patternEnd(const chart::Chart& chart, const PatternFigures& pattern) {
    std::string json = ",\"threads\":" + threadsArray(chart, pattern.args);
    json += ",\"finished\":" + finishedJson(chart, pattern.args);
    if (pattern.pages) json += ",\"pages\":" + std::to_string(*pattern.pages);
    return json + "}";
}

const char* reductionName(const PictureChoice& choice) {
    if (choice.colourChoice.usesBestThreads()) return "best-threads";
    switch (choice.reduction) {
    case chart::ReductionKind::None: return "none";
    case chart::ReductionKind::Dithered: return "ordered-dither";
    case chart::ReductionKind::MostFrequent: return "most-frequent";
    }
    return "";
}

// The reduction and matching used, and how well the chart renders the picture.
std::string colourFields(const PictureChoice& choice) {
    const chart::ColourChoice& c = choice.colourChoice;
    std::string json = ",\"reduction\":" + jsonString(reductionName(choice));
    json += ",\"bestThreads\":";
    json += c.usesBestThreads() ? "{\"threads\":" + std::to_string(c.bestThreads) +
                                      ",\"dither\":" + jsonString(wordOf(c.dither, kDitherWords)) +
                                      ",\"cleanup\":" + jsonString(wordOf(c.cleanup, kCleanupWords)) + "}"
                                : std::string("null");
    json += ",\"match\":" + jsonString(wordOf(c.criterion, kMatchWords));
    char quality[96];
    std::snprintf(quality, sizeof quality, ",\"quality\":{\"meanDeltaE2000\":%.3f,\"isolatedStitches\":%d}",
                  choice.quality.meanDeltaE2000, choice.quality.isolatedStitches);
    return json + quality;
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string pictureSummary(const chart::Chart& chart, const PictureChoice& choice, QSize canvas,
                           const PatternFigures& pattern) {
    std::string json = "{\"fabric\":" + sizeObject(chart.width(), chart.height());
    json += ",\"mode\":" + (choice.colourChoice.usesBestThreads() ? std::string("null") : std::to_string(choice.mode));
    json += ",\"colors\":" + (choice.colours ? std::to_string(*choice.colours) : std::string("null"));
    json += colourFields(choice);
    json += ",\"range\":" + jsonString(chart.rangeName);
    json += ",\"threshold\":" + std::to_string(choice.threshold);
    json += ",\"maxColor\":" + std::to_string(chart.legend().size());
    json += ",\"total\":" + std::to_string(chart.width() * chart.height());
    json += ",\"canvas\":" + sizeObject(canvas.width(), canvas.height());
    return json + patternEnd(chart, pattern);
}

std::string fileSummary(const chart::Chart& chart, QSize canvas, const PatternFigures& pattern) {
    std::string json = "{\"fabric\":" + sizeObject(chart.width(), chart.height());
    json += ",\"range\":" + jsonString(chart.rangeName) + ",\"maxColor\":" + std::to_string(chart.legend().size());
    json += ",\"total\":" + std::to_string(chart.stitchedCells()) +
            ",\"backStitches\":" + std::to_string(chart.backStitches.size()) +
            ",\"partStitches\":" + std::to_string(chart.partStitches.size()) +
            ",\"knots\":" + std::to_string(std::count_if(chart.ornaments.begin(), chart.ornaments.end(),
                                                         [](const chart::Ornament& o) {
                                                             return o.kind == chart::OrnamentKind::FrenchKnot;
                                                         })) +
            ",\"beads\":" + std::to_string(std::count_if(chart.ornaments.begin(), chart.ornaments.end(),
                                                         [](const chart::Ornament& o) {
                                                             return o.kind == chart::OrnamentKind::Bead;
                                                         }));
    json += ",\"notShown\":" + std::to_string(chart.file.notShown);
    json += ",\"canvas\":" + sizeObject(canvas.width(), canvas.height());
    return json + patternEnd(chart, pattern);
}

} // namespace pav::cli
