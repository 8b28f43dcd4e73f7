#pragma once
// The pattern options of `chart`: --pattern FILE.pdf with its paper, cell size,
// overlap, fabric count, strands, black and white and symbols; the language of
// every document written (--lang); and what the JSON summary says of the
// finished piece and the pattern.

#include "chart/Chart.h"
#include "chart/pattern/PatternRules.h"
#include "base/UiText.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pav::cli {

struct PatternArgs {
    std::string path; // empty: no pattern
    pattern::PatternOptions options;
    bool layoutGiven = false; // --paper, --cell-mm, --overlap, --bw or --symbols, which need --pattern
    std::optional<UiLanguage> language; // --lang zh|en: of the pattern, the PDF and the sheet's texts
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

// What would make the pattern easier to stitch or shorter to print, one line
// each for stderr: a chart of many lone stitches, a slightly smaller cell that
// saves pages. A chart file cannot be remade from its picture: its lone stitches
// are not spoken of. Empty when there is nothing to say.
std::vector<std::string> patternHints(const chart::Chart& chart, const PatternArgs& args, bool fromPicture);

// The chart a chart file written beside the pattern holds: the pattern's symbols
// when one is written with the designed symbols, the chart's own otherwise.
chart::Chart chartFileChart(const chart::Chart& chart, const PatternArgs& args);

// The summary's "finished" member, and the "skeins" of a chart's thread (an index
// into its threads, back stitches included), at the options' fabric and strands.
std::string finishedJson(const chart::Chart& chart, const PatternArgs& args);
int skeinsOf(const chart::Chart& chart, int thread, const PatternArgs& args);

} // namespace pav::cli
