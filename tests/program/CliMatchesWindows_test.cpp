// The command line and the windows make the same chart: the same picture,
// width, reduction, range and style through the main window's and the chart
// window's models (install, "全图", the zoom bar, "效果预览->", "生成", the
// chart window's "生成") and through pavlenta-cli give identical stitch and
// effect pictures, sheets and thread lists.

#include "CliRun.h"

#include "app/Form1Model.h"
#include "app/MainNavigation.h"
#include "chart/ChartFonts.h"
#include "chart/ChartSaver.h"
#include "chart/window/Form7Model.h"
#include "image/ClsDIB.h"
#include "image/Dither.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using namespace pav;

class Silence : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class ChartWindowRequest : public app::MainNavigation {
public:
    void showChartWindow() override { shown = true; }
    void showBrowser(bool) override {}
    void showGallery(bool) override {}
    void showSettings() override {}
    void showAbout() override {}
    void openEditor() override {}
    void openChartFile() override {}
    void startScreenCapture() override {}
    void closeOtherWindows() override {}
    bool shown = false;
};

QByteArray bmpBytes(const image::ClsDIB& picture) {
    const std::vector<std::uint8_t> bytes = picture.BmpFileBytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Case {
    const char* name;
    QString picture;         // in the test's folder or the gallery
    std::optional<int> width;
    int colorBit;            // 99: --colors
    int colours;
    chart::ChartStyle style;
    const char* styleWord;
    std::string range;
    chart::ColourChoice colourChoice{}; // the settings dialog's colour controls
    QStringList colourArgs{};           // the same as options
};

struct WindowChart {
    QByteArray stitches, effect, sheet;
    QJsonArray threads;
    colour::ChartQuality quality;
};

// What a user gets through the windows.
WindowChart throughTheWindows(const Case& c, const QString& folder) {
    Silence messages;
    ChartWindowRequest navigation;
    app::Form1Model main(messages);
    main.setNavigation(&navigation);
    main.setSourceDetail(QSize(460, 500)); // the detail the command line decodes at
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder); // the main window's working files go to the current folder
    main.formLoad("");
    EXPECT_TRUE(main.loadSourcePicture(c.picture.toStdString()));
    main.command11Click();
    const int zoom = c.width.value_or(std::clamp(main.wChange.Value(), main.zoom.lowest(), main.zoom.highest()));
    if (main.zoom.Value() == zoom) main.zoomChange();
    else main.zoom.setValue(zoom);
    main.previewRoutine();

    WindowChart made;
    image::ClsDIB picture;
    EXPECT_TRUE(main.makeStitchPicture(picture));
    made.stitches = bmpBytes(picture);
    main.autoColor = 0;
    main.ColorBit = c.colorBit;
    main.rdColorNum = c.colours;
    main.colourChoice = c.colourChoice;
    main.generate();
    EXPECT_TRUE(navigation.shown);
    EXPECT_TRUE(main.makeStitchPicture(picture));
    made.effect = bmpBytes(picture);

    chart::Form7Model window(main, messages);
    window.load();
    window.setWhichType(c.range);
    window.setStyle(c.style);
    window.command1Clicked(TaskDelegate{});
    made.sheet = chart::canvasBmpBytes(window.canvas());
    made.quality = window.quality();
    // The summary lists the threads on the sheet: not those whose stitches went to a listed one.
    for (const chart::ChartThread& thread : window.chart().threads())
        if (thread.count > 0)
            made.threads.append(QJsonObject{{"number", QString::fromStdString(thread.number)},
                                        {"count", thread.count},
                                        {"symbol", QString::fromStdString(thread.symbol)},
                                        {"inLegend", thread.listed}});
    QDir::setCurrent(previous);
    EXPECT_TRUE(messages.texts.empty());
    return made;
}

TEST(CliMatchesWindows, SamePictureSameChart) {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    image::initDither();
    chart::installChartFontSubstitutes();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString gallery = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) + "/assets/gallery";
    // A tall picture: its fabric width holds a fraction, which the chart rounds.
    QImage tall(100, 133, QImage::Format_RGB32);
    for (int y = 0; y < tall.height(); ++y)
        for (int x = 0; x < tall.width(); ++x) tall.setPixel(x, y, qRgb(2 * x, y, 255 - x - y / 2));
    ASSERT_TRUE(tall.save(dir.filePath("tall.png")));
    const QString parrot = gallery + "/动物/parrot.jpg";
    const QString start = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) + "/assets/logo.dll";

    using chart::ChartStyle;
    const std::vector<Case> cases = {
        {"parrot mode 16", parrot, std::nullopt, 16, 0, ChartStyle::SymbolsOnly, "symbols", "DMC"},
        {"parrot 12 colours", parrot, 90, 99, 12, ChartStyle::BlocksAndSymbols, "blocks+symbols", "DMC"},
        {"start picture as it is", start, 117, 0, 0, ChartStyle::BlocksOnly, "blocks", "DMC"},
        {"tall greys", dir.filePath("tall.png"), 200, 2, 0, ChartStyle::BlocksAndSymbols, "blocks+symbols", "DMC"},
        {"tall own colours", dir.filePath("tall.png"), 60, 3, 0, ChartStyle::SymbolsOnly, "symbols", "CC"},
        // The best threads in the grey mode's place, matched by CIEDE2000; and in the forced reduction's place.
        {"parrot best 20", parrot, 90, 4, 0, ChartStyle::BlocksAndSymbols, "blocks+symbols", "DMC",
         {20, colour::Dither::FloydSteinberg, colour::Cleanup::Strong, colour::FitCriterion::Ciede2000},
         {"--threads", "20", "--dither", "floyd-steinberg", "--cleanup", "strong", "--match", "ciede2000"}},
        {"tall best 8", dir.filePath("tall.png"), 60, 99, 12, ChartStyle::SymbolsOnly, "symbols", "DMC",
         {8}, {"--threads", "8"}},
        {"parrot 12 colours by CIEDE2000", parrot, 90, 99, 12, ChartStyle::BlocksOnly, "blocks", "DMC",
         {0, colour::Dither::None, colour::Cleanup::Light, colour::FitCriterion::Ciede2000}, {"--match", "ciede2000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowChart windows = throughTheWindows(c, dir.path());
        QStringList args{"chart", c.picture, "--style", c.styleWord, "--range", QString::fromStdString(c.range),
                         "-o", "sheet.bmp", "--stitches", "stitches.bmp", "--effect", "effect.bmp", "--json"};
        if (c.width) args << "--width" << QString::number(*c.width);
        if (c.colourChoice.usesBestThreads()) args << c.colourArgs;
        else if (c.colorBit == 99) args << "--colors" << QString::number(c.colours) << c.colourArgs;
        else args << "--mode" << QString::number(c.colorBit) << c.colourArgs;
        const app::testing::CliRun cli = app::testing::runCli(args, dir.path());
        ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
        EXPECT_EQ(fileBytes(dir.filePath("stitches.bmp")), windows.stitches);
        EXPECT_EQ(fileBytes(dir.filePath("effect.bmp")), windows.effect);
        EXPECT_EQ(fileBytes(dir.filePath("sheet.bmp")), windows.sheet);
        QJsonArray threads;
        for (const QJsonValue& t : QJsonDocument::fromJson(cli.out).object()["threads"].toArray()) {
            const QJsonObject o = t.toObject();
            threads.append(QJsonObject{{"number", o["number"]}, {"count", o["count"]}, {"symbol", o["symbol"]},
                                       {"inLegend", o["inLegend"]}});
        }
        EXPECT_FALSE(threads.isEmpty());
        EXPECT_EQ(threads, windows.threads);
        const QJsonObject quality = QJsonDocument::fromJson(cli.out).object()["quality"].toObject();
        EXPECT_NEAR(quality["meanDeltaE2000"].toDouble(), windows.quality.meanDeltaE2000, 0.0005);
        EXPECT_EQ(quality["isolatedStitches"].toInt(), windows.quality.isolatedStitches);
    }
}

} // namespace
