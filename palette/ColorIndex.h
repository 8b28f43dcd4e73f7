#pragma once
// Turns the stitch colour matrix into threads: the stitch index matrix, the
// colour list of threads in order of first appearance, and the legend list
// with stitch counts and the ignore threshold.

#include "image/TaskDelegate.h"
#include "palette/ProgramState.h"

#include <string>

namespace pav::palette {

enum class IndexResult {
    Done,           // ran to the end
    Aborted,        // genRunning was seen false; outputs are partial
    TooManyColours  // the 501st distinct colour: message shown, genRunning cleared
};

struct ColorIndexJob {
    int chartW = 0;          // chart area read: 0 <= x < chartW, 0 <= y < chartH
    int chartH = 0;
    std::string* whichType;  // range name; empty becomes "DMC"
    bool* genRunning;        // the chart window's abort flag
    const TaskDelegate* task = nullptr;
    MessageSink* messages = nullptr;
};

// Matching: stitch index matrix, colour list and maxColor.
IndexResult makeColorIndex(ProgramState& state, const ColorIndexJob& job, int unused = 0);

// Counting: the legend list and maxColor. threshold is the ignore threshold.
IndexResult sortColorIndex(ProgramState& state, const ColorIndexJob& job, int threshold);

// Parses the ignore-threshold text as a 16-bit integer; false when it is not one.
bool parseThreshold(const std::string& text, int& value);

} // namespace pav::palette
