#include "PatternArgs.h"

#include "chart/pattern/PatternChart.h"
#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternPages.h"

#include "base/WholeNumber.h"

#include <cmath>
#include <cstdio>

namespace pav::cli {
namespace {

bool realNumber(const std::string& text, double& value) {
    std::size_t used = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size() && std::isfinite(value);
}

std::string twoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

bool readPatternOption(const std::string& word, const std::function<std::string()>& value, PatternArgs& args,
                       std::string* problem) {
    pattern::PatternOptions& o = args.options;
    const auto number = [&](int& into) {
        const std::string text = value();
        // Any whole number reads; the range is optionsProblem's to judge.
        if (const std::optional<long> read = wholeNumber(text, 1000000)) into = static_cast<int>(*read);
        else *problem = word + " needs a whole number, not '" + text + "'";
    };
    if (word == "--pattern") {
        args.path = value();
    } else if (word == "--paper") {
        const std::string text = value();
        if (const auto paper = pattern::paperOfName(text)) o.paper = *paper;
        else *problem = "unknown paper '" + text + "' (A4, Letter or A3)";
        args.layoutGiven = true;
    } else if (word == "--cell-mm") {
        const std::string text = value();
        if (!realNumber(text, o.cellMm)) *problem = "--cell-mm needs a number, not '" + text + "'";
        args.layoutGiven = true;
    } else if (word == "--overlap") {
        number(o.overlap);
        args.layoutGiven = true;
    } else if (word == "--fabric-count") {
        number(o.fabricCount);
    } else if (word == "--strands") {
        number(o.strands);
    } else if (word == "--bw") {
        o.blackAndWhite = true;
        args.layoutGiven = true;
    } else if (word == "--symbols") {
        const std::string text = value();
        if (text == "distinct") o.symbols = pattern::SymbolChoice::Distinct;
        else if (text == "chart") o.symbols = pattern::SymbolChoice::Chart;
        else *problem = "unknown symbols '" + text + "' (distinct|chart)";
        args.layoutGiven = true;
    } else if (word == "--lang") {
        const std::string text = value();
        if (const auto language = uiLanguageNamed(text)) args.language = *language;
        else *problem = "unknown language '" + text + "' (zh|en)";
    } else {
        return false;
    }
    return true;
}

std::string patternArgsProblem(const PatternArgs& args) {
    if (const std::string problem = pattern::optionsProblem(args.options); !problem.empty()) return problem;
    if (args.layoutGiven && args.path.empty()) return "--paper, --cell-mm, --overlap, --bw and --symbols need --pattern";
    return {};
}

std::optional<int> makePattern(const chart::Chart& chart, const PatternArgs& args, QByteArray& pdf,
                               std::string* problem) {
    QString error;
    if (pattern::makePatternPdf(chart, args.options, pdf, &error) != print::PrintOutcome::Printed) {
        *problem = error.toStdString();
        return std::nullopt;
    }
    return pattern::layOutPattern(chart, args.options).totalPages();
}

std::vector<std::string> patternHints(const chart::Chart& chart, const PatternArgs& args, bool fromPicture) {
    std::vector<std::string> hints;
    // Lone stitches are each a start and an end of their own.
    if (const double share = pattern::isolatedStitchShare(chart); fromPicture && share > pattern::kManyIsolated) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "hint: %.1f %% of the stitches are isolated; --threads 30 --cleanup light makes a chart easier "
                      "to stitch",
                      100.0 * share);
        hints.emplace_back(line);
    }
    const pattern::PatternLayout layout = pattern::layOutPattern(chart, args.options);
    if (const auto offer = pattern::fewerPagesCell(chart.width(), chart.height(), 1, args.options)) {
        char line[200];
        std::snprintf(line, sizeof line, "hint: --cell-mm %.1f puts the chart on %d page%s instead of %d",
                      offer->cellMm, offer->chartPages, offer->chartPages == 1 ? "" : "s",
                      static_cast<int>(layout.chartPages.size()));
        hints.emplace_back(line);
    }
    return hints;
}

chart::Chart chartFileChart(const chart::Chart& chart, const PatternArgs& args) {
    if (args.path.empty()) return chart;
    return pattern::withPatternSymbols(chart, args.options.symbols);
}

std::string finishedJson(const chart::Chart& chart, const PatternArgs& args) {
    const pattern::FinishedSize size = pattern::finishedSize(chart.width(), chart.height(), args.options.fabricCount);
    return "{\"fabricCount\":" + std::to_string(args.options.fabricCount) + ",\"widthCm\":" +
           twoDecimals(size.widthCm) + ",\"heightCm\":" + twoDecimals(size.heightCm) + "}";
}

int skeinsOf(const chart::Chart& chart, int thread, const PatternArgs& args) {
    return pattern::threadSkeins(chart, thread, args.options);
}

} // namespace pav::cli
