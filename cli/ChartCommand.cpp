// Makes a chart from a picture with the main window's and the chart window's
// own models and no window: install, whole mode at a zoom, preview, the
// generate path with its reduction, the chart window's generation, then the
// chart sheet and the optional stitch pictures, PDF and JSON summary.
// Other tools call this: keep its words stable.
#include "ChartCommand.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/Form1Model.h"
#include "chart/ChartFonts.h"
#include "chart/ChartSaver.h"
#include "chart/oxs/OxsFile.h"
#include "chart/window/Form7Model.h"
#include "chart/window/PrintJob.h"
#include "image/ClsDIB.h"
#include "image/Dither.h"
#include "palette/ColorIndex.h"
#include "palette/ThreadPalette.h"

namespace pav::cli {

const char* const kChartUsage =
    "chart IN [--width N] [--mode 0|1|2|3|4|8|16 | --colors 3..60] [--style blocks+symbols|symbols|blocks] "
    "[--threshold N] [--title T] [--range R] [-o CHART.bmp] [--stitches S.bmp] [--effect E.bmp] [--pdf CHART.pdf] "
    "[--oxs CHART.oxs] [--json]; IN may be an .oxs chart file: no picture, no reduction, every output from the file";

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
    std::string style = chart::texts::styleText(chart::ChartStyle::SymbolsOnly);
    std::string threshold = chart::Form7Model::kDefaultThreshold;
    std::string title;
    std::string range = "DMC";
    std::string output = "chart.bmp";
    std::string stitches, effect, pdf, oxs;
    bool json = false;
};

[[noreturn]] void usageError(const std::string& why) {
    throw CliError(ExitCode::Usage, "chart: " + why + " (usage: " + kChartUsage + ")");
}

int integerOption(const std::string& name, const std::string& text, int low, int high) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty()) usageError(name + " needs a whole number, not '" + text + "'");
    if (value < low || value > high)
        usageError(name + " must be " + std::to_string(low) + ".." + std::to_string(high) + ", not " + text);
    return value;
}

std::string styleText(const std::string& word) {
    static const std::map<std::string, std::string> styles = {
        {"blocks+symbols", chart::texts::styleText(chart::ChartStyle::BlocksAndSymbols)}, {"symbols", chart::texts::styleText(chart::ChartStyle::SymbolsOnly)},
        {"blocks", chart::texts::styleText(chart::ChartStyle::BlocksOnly)},               {chart::texts::styleText(chart::ChartStyle::BlocksAndSymbols), chart::texts::styleText(chart::ChartStyle::BlocksAndSymbols)},
        {chart::texts::styleText(chart::ChartStyle::SymbolsOnly), chart::texts::styleText(chart::ChartStyle::SymbolsOnly)}, {chart::texts::styleText(chart::ChartStyle::BlocksOnly), chart::texts::styleText(chart::ChartStyle::BlocksOnly)},
    };
    const auto found = styles.find(word);
    if (found == styles.end()) usageError("unknown style '" + word + "'");
    return found->second;
}

// Paths are read against the folder the command was started in.
std::string absolute(const std::string& path) {
    return path.empty() ? path : QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

ChartArgs parseArgs(const std::vector<std::string>& args) {
    ChartArgs a;
    bool modeGiven = false;
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
        else if (word == "--style") a.style = styleText(value());
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
        else if (word.size() > 1 && word[0] == '-') usageError("unknown option '" + word + "'");
        else files.push_back(word);
    }
    if (files.size() != 1) usageError("expected one picture IN");
    if (modeGiven && a.colors) usageError("--mode and --colors exclude each other");
    a.input = absolute(files[0]);
    for (std::string* path : {&a.output, &a.stitches, &a.effect, &a.pdf, &a.oxs}) *path = absolute(*path);
    const bool chartFile = QFileInfo(QString::fromStdString(a.input)).suffix().compare("oxs", Qt::CaseInsensitive) == 0;
    if (chartFile && (a.width || a.colors || modeGiven || !a.stitches.empty() || !a.effect.empty()))
        usageError("an .oxs chart has no picture to reduce: --width, --mode, --colors, --stitches and --effect do not apply");
    return a;
}

class RecordedMessages : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class ChartRequest : public app::MainNavigation {
public:
    void showChartWindow() override { requested = true; }
    void showBrowser(bool) override {}
    void showGallery(bool) override {}
    void showSettings() override {}
    void showAbout() override {}
    void openEditor() override {}
    void openChartFile() override {}
    void startScreenCapture() override {}
    void closeOtherWindows() override {}
    bool requested = false;
};

// The working files of the main window ("tmppicv.bmp") go to a private folder, not the user's.
class PrivateFolder {
public:
    PrivateFolder() : m_previous(QDir::currentPath()) {
        if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
            throw CliError(ExitCode::Failure, "cannot create a working folder");
    }
    ~PrivateFolder() { QDir::setCurrent(m_previous); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The fabric's stitches as the main window writes them before a reduction.
void writeStitchPicture(const app::Form1Model& main, const std::string& path) {
    image::ClsDIB picture;
    if (!main.makeStitchPicture(picture)) throw CliError(ExitCode::Failure, "out of memory");
    if (!picture.SaveBMP(path)) throw CliError(ExitCode::Output, "cannot write '" + path + "': " + picture.LastError());
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One object, threads in colour-list order with the exact stitch count of each.
std::string summary(const ChartArgs& args, chart::Form7Model& chart, const ProgramState& state) {
    const int w = chart.chartW(), h = chart.chartH();
    const bool threadRows = chart.whichType() == "DMC";
    std::map<std::int32_t, int> counts;  // by index-matrix value
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ++counts[state.index.at(x, y)];
    std::string json = "{\"fabric\":{\"width\":" + std::to_string(w) + ",\"height\":" + std::to_string(h) + "}";
    json += ",\"mode\":" + std::to_string(args.colors ? 99 : args.mode);
    json += ",\"colors\":" + (args.colors ? std::to_string(*args.colors) : std::string("null"));
    json += ",\"range\":" + jsonString(chart.whichType());
    int threshold = 0;
    palette::parseThreshold(chart.thresholdText(), threshold);
    json += ",\"threshold\":" + std::to_string(threshold);
    json += ",\"maxColor\":" + std::to_string(state.maxColor);
    json += ",\"total\":" + std::to_string(w * h);
    json += ",\"canvas\":{\"width\":" + std::to_string(chart.canvas().width()) +
            ",\"height\":" + std::to_string(chart.canvas().height()) + "}";
    json += ",\"threads\":[";
    for (int p = 1; p <= state.colorCount; ++p) {
        const std::int32_t entry = state.colorList[static_cast<std::size_t>(p)];
        bool inLegend = false;
        for (int k = 1; k <= state.maxColor; ++k) inLegend = inLegend || state.legend[static_cast<std::size_t>(k)].position == p;
        const int count = counts.count(threadRows ? entry : p) ? counts[threadRows ? entry : p] : 0;
        if (p > 1) json += ",";
        json += "{\"position\":" + std::to_string(p);
        if (threadRows) {
            const palette::ThreadEntry& thread = palette::dmcThreads()[static_cast<std::size_t>(entry - 1)];
            json += ",\"row\":" + std::to_string(entry) + ",\"number\":" + jsonString(trimmed(thread.number)) +
                    ",\"rgb\":" + jsonString(palette::hexColourText(thread.color));
        } else {
            json += ",\"row\":null,\"number\":" + jsonString(palette::hexColourText(entry)) + ",\"rgb\":" + jsonString(palette::hexColourText(entry));
        }
        json += ",\"count\":" + std::to_string(count) +
                ",\"symbol\":" + jsonString(chart.chart().threads()[static_cast<std::size_t>(p - 1)].symbol) +
                ",\"inLegend\":" + (inLegend ? "true" : "false") + "}";
    }
    return json + "]}";
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

// Install, whole mode at the zoom, preview. False when the picture cannot be read.
void installOnFabric(app::Form1Model& main, const ChartArgs& args) {
    main.setSourceDetail(kPictureDetail);
    main.formLoad("");
    if (!main.loadSourcePicture(args.input)) {
        if (!main.picture3())
            throw CliError(ExitCode::Input, "cannot read picture '" + args.input + "': " + main.pictureError().reason);
        throw CliError(ExitCode::Input, "picture '" + args.input + "' does not fit the fabric");
    }
    main.command11Click();
    // Without --width, the width bar's value, as far as the zoom bar reaches
    // (a picture narrower than 16 pixels ends its zoom bar below 230).
    const int zoom =
        args.width.value_or(std::clamp(main.wChange.Value(), main.zoom.lowest(), main.zoom.highest()));
    if (zoom < main.zoom.lowest() || zoom > main.zoom.highest())
        usageError("--width must be " + std::to_string(main.zoom.lowest()) + ".." +
                   std::to_string(main.zoom.highest()) + " for this picture, not " + std::to_string(zoom));
    // The whole picture is resampled onto the fabric even when the bar already holds the value.
    if (main.zoom.Value() == zoom) main.zoomChange();
    else main.zoom.setValue(zoom);
    main.previewRoutine();
}

// The chart window over a chart file: it sizes nothing from a picture.
class ChartFileHost : public chart::ChartHost {
public:
    double stitchPictureWidth() const override { return 0; }
    int stitchPictureHeight() const override { return 0; }
    int colorBit() const override { return 16; }
    void setMainControlsEnabled(bool) override {}
};

// The chart's own threads, in order, with their stitch counts, which add up to the stitched cells.
std::string chartSummary(const chart::Form7Model& window) {
    const chart::Chart& c = window.chart();
    std::string json = "{\"fabric\":{\"width\":" + std::to_string(c.width()) + ",\"height\":" + std::to_string(c.height()) + "}";
    json += ",\"range\":" + jsonString(c.rangeName) + ",\"maxColor\":" + std::to_string(c.legend().size());
    json += ",\"total\":" + std::to_string(c.stitchedCells()) + ",\"backStitches\":" + std::to_string(c.backStitches.size());
    json += ",\"notShown\":" + std::to_string(c.file.notShown);
    json += ",\"canvas\":{\"width\":" + std::to_string(window.canvas().width()) +
            ",\"height\":" + std::to_string(window.canvas().height()) + "}";
    json += ",\"threads\":[";
    for (std::size_t t = 0; t < c.threads().size(); ++t) {
        const chart::ChartThread& thread = c.threads()[t];
        if (t > 0) json += ",";
        json += "{\"position\":" + std::to_string(t + 1) + ",\"row\":" + (thread.row > 0 ? std::to_string(thread.row) : "null") +
                ",\"number\":" + jsonString(thread.number) + ",\"rgb\":" + jsonString(palette::hexColourText(thread.rgb)) +
                ",\"count\":" + std::to_string(thread.count) + ",\"symbol\":" + jsonString(thread.symbol) +
                ",\"inLegend\":" + (thread.listed ? "true" : "false") + "}";
    }
    return json + "]}";
}

void writeOutputs(const ChartArgs& args, chart::Form7Model& chart, const std::function<std::string()>& json) {
    QString error;
    if (!chart::saveCanvasBmp(chart.canvas(), QString::fromStdString(args.output), &error))
        throw CliError(ExitCode::Output, "cannot write '" + args.output + "': " + error.toStdString());
    if (!args.pdf.empty() && !print::writeChartPdf(chart, QString::fromStdString(args.pdf), &error))
        throw CliError(ExitCode::Output, "cannot write '" + args.pdf + "': " + error.toStdString());
    if (!args.oxs.empty() &&
        chart::oxs::writeOxsFile(QString::fromStdString(args.oxs), chart.chart(), &error) != chart::oxs::OxsError::None)
        throw CliError(ExitCode::Output, "cannot write '" + args.oxs + "': " + error.toStdString());
    if (args.json) std::printf("%s\n", json().c_str());
}

// IN is a chart file: its chart is drawn as the chart window shows an opened file.
void runChartFile(const ChartArgs& args) {
    const chart::oxs::OxsReadResult read = chart::oxs::readOxsFile(QString::fromStdString(args.input));
    if (!read.ok())
        throw CliError(ExitCode::Input, "cannot read chart '" + args.input + "': " + chart::oxs::errorReason(read.error) +
                                            (read.line > 0 ? " (line " + std::to_string(read.line) + ")" : ""));
    chart::Chart opened = read.chart;
    if (!args.title.empty()) opened.title = args.title;
    RecordedMessages messages;
    ChartFileHost host;
    ProgramState state;
    chart::Form7Model window(state, host, messages);
    window.load();
    window.setStyleText(args.style);
    if (!window.showChart(std::move(opened), TaskDelegate{})) throw CliError(ExitCode::Failure, "the chart could not be drawn");
    writeOutputs(args, window, [&] { return chartSummary(window); });
}

} // namespace

void runChart(const Invocation& invocation) {
    const ChartArgs args = parseArgs(invocation.args);
    ensureApplication(invocation);
    image::initDither();
    chart::installChartFontSubstitutes();
    if (QFileInfo(QString::fromStdString(args.input)).suffix().compare("oxs", Qt::CaseInsensitive) == 0)
        return runChartFile(args);
    PrivateFolder working;

    RecordedMessages messages;
    ChartRequest request;
    app::Form1Model main(messages);
    main.setNavigation(&request);
    installOnFabric(main, args);
    if (!args.stitches.empty()) writeStitchPicture(main, args.stitches);

    main.autoColor = 0;
    main.ColorBit = args.colors ? 99 : args.mode;
    main.rdColorNum = args.colors.value_or(0);
    main.generate();
    if (!request.requested || !messages.texts.empty())
        throw CliError(ExitCode::Failure, "reduction failed: " + (messages.texts.empty() ? "" : messages.texts.front()));
    if (!args.effect.empty()) writeStitchPicture(main, args.effect);

    chart::Form7Model chart(main.state(), main, messages);
    chart.load();
    chart.setXiutuTitle(args.title);
    chart.setWhichType(args.range);
    chart.setStyleText(args.style);
    chart.setThresholdText(args.threshold);
    chart.command1Clicked(TaskDelegate{});
    // The only stop a generation here can meet is the 501st colour, which clears genRunning.
    if (!chart.genRunning())
        throw CliError(ExitCode::Failure, "more than 500 colours in the fabric; reduce them with --mode or --colors");

    writeOutputs(args, chart, [&] { return summary(args, chart, main.state()); });
}

} // namespace pav::cli
