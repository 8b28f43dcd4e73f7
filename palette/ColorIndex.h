#pragma once
// The colour index: turns the stitches of a chart (a plain grid of RGB values)
// into threads. Every distinct stitch colour is matched to its nearest thread,
// each thread is kept once in order of first appearance (reading the stitches
// row by row from the top, each row from the left), every stitch gets its
// thread, and the threads used by at least the ignore threshold are listed.
//
// Range "DMC" (an empty range name counts as "DMC"): the entries are catalogue
// rows (1..423). Any other range name (the colour range "CC"): the entries are
// the distinct stitch colours themselves, unmatched.
//
// The listed entries are a subsequence of the entries in the same order: the
// legend. Entry p (0-based) is drawn with symbol p + 1. At most 500 distinct
// stitch colours are indexed; the 501st stops the run (TooManyColours).

#include "base/TaskDelegate.h"
#include "colour/RgbGrid.h"
#include "palette/ColourMatcher.h"
#include "palette/RgbValues.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pav::palette {

enum class IndexResult {
    Done,          // ran to the end
    Aborted,       // the task asked to stop
    TooManyColours // the 501st distinct colour; the caller says so
};

struct ColourIndex {
    bool threadRows = true;            // entries are catalogue rows, not colours
    std::vector<std::int32_t> entries; // thread rows or stitch colours, in order of first appearance
    std::vector<int> cells;            // per stitch, row by row: its entry (0-based)
    std::vector<int> counts;           // stitches per entry
    std::vector<bool> listed;          // per entry: at least the threshold
    int width = 0;
    int height = 0;

    int listedCount() const;
};

struct ColourIndexJob {
    std::string rangeName = "DMC";
    int threshold = 0;                      // the ignore threshold
    const ColourMatcher* matcher = nullptr; // how colours find threads; none = the RGB rule over DMC
    const TaskDelegate* task = nullptr;     // events, progress, status and the abort question
};

// The index of stitches. Status lines and progress as the chart window shows them:
// "正在创建颜色索引......" with one step per row while colours are collected (events
// run at every stitch, the abort question after it), a reset while thread rows are
// written, then "正在计算颜色数目等信息......" with one step per row while the
// legend is counted (the abort question at every entry weighed).
IndexResult indexColours(const colour::RgbGrid& stitches, const ColourIndexJob& job, ColourIndex& index);

// Lists every entry that has stitches: what a threshold no thread reaches gives way to.
void listEveryEntry(ColourIndex& index);

// Parses the ignore-threshold text as a 16-bit integer (blanks around it and a
// sign allowed, digits only); false when it is not one.
bool parseThreshold(const std::string& text, int& value);

} // namespace pav::palette
