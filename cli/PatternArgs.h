#pragma once
// The pattern options of `chart`: --pattern FILE.pdf with its paper, cell size,
// overlap, fabric count, strands and black and white, and what the JSON summary
// says of the finished piece and the pattern.

#include "chart/Chart.h"
#include "chart/pattern/PatternRules.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <string>

namespace pav::cli {

struct PatternArgs {
    std::string path; // empty: no pattern
    pattern::PatternOptions options;
    bool layoutGiven = false; // --paper, --cell-mm, --overlap or --bw, which need --pattern
};

// When word is a pattern option, reads it (its value from value()) into args and
// returns true. A bad value is a usage error: its reason goes to *problem.
bool readPatternOption(const std::string& word, const std::function<std::string()>& value, PatternArgs& args,
                       std::string* problem);

// What is wrong with the options as a whole; empty when nothing is.
std::string patternArgsProblem(const PatternArgs& args);

// The pattern's PDF for args.path and its page count, or the reason it could not be made.
std::optional<int> makePattern(const chart::Chart& chart, const PatternArgs& args, QByteArray& pdf,
                               std::string* problem);

// The summary's "finished" member, and the "skeins" of a chart's thread (an index
// into its threads, back stitches included), at the options' fabric and strands.
std::string finishedJson(const chart::Chart& chart, const PatternArgs& args);
int skeinsOf(const chart::Chart& chart, int thread, const PatternArgs& args);

} // namespace pav::cli
