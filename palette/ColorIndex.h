#pragma once
// Turns the stitch colour matrix into threads: the stitch index matrix, the
// colour list of threads in order of first appearance, and the legend list
// with stitch counts and the ignore threshold.
//
// What the outputs hold after makeColorIndex then sortColorIndex ran to the end
// (chart area 0 <= x < chartW, 0 <= y < chartH; "first appearance" means reading
// the area row by row from the top, each row from the left):
//
// Range "DMC" (an empty range name is made "DMC"):
//   index[x, y]        the thread row (1..423) of the stitch.
//   colorList[1..colorCount]
//                      the distinct thread rows, in order of first appearance.
//   colorList[colorCount+1 .. D] (D = number of distinct picture colours)
//                      stale thread rows left from matching; read them never.
//   colorList[D+1 .. 500]
//                      kWhite (16777215), the never-filled mark.
//   legend[1..maxColor]
//                      one record per thread used by at least `threshold`
//                      stitches, in order of first appearance: color = the
//                      thread's colour, row = its thread row, position = its
//                      colour-list position (so colorList[position] == row and the
//                      entry's symbol is symbol number `position`), number = the
//                      thread number blank-padded to 8 ("310     "), quantity =
//                      its stitch count in decimal, blank-padded to 4 and never
//                      cut ("19  ", "12345").
//   legend[maxColor+1 .. 500]
//                      reset records (LegendRecord{}).
//
// Any other range name (treated as the colour range "CC"): no thread is used.
//   index[x, y]        the colour-list position of the stitch's colour.
//   colorList[1..colorCount]
//                      the distinct picture colours (RGB values), in order of
//                      first appearance; later positions hold kWhite.
//   legend[1..maxColor]
//                      one record per colour used by at least `threshold`
//                      stitches, in order of first appearance: color = the
//                      colour itself, row = 0, position = its colour-list
//                      position, number = "#RRGGBB" blank-padded to 8
//                      ("#FFC9B8 "), quantity as above.
//
// In both ranges the symbol of a stitch is symbol number index-position: for
// DMC the colour-list position of its thread row, for CC index[x, y] itself; a
// legend record's symbol is symbol number `position`. Legend records are a
// subsequence of the colour list in the same order; they are one to one with it
// when no entry falls under the threshold.
//
// maxColor: after makeColorIndex the number of distinct threads (DMC) or
// colours (CC); after sortColorIndex the number of legend records.
//
// The run stops early when *genRunning is seen false (IndexResult::Aborted) or at
// the 501st distinct picture colour (IndexResult::TooManyColours). The outputs
// are then partly rebuilt; colorCount and maxColor keep their earlier values.

#include "base/TaskDelegate.h"
#include "palette/ColourMatcher.h"
#include "palette/ProgramState.h"

#include <string>

namespace pav::palette {

enum class IndexResult {
    Done,          // ran to the end
    Aborted,       // genRunning was seen false; outputs are partial
    TooManyColours // the 501st distinct colour: genRunning cleared; the caller says so
};

struct ColorIndexJob {
    int chartW = 0; // chart area read: 0 <= x < chartW, 0 <= y < chartH (at most 321 each)
    int chartH = 0;
    std::string* whichType = nullptr; // range name; empty becomes "DMC"; none counts as "DMC"
    bool* genRunning = nullptr;       // the chart window's abort flag; none never aborts
    const TaskDelegate* task = nullptr;
    const ColourMatcher* matcher = nullptr; // how colours find threads; none = the RGB rule over DMC
};

// Matching: stitch index matrix, colour list and maxColor.
// Lets events run before every stitch of the colour pass and checks genRunning
// after it; progress once per row. The row rewrite that follows the matching
// lets events run once per row but is never cut short.
// Matching and the legend read the thread table itself, so they need no
// earlier loadColor.
IndexResult makeColorIndex(ProgramState& state, const ColorIndexJob& job, int unused = 0);

// Counting: the legend list and maxColor. threshold is the ignore threshold.
// Never lets events run; checks genRunning each time it weighs an entry not yet
// listed (stopping with the records made so far); progress once per row.
IndexResult sortColorIndex(ProgramState& state, const ColorIndexJob& job, int threshold);

// Parses the ignore-threshold text as a 16-bit integer (blanks around it and a
// sign allowed, digits only); false when it is not one.
bool parseThreshold(const std::string& text, int& value);

} // namespace pav::palette
