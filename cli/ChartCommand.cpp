// Makes a chart from a picture through the chart level's one pipeline, as the
// windows take its steps: the picture stretched onto the fabric in whole mode at
// a zoom, the reduction, the colour index, then the chart sheet and the optional
// stitch pictures, PDF, chart file and JSON summary. An .oxs IN is charted as it
// is. Every output is made in memory first and written only when all of them
// could be made. Other tools call this: keep its words stable.
#include "ChartCommand.h"

#include "ChartArgs.h"
#include "ChartFileNotes.h"
#include "ChartOutputs.h"
#include "ChartSummary.h"

#include <cstdio>

#include <QGuiApplication>

#include "base/UiText.h"
#include "chart/ChartFonts.h"
#include "chart/ChartPipeline.h"
#include "chart/StitchMarks.h"
#include "chart/oxs/OxsFile.h"
#include "image/Dither.h"

namespace pav::cli {

namespace {

// The fabric of a whole-mode chart never exceeds 230 x 250 stitches; twice that
// keeps the area-averaged stretch as good as from the full photo.
const QSize kPictureDetail(460, 500);

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

// A fabric's stitches as a 24-bit picture: before the reduction (--stitches) and after it (--effect).
void addStitches(Outputs& outputs, const std::string& path, const colour::RgbGrid& stitches, chart::FabricSize fabric) {
    if (path.empty()) return;
    image::ClsDIB picture;
    if (!chart::makeStitchPicture(stitches, fabric, picture)) throw CliError(ExitCode::Failure, "out of memory");
    outputs.addBmp(path, picture);
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
    // A chart from a file has no reduction: its swatches keep their colours.
    Outputs outputs;
    finishChart(args, opened, chart::Swatches::ThreadColours, outputs, [&](QSize canvas, std::optional<int> pages) {
        return fileSummary(opened, canvas, PatternFigures{args.pattern, pages});
    });
    // Said once everything is written, so that a failure stays the one line on stderr.
    if (const std::string notes = chartFileNotes(opened); !notes.empty())
        std::fprintf(stderr, "pavlenta-cli: %s\n", notes.c_str());
}

} // namespace

void runChart(const Invocation& invocation) {
    const ChartArgs args = parseChartArgs(invocation.args);
    ensureApplication(invocation);
    if (args.pattern.language && !setUiLanguage(*args.pattern.language))
        throw CliError(ExitCode::Failure, "the English texts could not be loaded");
    image::initDither();
    chart::installChartFontSubstitutes();
    if (isChartFile(args.input)) return runChartFile(args);

    image::PictureError fault;
    const auto picture = image::SourcePicture::decode(args.input, &fault, kPictureDetail);
    if (!picture) throw CliError(ExitCode::Input, "cannot read picture '" + args.input + "': " + fault.reason);
    const chart::ChartRecipe recipe = recipeOf(args, *picture);
    const chart::MadeChart made = chart::makeChartFromPicture(*picture, recipe, TaskDelegate{});
    if (made.outOfMemory) throw CliError(ExitCode::Failure, "reduction failed: out of memory");
    if (made.error == chart::ChartError::TooManyColours)
        throw CliError(ExitCode::Failure, "more than 500 colours in the fabric; reduce them with --mode, --colors or --threads");
    if (made.error == chart::ChartError::TooManySymbols)
        throw CliError(ExitCode::Failure, "more than 240 threads on the chart, past the symbols; reduce them with "
                                          "--mode, --colors, --threads or a higher --threshold");
    if (made.error != chart::ChartError::None) throw CliError(ExitCode::Failure, "the chart could not be made");

    Outputs outputs;
    addStitches(outputs, args.stitches, made.before, recipe.fabric);
    addStitches(outputs, args.effect, made.after, recipe.fabric);
    // The quality figures are worked out only for the summary that shows them.
    const auto choice = [&] {
        return PictureChoice{reductionModeOf(args), args.colors,   recipe.threshold, recipe.reduction.kind,
                             args.colours,          made.quality()};
    };
    finishChart(args, made.chart, recipe.swatches(), outputs, [&](QSize canvas, std::optional<int> pages) {
        return pictureSummary(made.chart, choice(), canvas, PatternFigures{args.pattern, pages});
    });
}

} // namespace pav::cli
