#pragma once
// The chart as its pattern shows it. Threads sold under one brand and number
// are one thread with one key row; each thread has its colour name when the
// chart file gave one; and with the designed symbols, the threads with the
// most stitches take the clearest symbols. Numbers are written as a shop
// sells them, and specialty threads are told apart.

#include "chart/Chart.h"
#include "chart/pattern/PatternRules.h"

#include <string>
#include <vector>

namespace pav::pattern {

// The pattern's chart of `chart`. Cells, back stitches, part stitches and
// ornaments of merged threads take the first thread of that number; anything
// else the chart holds is kept.
chart::Chart patternChart(const chart::Chart& chart, SymbolChoice symbols);

// The chart's own threads, unmerged, each with the symbol its pattern shows:
// what a chart file written with the pattern carries.
chart::Chart withPatternSymbols(const chart::Chart& chart, SymbolChoice symbols);

// Where each thread of `chart` goes in its pattern's chart (an index into its threads).
std::vector<int> mergedThreads(const chart::Chart& chart);

// The share (0..1) of the chart's stitches that have no side neighbour of their thread.
double isolatedStitchShare(const chart::Chart& chart);
// Above this share a pattern is hard work, and remaking it with fewer threads and a light cleanup is offered.
inline constexpr double kManyIsolated = 0.2;

// The number as a shop sells it: "B5200" for the catalogue's 5200, "ECRU" for its 0000.
std::string shopNumber(const chart::Chart& chart, const chart::ChartThread& thread);
// A metallic thread (DMC 5282 gold, 5283 silver), which stitches and sells unlike cotton.
bool isMetallic(const chart::Chart& chart, const chart::ChartThread& thread);

} // namespace pav::pattern
