#include "PatternArgs.h"

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
    } else {
        return false;
    }
    return true;
}

std::string patternArgsProblem(const PatternArgs& args) {
    if (const std::string problem = pattern::optionsProblem(args.options); !problem.empty()) return problem;
    if (args.layoutGiven && args.path.empty()) return "--paper, --cell-mm, --overlap and --bw need --pattern";
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

std::string finishedJson(const chart::Chart& chart, const PatternArgs& args) {
    const pattern::FinishedSize size = pattern::finishedSize(chart.width(), chart.height(), args.options.fabricCount);
    return "{\"fabricCount\":" + std::to_string(args.options.fabricCount) + ",\"widthCm\":" +
           twoDecimals(size.widthCm) + ",\"heightCm\":" + twoDecimals(size.heightCm) + "}";
}

int skeinsOf(const chart::Chart& chart, int thread, const PatternArgs& args) {
    return pattern::threadSkeins(chart, thread, args.options);
}

} // namespace pav::cli
