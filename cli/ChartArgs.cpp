#include "ChartArgs.h"
#include "ChartCommand.h"
#include "OutputPaths.h"

#include "ColourWords.h"
#include "base/WholeNumber.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartStyleNames.h"
#include "colour/BestThreads.h"
#include "image/Dither.h"
#include "palette/ColorIndex.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

namespace pav::cli {

const char* const kChartUsage =
    "chart IN [--width N] [--mode 0|1|2|3|4|8|16 | --colors 3..60 | --threads 2..100 "
    "[--dither none|floyd-steinberg|atkinson] [--cleanup off|light|strong]] [--match rgb|ciede2000] "
    "[--style blocks+symbols|symbols|blocks] "
    "[--threshold N] [--title T] [--range R] [--allow-specialty] [-o CHART.bmp] [--stitches S.bmp] [--effect E.bmp] [--pdf CHART.pdf] "
    "[--oxs CHART.oxs] [--json] [--pattern FILE.pdf [--paper A4|Letter|A3] [--cell-mm X] [--overlap N] "
    "[--fabric-count N] [--strands N] [--bw] [--symbols distinct|chart]] [--lang zh|en]; IN may be an .oxs chart file: no picture, no reduction, every output "
    "from the file";

namespace {
} // namespace

[[noreturn]] void usageError(const std::string& why) {
    throw CliError(ExitCode::Usage, "chart: " + why + " (usage: " + kChartUsage + ")");
}

namespace {

template <class Value, std::size_t N>
Value wordOption(const std::string& name, const std::string& text, const Word<Value> (&words)[N]) {
    std::string choices;
    for (const auto& w : words) {
        if (text == w.word) return w.value;
        if (!choices.empty()) choices += '|';
        choices += w.word;
    }
    usageError("unknown " + name + " '" + text + "' (" + choices + ")");
}

int integerOption(const std::string& name, const std::string& text, int low, int high) {
    // Blanks before the number are let through, as the command always did.
    const std::size_t start = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    const std::optional<long> number = wholeNumber(std::string_view(text).substr(start), 2147483648L);
    if (!number || *number > 2147483647L) usageError(name + " needs a whole number, not '" + text + "'");
    const long value = *number;
    if (value < low || value > high)
        usageError(name + " must be " + std::to_string(low) + ".." + std::to_string(high) + ", not " + text);
    return value;
}

// The style words, and the style list's own items.
chart::ChartStyle styleOf(const std::string& word) {
    static const std::map<std::string, chart::ChartStyle> words = {
        {"blocks+symbols", chart::ChartStyle::BlocksAndSymbols},
        {"symbols", chart::ChartStyle::SymbolsOnly},
        {"blocks", chart::ChartStyle::BlocksOnly},
    };
    if (const auto found = words.find(word); found != words.end()) return found->second;
    for (const chart::ChartStyle style : {chart::ChartStyle::BlocksAndSymbols, chart::ChartStyle::SymbolsOnly,
                                          chart::ChartStyle::BlocksOnly})
        if (word == chart::styleItemText(style)) return style;
    usageError("unknown style '" + word + "'");
}

// Paths are read against the folder the command was started in.
std::string absolute(const std::string& path) {
    return path.empty() ? path : QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace

bool isChartFile(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).suffix().compare("oxs", Qt::CaseInsensitive) == 0;
}

ChartArgs parseChartArgs(const std::vector<std::string>& args) {
    ChartArgs a;
    bool modeGiven = false;
    bool bestThreadOptions = false, matchGiven = false; // --dither or --cleanup; --match
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) usageError(word + " needs a value");
            return args[++i];
        };
        if (word == "--width") a.width = integerOption(word, value(), 1, 32767);
        else if (word == "--mode") {
            a.mode = integerOption(word, value(), 0, 16);
            if (a.mode > 4 && a.mode != 8 && a.mode != 16) usageError("unknown mode " + std::to_string(a.mode));
            modeGiven = true;
        } else if (word == "--colors") a.colors = integerOption(word, value(), 3, 60);
        else if (word == "--threads")
            a.colours.bestThreads = integerOption(word, value(), colour::kMinBestThreads, colour::kMaxBestThreads);
        else if (word == "--dither") {
            a.colours.dither = wordOption(word, value(), kDitherWords);
            bestThreadOptions = true;
        } else if (word == "--cleanup") {
            a.colours.cleanup = wordOption(word, value(), kCleanupWords);
            bestThreadOptions = true;
        } else if (word == "--match") {
            a.colours.criterion = wordOption(word, value(), kMatchWords);
            matchGiven = true;
        }
        else if (word == "--style") a.style = styleOf(value());
        else if (word == "--threshold") {
            a.threshold = value();
            int parsed = 0;
            if (!palette::parseThreshold(a.threshold, parsed)) usageError("--threshold needs a number, not '" + a.threshold + "'");
        } else if (word == "--title") a.title = value();
        else if (word == "--range") a.range = value();
        else if (word == "--allow-specialty") a.colours.allowSpecialty = true;
        else if (word == "-o") a.output = value();
        else if (word == "--stitches") a.stitches = value();
        else if (word == "--effect") a.effect = value();
        else if (word == "--pdf") a.pdf = value();
        else if (word == "--oxs") a.oxs = value();
        else if (word == "--json") a.json = true;
        else if (std::string problem; readPatternOption(word, value, a.pattern, &problem)) {
            if (!problem.empty()) usageError(problem);
        }
        else if (word.size() > 1 && word[0] == '-') usageError("unknown option '" + word + "'");
        else files.push_back(word);
    }
    if (files.size() != 1) usageError("expected one picture IN");
    if (modeGiven && a.colors) usageError("--mode and --colors exclude each other");
    if (const std::string problem = patternArgsProblem(a.pattern); !problem.empty()) usageError(problem);
    const bool threads = a.colours.usesBestThreads();
    if (threads && (modeGiven || a.colors)) usageError("--threads excludes --mode and --colors");
    if (bestThreadOptions && !threads) usageError("--dither and --cleanup apply only with --threads");
    a.colours.threadRange = chart::chartRange(a.range);
    a.input = absolute(files[0]);
    for (std::string* path : {&a.output, &a.stitches, &a.effect, &a.pdf, &a.oxs, &a.pattern.path})
        *path = absolute(*path);
    if (const std::string clash = outputClash(a.input, {{"-o", a.output}, {"--stitches", a.stitches},
                                                        {"--effect", a.effect}, {"--pdf", a.pdf}, {"--oxs", a.oxs},
                                                        {"--pattern", a.pattern.path}});
        !clash.empty())
        throw CliError(ExitCode::Usage, "chart: " + clash);
    if (isChartFile(a.input) && (a.width || a.colors || modeGiven || threads || matchGiven || bestThreadOptions ||
                                 !a.stitches.empty() || !a.effect.empty()))
        usageError("an .oxs chart has no picture to reduce: --width, --mode, --colors, --threads, --dither, --cleanup, "
                   "--match, --stitches and --effect do not apply");
    return a;
}

int reductionModeOf(const ChartArgs& args) {
    return args.colors ? image::kColorBitMostFrequent : args.mode;
}

namespace {

// The picture on the fabric in whole mode at the zoom --width asks for, or the one
// the width bar gives it.
chart::FabricSize fabricOf(const image::SourcePicture& picture, const ChartArgs& args) {
    const std::optional<chart::WholeZoom> zoom = chart::wholeZoomFor(picture.size());
    if (!zoom) throw CliError(ExitCode::Input, "picture '" + args.input + "' does not fit the fabric");
    const int value = args.width.value_or(zoom->initial);
    if (value < zoom->lowest || value > zoom->highest)
        usageError("--width must be " + std::to_string(zoom->lowest) + ".." + std::to_string(zoom->highest) +
                   " for this picture, not " + std::to_string(value));
    return chart::wholeFabric(picture.size(), value);
}

} // namespace

chart::ChartRecipe recipeOf(const ChartArgs& args, const image::SourcePicture& picture) {
    chart::ChartRecipe recipe;
    recipe.fabric = fabricOf(picture, args);
    recipe.reduction = chart::reductionOfColorBit(reductionModeOf(args), args.colors.value_or(0));
    recipe.colours = args.colours;
    recipe.rangeName = args.range;
    palette::parseThreshold(args.threshold, recipe.threshold);
    recipe.title = args.title;
    recipe.style = args.style;
    return recipe;
}

} // namespace pav::cli
