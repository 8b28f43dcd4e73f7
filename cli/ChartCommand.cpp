// Makes a chart from a picture through the chart level's steps, as the
// windows take them: the picture stretched onto the fabric in whole mode at a
// zoom, the reduction, the colour index, then the chart sheet and the optional
// stitch pictures, PDF, chart file and JSON summary. An .oxs IN is charted as
// it is. Every output is made in memory first and written only when all of
// them could be made. Other tools call this: keep its words stable.
#include "ChartCommand.h"
#include "PatternArgs.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

#include <QFileInfo>
#include <QGuiApplication>

#include "ChartSummary.h"
#include "ColourWords.h"
#include "base/SafeFile.h"
#include "base/WholeNumber.h"
#include "chart/BestThreadsStep.h"
#include "chart/ChartFonts.h"
#include "chart/ChartFromIndex.h"
#include "chart/ChartSaver.h"
#include "chart/ChartSheet.h"
#include "chart/ChartStyleNames.h"
#include "chart/ColourChoice.h"
#include "chart/StitchGrid.h"
#include "chart/StitchMarks.h"
#include "chart/Fabric.h"
#include "chart/oxs/OxsFile.h"
#include "chart/print/SheetOutput.h"
#include "image/ClsDIB.h"
#include "image/Dither.h"
#include "image/SourcePicture.h"
#include "colour/BestThreads.h"
#include "palette/ColorIndex.h"
#include "palette/ColourMatcher.h"

namespace pav::cli {

const char* const kChartUsage =
    "chart IN [--width N] [--mode 0|1|2|3|4|8|16 | --colors 3..60 | --threads 2..100 "
    "[--dither none|floyd-steinberg|atkinson] [--cleanup off|light|strong]] [--match rgb|ciede2000] "
    "[--style blocks+symbols|symbols|blocks] "
    "[--threshold N] [--title T] [--range R] [-o CHART.bmp] [--stitches S.bmp] [--effect E.bmp] [--pdf CHART.pdf] "
    "[--oxs CHART.oxs] [--json] [--pattern FILE.pdf [--paper A4|Letter|A3] [--cell-mm X] [--overlap N] "
    "[--fabric-count N] [--strands N] [--bw] [--symbols distinct|chart]] [--lang zh|en]; IN may be an .oxs chart file: no picture, no reduction, every output "
    "from the file";

namespace {

using palette::ProgramState;

// The fabric of a whole-mode chart never exceeds 230 x 250 stitches; twice that
// keeps the area-averaged stretch as good as from the full photo.
const QSize kPictureDetail(460, 500);

struct ChartArgs {
    std::string input;
    std::optional<int> width;
    int mode = 16;
    std::optional<int> colors;
    chart::ChartStyle style = chart::ChartStyle::SymbolsOnly;
    std::string threshold = "20"; // the chart window's ignore threshold at first
    std::string title;
    std::string range = "DMC";
    std::string output = "chart.bmp";
    std::string stitches, effect, pdf, oxs;
    bool json = false;
    PatternArgs pattern;
    chart::ColourChoice colours; // --threads, --dither, --cleanup, --match
};

[[noreturn]] void usageError(const std::string& why) {
    throw CliError(ExitCode::Usage, "chart: " + why + " (usage: " + kChartUsage + ")");
}

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

bool isChartFile(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).suffix().compare("oxs", Qt::CaseInsensitive) == 0;
}

ChartArgs parseArgs(const std::vector<std::string>& args) {
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
    a.input = absolute(files[0]);
    for (std::string* path : {&a.output, &a.stitches, &a.effect, &a.pdf, &a.oxs, &a.pattern.path})
        *path = absolute(*path);
    if (isChartFile(a.input) && (a.width || a.colors || modeGiven || threads || matchGiven || bestThreadOptions ||
                                 !a.stitches.empty() || !a.effect.empty()))
        usageError("an .oxs chart has no picture to reduce: --width, --mode, --colors, --threads, --dither, --cleanup, "
                   "--match, --stitches and --effect do not apply");
    return a;
}

// Qt's own notes (a missing runtime folder, font fallbacks) are not this
// command's words: stderr carries one line, and only on failure.
void keepQtNotesOffStderr(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::fprintf(stderr, "pavlenta-cli: %s\n", qPrintable(message));
}

void ensureApplication(const Invocation& invocation) {
    qInstallMessageHandler(keepQtNotesOffStderr);
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(invocation.argc, invocation.argv);
}

// Every output the command writes, each staged beside its target as soon as it is
// made, and all of them renamed over their targets together at the end; an error
// before that removes what was staged and leaves every target as it was.
class Outputs {
public:
    void add(const std::string& path, const QByteArray& bytes) {
        if (!path.empty()) stage(path, [&](const ByteSink& sink) { return sink(bytes.constData(), bytes.size()); });
    }
    void addBmp(const std::string& path, const image::ClsDIB& picture) {
        if (path.empty()) return;
        const std::vector<std::uint8_t> bytes = picture.BmpFileBytes();
        stage(path, [&](const ByteSink& sink) {
            return sink(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        });
    }
    void stage(const std::string& path, const ByteMaker& make) {
        if (path.empty()) return;
        QString error;
        if (!m_staged.stage(QString::fromStdString(path), make, &error))
            throw CliError(ExitCode::Output, "cannot write '" + path + "': " + error.toStdString());
    }
    void write() {
        QString error;
        if (!m_staged.commit(&error)) throw CliError(ExitCode::Output, error.toStdString());
    }

private:
    StagedFiles m_staged;
};

// The fabric's stitches as a 24-bit picture: before the reduction (--stitches) and after it (--effect).
void paintStitches(const palette::StitchMatrix& colours, chart::FabricSize fabric, image::ClsDIB& picture) {
    if (!chart::makeStitchPicture(colours, fabric, picture)) throw CliError(ExitCode::Failure, "out of memory");
}

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

// The main window's reduction of the fabric, as "生成" runs it.
void reduceFabric(palette::StitchMatrix& colours, chart::FabricSize fabric, const chart::Reduction& reduction) {
    if (reduction.kind == chart::ReductionKind::MostFrequent) {
        chart::reduceToMostFrequent(colours, fabric.width, static_cast<int>(fabric.height), reduction.colours,
                                    TaskDelegate{});
    } else if (reduction.kind == chart::ReductionKind::Dithered) {
        image::ClsDIB stitches, reduced;
        paintStitches(colours, fabric, stitches);
        if (!chart::reduceStitchPicture(stitches, reduction, reduced))
            throw CliError(ExitCode::Failure, "reduction failed: out of memory");
        chart::readReducedStitches(colours, reduced, fabric);
    }
}

struct MadeChart {
    chart::Chart chart;
};

// The sheet, the PDF, the chart file and the pattern of a chart; then every file at
// once, then the summary, told the pattern's page count when one was made.
void finish(const ChartArgs& args, const chart::Chart& chart, int colorBit, Outputs& outputs,
            const std::function<std::string(QSize, std::optional<int> pages)>& summary) {
    // The sheet is drawn a band at a time, each band's rows going straight to its file.
    const QSize sheetSize = chart::sheetSize(chart);
    const chart::SheetOptions sheet{args.style, colorBit};
    outputs.stage(args.output, chart::sheetBmp(chart, sheet));
    if (!args.pdf.empty()) {
        QByteArray pdf;
        QString error;
        if (print::makeSheetPdf(print::PrintSheet{chart, args.style, colorBit}, chart::JobControl{}, print::defaultPdfLayout(), pdf, &error) !=
            print::PrintOutcome::Printed)
            throw CliError(ExitCode::Output, "cannot write '" + args.pdf + "': " + error.toStdString());
        outputs.add(args.pdf, pdf);
    }
    if (!args.oxs.empty()) outputs.add(args.oxs, chart::oxs::writeOxs(chartFileChart(chart, args.pattern)));
    std::optional<int> pages;
    if (!args.pattern.path.empty()) {
        QByteArray pdf;
        std::string problem;
        pages = makePattern(chart, args.pattern, pdf, &problem);
        if (!pages) throw CliError(ExitCode::Output, "cannot write '" + args.pattern.path + "': " + problem);
        outputs.add(args.pattern.path, pdf);
    }
    outputs.write();
    if (!args.pattern.path.empty())
        for (const std::string& hint : patternHints(chart, args.pattern, !isChartFile(args.input))) std::fprintf(stderr, "%s\n", hint.c_str());
    if (args.json) std::printf("%s\n", summary(sheetSize, pages).c_str());
}

// IN is a chart file: its chart is drawn as the chart window shows an opened file.
void runChartFile(const ChartArgs& args) {
    const chart::oxs::OxsReadResult read = chart::oxs::readOxsFile(QString::fromStdString(args.input));
    if (!read.ok())
        throw CliError(ExitCode::Input, "cannot read chart '" + args.input + "': " + chart::oxs::errorReason(read.error) +
                                            (read.line > 0 ? " (line " + std::to_string(read.line) + ")" : ""));
    chart::Chart opened = read.chart;
    if (!args.title.empty()) opened.title = args.title;
    // The outputs cannot show these; the user hears of it, as the pattern's cover says it.
    if (const std::string missing = chart::notDrawnList(opened); !missing.empty())
        std::fprintf(stderr, "pavlenta-cli: not drawn: %s (kept in a saved chart file)\n", missing.c_str());
    // A chart from a file has no reduction mode: its swatches keep their colours.
    constexpr int kColourSwatches = 16;
    Outputs outputs;
    finish(args, opened, kColourSwatches, outputs, [&](QSize canvas, std::optional<int> pages) {
        return fileSummary(opened, canvas, PatternFigures{args.pattern, pages});
    });
}

} // namespace

void runChart(const Invocation& invocation) {
    const ChartArgs args = parseArgs(invocation.args);
    ensureApplication(invocation);
    if (args.pattern.language && !setUiLanguage(*args.pattern.language))
        throw CliError(ExitCode::Failure, "the English texts could not be loaded");
    image::initDither();
    chart::installChartFontSubstitutes();
    if (isChartFile(args.input)) return runChartFile(args);

    image::PictureError fault;
    const auto picture = image::SourcePicture::decode(args.input, &fault, kPictureDetail);
    if (!picture) throw CliError(ExitCode::Input, "cannot read picture '" + args.input + "': " + fault.reason);
    const chart::FabricSize fabric = fabricOf(*picture, args);
    palette::ProgramState state;
    chart::fillFabricStitches(state.colors, *picture, fabric);

    Outputs outputs;
    if (!args.stitches.empty()) {
        image::ClsDIB before;
        paintStitches(state.colors, fabric, before);
        outputs.addBmp(args.stitches, before);
    }
    const int colorBit = args.colors ? image::kColorBitMostFrequent : args.mode;
    const chart::Reduction reduction = chart::reductionOfColorBit(colorBit, args.colors.value_or(0));
    // What the quality figures compare the chart with: the stitches before the reduction.
    const colour::RgbGrid before =
        chart::stitchGrid(state.colors, chart::chartSide(fabric.width), chart::chartSide(fabric.height));
    if (args.colours.usesBestThreads())
        chart::reduceStitchesToBestThreads(state.colors, fabric.paintedWidth(), fabric.paintedHeight(), args.colours);
    else
        reduceFabric(state.colors, fabric, reduction);
    if (!args.effect.empty()) {
        image::ClsDIB after;
        paintStitches(state.colors, fabric, after);
        outputs.addBmp(args.effect, after);
    }

    chart::ChartRequest request;
    request.width = chart::chartSide(fabric.width);
    request.height = chart::chartSide(fabric.height);
    request.title = chart::chartTitle(args.title).toStdString();
    request.rangeName = chart::chartRange(args.range);
    palette::parseThreshold(args.threshold, request.threshold);
    request.matcher = &palette::dmcMatcher(args.colours.criterion);
    const chart::ChartResult made = chart::makeChart(state, request, TaskDelegate{}, nullptr);
    if (made.error == chart::ChartError::TooManyColours)
        throw CliError(ExitCode::Failure, "more than 500 colours in the fabric; reduce them with --mode, --colors or --threads");
    if (made.error == chart::ChartError::TooManySymbols)
        throw CliError(ExitCode::Failure, "more than 240 threads on the chart, past the symbols; reduce them with "
                                          "--mode, --colors, --threads or a higher --threshold");
    if (made.error != chart::ChartError::None) throw CliError(ExitCode::Failure, "the chart could not be made");

    // The quality figures are worked out only for the summary that shows them.
    const auto choice = [&] {
        return PictureChoice{colorBit,      args.colors, request.threshold, reduction.kind,
                             args.colours, chart::chartQuality(before, made.chart)};
    };
    finish(args, made.chart, chart::sheetColorBit(colorBit, args.colours), outputs,
           [&](QSize canvas, std::optional<int> pages) {
               return pictureSummary(made.chart, choice(), canvas, PatternFigures{args.pattern, pages});
           });
}

} // namespace pav::cli
