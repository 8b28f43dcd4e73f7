// The chart window's behaviour without widgets: the generation sequence and
// its captions, aborts at every kind of check, the threshold box, and numbered
// saves.

#include "ChartTestSupport.h"

#include "chart/ChartSaver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>

namespace pav::chart::test {
namespace {

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kThin = qRgb(166, 166, 166);
constexpr int W = 20, H = 17, kThreads = 3;

std::int32_t threeThreads(int x, int y) {
    return threadColor(sampleRows()[(x + y * W) % kThreads]);
}

// Records what the view would be told.
struct ObserverLog : Form7Observer {
    const Form7Model* model = nullptr;
    std::vector<double> fills;
    int canvasChanges = 0;
    void form7ControlsChanged() override {}
    void form7ProgressChanged() override { fills.push_back(model->progressFill()); }
    void form7CanvasChanged() override { ++canvasChanges; }
};

// Clicks "中止" (or runs act) at the k-th time the job lets events run.
TaskDelegate actAtYield(int k, std::function<void()> act, int* count) {
    TaskDelegate events;
    events.yield = [k, act, count] {
        if (++*count == k) act();
    };
    return events;
}

TEST(ChartFlow, CompletedGenerationLocksThenFreesTheControlsAndOffersPrinting) {
    ChartRun run(W, H, threeThreads);
    Form7Model& model = run.model;
    EXPECT_EQ(model.command5Caption(), "中止");
    EXPECT_TRUE(model.label1Visible());
    EXPECT_EQ(model.label1Text(), "准备开始生成绣图,请等待约10秒 ...");

    bool checked = false;
    TaskDelegate events;
    events.yield = [&] {
        if (checked) return;
        checked = true; // the state while the job runs
        EXPECT_FALSE(model.command1Enabled());
        EXPECT_FALSE(model.command4Enabled());
        EXPECT_TRUE(model.busy());
        EXPECT_TRUE(model.label1Visible());
        EXPECT_EQ(model.command5Caption(), "中止");
        EXPECT_EQ(run.host.enabledCalls, std::vector<bool>{false});
    };
    run.generate(events);
    EXPECT_TRUE(checked);
    EXPECT_EQ(model.command5Caption(), "打印");
    EXPECT_FALSE(model.label1Visible());
    EXPECT_TRUE(model.command1Enabled());
    EXPECT_TRUE(model.command4Enabled());
    EXPECT_FALSE(model.busy());
    EXPECT_TRUE(model.genRunning());
    EXPECT_EQ(run.host.enabledCalls, (std::vector<bool>{false, true}));
    EXPECT_EQ(model.hScrollMaximum(), 10 * W + 83);
    EXPECT_EQ(model.vScrollMaximum(), run.canvas().height());
    EXPECT_TRUE(run.sink.messages.empty());
}

// Closing unloads the window; loading it again shows the controls as they are
// at first, over an empty canvas, so "打印" cannot print a chart no longer shown.
// The save counter goes on, so earlier saves of the run are not overwritten.
TEST(ChartFlow, ReloadedWindowStartsIdle) {
    QTemporaryDir folder;
    ChartRun run(W, H, threeThreads);
    run.model.setSaveFolder(folder.path());
    run.model.setStyle(ChartStyle::BlocksOnly);
    run.model.setThresholdText("35");
    run.generate();
    run.model.command4Clicked();
    run.model.unload();
    run.host.width = 30;
    run.model.load();

    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_TRUE(run.model.label1Visible());
    EXPECT_EQ(run.model.label1Text(), "准备开始生成绣图,请等待约10秒 ...");
    EXPECT_EQ(run.model.styleText(), "无色块绣图");
    EXPECT_EQ(run.model.style(), ChartStyle::SymbolsOnly);
    EXPECT_EQ(run.model.thresholdText(), "20");
    EXPECT_TRUE(run.model.command1Enabled());
    EXPECT_TRUE(run.model.command4Enabled());
    EXPECT_FALSE(run.model.exportEnabled());
    EXPECT_EQ(run.model.progressFill(), 2);
    EXPECT_EQ(run.canvas().size(), QSize(10 * 30 + 83, 10 * H + 260));
    EXPECT_TRUE(allPixels(run.canvas(), run.canvas().rect(), kWhitePixel));
    run.model.command4Clicked(); // the reloaded window has no chart to save
    EXPECT_EQ(run.model.saveCounter(), 1);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"myxiu001.bmp"});
}

TEST(ChartFlow, ProgressStartsEachPassAtTwoAndEndsFullOrReset) {
    for (const char* style : {texts::styleText(ChartStyle::BlocksAndSymbols), texts::styleText(ChartStyle::BlocksOnly)}) {
        ChartRun run(W, H, threeThreads);
        ObserverLog log;
        log.model = &run.model;
        run.model.setObserver(&log);
        run.model.setProgressFrameWidth(170);
        run.model.setStyle(*chart::texts::styleOfText(style));
        run.generate();
        ASSERT_FALSE(log.fills.empty());
        EXPECT_EQ(log.fills.front(), 2);
        EXPECT_EQ(log.fills[1], 10); // 170 x 1 / 17 after the first row of matching
        // The symbol pass fills the frame; without symbols the fill stays at its start.
        EXPECT_EQ(log.fills.back(), style == texts::styleText(ChartStyle::BlocksOnly) ? 2 : 170) << style;
    }
}

TEST(ChartFlow, ChartSizeComesFromTheFabricInWholeStitchesUpTo320) {
    struct Case {
        double width;
        int height;
        int chartW, chartH;
    } cases[] = {{117.4, 132, 117, 132}, {117.5, 132, 118, 132}, {116.5, 16, 116, 16}, {400, 321, 320, 320}};
    for (const Case& c : cases) {
        ChartRun run(1, 1, threeThreads);
        run.host.width = c.width;
        run.host.height = c.height;
        run.model.load();
        EXPECT_EQ(run.model.chartW(), c.chartW) << c.width;
        EXPECT_EQ(run.model.chartH(), c.chartH) << c.height;
        EXPECT_EQ(run.canvas().size(), QSize(10 * c.chartW + 83, 10 * c.chartH + 260));
    }
}

enum class Stop { Matching, RowLines, ColumnLines, Blocks, Symbols };

struct AbortCase {
    Stop where;
    int within; // the check within that pass that sees the abort (1-based)
};

// How many times the job lets events run before the pass of `where` starts.
int yieldsBefore(Stop where) {
    const int matching = W * H, rewrite = H, rows = H, columns = W, blocks = W * H, swatches = kThreads;
    switch (where) {
    case Stop::Matching:
        return 0;
    case Stop::RowLines:
        return matching + rewrite;
    case Stop::ColumnLines:
        return matching + rewrite + rows;
    case Stop::Blocks:
        return matching + rewrite + rows + columns;
    case Stop::Symbols:
        return matching + rewrite + rows + columns + blocks + swatches;
    }
    return 0;
}

class ChartAbort : public ::testing::TestWithParam<AbortCase> {};

TEST_P(ChartAbort, FirstCheckThatSeesItEndsTheJobAndKeepsThePartialChart) {
    const AbortCase c = GetParam();
    ChartRun run(W, H, threeThreads);
    run.model.setStyle(ChartStyle::BlocksAndSymbols);
    const QSize loadSize = run.canvas().size();
    int yields = 0;
    run.generate(actAtYield(
        yieldsBefore(c.where) + c.within, [&] { run.model.command5Clicked(); }, &yields));

    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_TRUE(run.model.command1Enabled());
    EXPECT_TRUE(run.model.command4Enabled());
    EXPECT_FALSE(run.model.busy());
    EXPECT_FALSE(run.model.genRunning());
    EXPECT_EQ(run.host.enabledCalls, (std::vector<bool>{false, true}));

    const QImage& canvas = run.canvas();
    if (c.where == Stop::Matching) {
        EXPECT_TRUE(run.model.label1Visible());
        EXPECT_EQ(canvas.size(), loadSize);
        EXPECT_TRUE(allPixels(canvas, canvas.rect(), kWhitePixel));
        return;
    }
    EXPECT_FALSE(run.model.label1Visible());
    const int L = int(run.L()), T = int(run.T()), n = c.within;
    const int legendTop = T + 10 * H + 58;
    // The right column of a cell's interior: clear of any Latin symbol.
    const auto blockAt = [&](int x, int y) { return canvas.pixel(L + 10 * x + 9, T + 10 * y + 5); };
    const auto cellHasInk = [&](int x, int y) {
        return !allPixels(canvas, QRect(L + 10 * x + 1, T + 10 * y + 1, 9, 9), blockAt(x, y));
    };
    switch (c.where) {
    case Stop::RowLines: // rows 0 .. n-1 drawn, nothing after
        EXPECT_EQ(canvas.pixel(12, T + 10 * (n - 1)), kThin);
        EXPECT_EQ(canvas.pixel(12, T + 10 * n), kWhitePixel);
        EXPECT_EQ(canvas.pixel(L, T + 5), kWhitePixel);
        break;
    case Stop::ColumnLines:
        EXPECT_EQ(canvas.pixel(L + 10 * (n - 1), T + 5), kThin);
        EXPECT_EQ(canvas.pixel(L + 10 * n, T + 5), kWhitePixel);
        EXPECT_EQ(blockAt(0, 0), kWhitePixel);
        break;
    case Stop::Blocks: { // blocks 0 .. n-1 in reading order
        const int last = n - 1;
        EXPECT_EQ(blockAt(last % W, last / W), qrgbOf(threeThreads(last % W, last / W)));
        EXPECT_EQ(blockAt(n % W, n / W), kWhitePixel);
        EXPECT_EQ(canvas.pixel(L + 10 * W, T + 5), kWhitePixel); // no closing line
        EXPECT_EQ(canvas.pixel(L, legendTop), kWhitePixel);      // no legend
        break;
    }
    case Stop::Symbols: // symbols of stitches 0 .. n-2; the n-th check comes before stitch n-1
        EXPECT_TRUE(cellHasInk(n - 2, 0));
        EXPECT_FALSE(cellHasInk(n - 1, 0));
        EXPECT_EQ(canvas.pixel(L, legendTop), kThin); // legend and footer were drawn
        break;
    default:
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(CheckPoints, ChartAbort,
                         ::testing::Values(AbortCase{Stop::Matching, 5}, AbortCase{Stop::RowLines, 3},
                                           AbortCase{Stop::ColumnLines, 4}, AbortCase{Stop::Blocks, 25},
                                           AbortCase{Stop::Symbols, 7}));

TEST(ChartAbortOther, ClosingTheWindowStopsTheJobLikeTheAbortButton) {
    ChartRun run(W, H, threeThreads);
    run.model.setStyle(ChartStyle::BlocksAndSymbols);
    int yields = 0;
    run.generate(actAtYield(
        yieldsBefore(Stop::Symbols) + 3, [&] { run.model.unload(); }, &yields));
    EXPECT_FALSE(run.model.genRunning());
    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_EQ(run.host.enabledCalls, (std::vector<bool>{false, true}));
}

TEST(ChartAbortOther, TooManyColoursEndsTheGenerationAsAnAbort) {
    ChartRun run(23, 22, [](int x, int y) { return palette::makeRgb(x * 10, y * 10, 7); }); // 506 colours
    run.generate();
    ASSERT_EQ(run.sink.messages.size(), 1u);
    EXPECT_EQ(run.sink.messages[0].text, "    绣图颜色太多，请减色后再生成。。。 ");
    EXPECT_EQ(run.sink.messages[0].title, "Korvane inc.");
    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_TRUE(run.model.command1Enabled());
    EXPECT_EQ(run.host.enabledCalls, (std::vector<bool>{false, true}));
}

TEST(ChartAbortOther, AbortBeforeAnyGenerationOnlyClearsTheFlag) {
    ChartRun run(W, H, threeThreads);
    int prints = 0;
    run.model.setPrintHandler([&] { ++prints; });
    run.model.command5Clicked();
    EXPECT_FALSE(run.model.genRunning());
    EXPECT_TRUE(run.model.command1Enabled());
    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_EQ(prints, 0);
    EXPECT_TRUE(run.host.enabledCalls.empty());

    run.generate();
    run.clock += Form7Model::kCommand5SettleMs;
    run.model.command5Clicked(); // now it reads "打印"
    EXPECT_EQ(prints, 1);
    EXPECT_TRUE(run.model.genRunning());
}

// A press on "中止" that arrives just after the generation ended must not print.
TEST(ChartAbortOther, Command5IgnoresPressesForAMomentAfterItsCaptionChanges) {
    ChartRun run(W, H, threeThreads);
    int prints = 0;
    run.model.setPrintHandler([&] {
        ++prints;
        run.model.setPrinted(); // "打印.." is a change of caption too
    });
    run.generate();
    ASSERT_EQ(run.model.command5Caption(), "打印");
    run.clock += Form7Model::kCommand5SettleMs - 1;
    run.model.command5Clicked();
    EXPECT_EQ(prints, 0);
    EXPECT_TRUE(run.model.genRunning());
    run.clock += 1;
    run.model.command5Clicked();
    EXPECT_EQ(prints, 1);
    run.model.command5Clicked();
    EXPECT_EQ(prints, 1);
    run.clock += Form7Model::kCommand5SettleMs;
    run.model.command5Clicked();
    EXPECT_EQ(prints, 2);

    // The next generation turns it into "中止" again: an early press does not abort.
    run.clock += 1000;
    int yields = 0;
    run.generate(actAtYield(3, [&] { run.model.command5Clicked(); }, &yields));
    EXPECT_EQ(run.model.command5Caption(), "打印");
    run.clock += 1000;
    yields = 0;
    run.generate(actAtYield(
        3,
        [&] {
            run.clock += Form7Model::kCommand5SettleMs;
            run.model.command5Clicked();
        },
        &yields));
    EXPECT_EQ(run.model.command5Caption(), "中止");
}

TEST(ChartAbortOther, StyleChosenWhileTheLinesAreDrawnDecidesTheBlocks) {
    ChartRun run(W, H, threeThreads);
    run.model.setStyle(ChartStyle::BlocksAndSymbols);
    int yields = 0;
    run.generate(actAtYield(
        yieldsBefore(Stop::RowLines) + 1, [&] { run.model.setStyle(ChartStyle::SymbolsOnly); }, &yields));
    const int L = int(run.L()), T = int(run.T());
    EXPECT_EQ(run.canvas().pixel(L + 9, T + 9), kWhitePixel); // no block, symbols still drawn
    EXPECT_EQ(run.model.command5Caption(), "打印");
}

struct ThresholdCase {
    std::string typed, kept;
    bool message;
};

TEST(ChartThreshold, NonNumbersBecomeZeroWithAMessage) {
    const ThresholdCase cases[] = {{"abc", "0", true},       {"", "0", true},     {"40000", "0", true},
                                   {"12a", "0", true},       {"35", "35", false}, {"-5", "-5", false},
                                   {"32767", "32767", false}};
    for (const ThresholdCase& c : cases) {
        ChartRun run(W, H, threeThreads);
        run.model.setThresholdText(c.typed);
        EXPECT_EQ(run.model.thresholdText(), c.kept) << c.typed;
        ASSERT_EQ(run.sink.messages.size(), c.message ? 1u : 0u) << c.typed;
        if (!c.message) continue;
        EXPECT_EQ(run.sink.messages[0].text, "输入有错误,只能是数字");
        EXPECT_EQ(run.sink.messages[0].title, "Korvane");
    }
    ChartRun run(W, H, threeThreads);
    run.model.check1Clicked();
    EXPECT_EQ(run.model.thresholdText(), "0");
    EXPECT_TRUE(run.sink.messages.empty());
}

int rowOfNumber(const std::string& number) {
    for (int r = 1; r <= palette::kThreadRows; ++r)
        if (threadNumber(r) == number) return r;
    return 0;
}

// Black 310 and white 5200 fill the picture; 19 stitches of the very light grey
// 762 sit in the first row. Under a threshold of 20 the grey is folded into the
// white, its nearest listed thread.
TEST(ChartThreshold, ThreadsUnderTheThresholdGiveTheirStitchesToTheNearestListedThread) {
    const int black = rowOfNumber("310"), white = rowOfNumber("5200"), grey = rowOfNumber("762");
    ASSERT_TRUE(black && white && grey);
    const auto picture = [&](int x, int y) {
        if (y == 0 && x >= 1 && x < 20) return threadColor(grey);
        return threadColor((x + y) % 2 ? white : black);
    };
    struct Case {
        const char* threshold;
        int legend;
    };
    for (const Case c : {Case{"20", 2}, Case{"19", 3}, Case{"0", 3}}) {
        SCOPED_TRACE(c.threshold);
        ChartRun run(W, H, picture);
        run.model.setThresholdText(c.threshold);
        run.generate();
        const Chart& chart = run.model.chart();
        ASSERT_EQ(chart.threads().size(), 3u);
        EXPECT_EQ(static_cast<int>(chart.legend().size()), c.legend);
        EXPECT_EQ(run.maxColor(), c.legend);
        // Listed threads keep their colour-list positions and symbols: black, grey, white.
        EXPECT_EQ(chart.threads()[0].row, black);
        EXPECT_EQ(chart.threads()[1].row, grey);
        EXPECT_EQ(chart.threads()[2].row, white);
        EXPECT_EQ(chart.threads()[2].symbol, "C");
        int listedStitches = 0;
        for (const int t : chart.legend()) listedStitches += chart.threads()[static_cast<std::size_t>(t)].count;
        EXPECT_EQ(listedStitches, W * H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const ChartThread& thread = chart.threads()[static_cast<std::size_t>(chart.threadAt(x, y))];
                ASSERT_TRUE(thread.listed) << x << "," << y;
                EXPECT_EQ(chart.blockColour(x, y), picture(x, y)) << x << "," << y;
            }
        const bool folded = c.legend == 2;
        EXPECT_EQ(chart.threadAt(5, 0), folded ? 2 : 1);
        EXPECT_EQ(chart.threads()[1].count, folded ? 0 : 19);
    }
}

TEST(ChartThreshold, AThresholdNoThreadReachesListsEveryThread) {
    ChartRun run(W, H, threeThreads);
    run.model.setThresholdText("1000");
    run.generate();
    EXPECT_EQ(run.model.chart().legend().size(), 3u);
    EXPECT_EQ(run.maxColor(), 3);
    EXPECT_EQ(run.model.command5Caption(), "打印");
}

// Grey 128 is nearer by RGB to (143, 128, 128) and nearer by CIEDE2000 to grey 138.
TEST(ChartThreshold, FoldingFollowsTheMatchingCriterion) {
    const std::int32_t grey = palette::makeRgb(128, 128, 128);
    const std::int32_t lighter = palette::makeRgb(138, 138, 138), redder = palette::makeRgb(143, 128, 128);
    for (const auto& [criterion, expected] :
         {std::pair{palette::FitCriterion::Rgb, 2}, std::pair{palette::FitCriterion::Ciede2000, 0}}) {
        Chart chart(3, 1);
        chart.range = ThreadRange::OwnColours;
        for (const std::int32_t rgb : {lighter, grey, redder}) {
            ChartThread thread;
            thread.rgb = rgb;
            chart.threads().push_back(thread);
        }
        chart.threads()[1].listed = false;
        for (int x = 0; x < 3; ++x) chart.setThreadAt(x, 0, x);
        foldUnlistedThreads(chart, criterion);
        EXPECT_EQ(chart.threadAt(1, 0), expected);
        EXPECT_EQ(chart.threads()[static_cast<std::size_t>(expected)].count, 2);
    }
}

// 272 own colours: 240 appear twice, the last 32 once, past the symbol set.
TEST(ChartThreshold, ThreadsPastTheSymbolSetAreRefusedUnlessFolded) {
    const auto colours = [](int x, int y) {
        const int i = y * 32 + x; // 0..511
        const int c = i < 480 ? i / 2 : 240 + (i - 480);
        return palette::makeRgb(c % 256, c / 256 * 40, 9);
    };
    struct Case {
        const char* threshold;
        bool refused;
    };
    for (const Case c : {Case{"2", false}, Case{"0", true}}) {
        SCOPED_TRACE(c.threshold);
        ChartRun run(32, 16, colours);
        run.model.setWhichType("CC");
        run.model.setThresholdText(c.threshold);
        run.generate();
        if (c.refused) {
            ASSERT_EQ(run.sink.messages.size(), 1u);
            EXPECT_EQ(run.sink.messages[0].text, "    绣图颜色超过240种，符号不够用，请减色后再生成。。。 ");
            EXPECT_FALSE(run.model.genRunning());
            EXPECT_EQ(run.model.command5Caption(), "中止");
            EXPECT_TRUE(run.model.command1Enabled());
        } else {
            EXPECT_TRUE(run.sink.messages.empty());
            EXPECT_EQ(run.model.chart().legend().size(), 240u);
            EXPECT_EQ(run.model.command5Caption(), "打印");
        }
    }
}

// The bits per pixel and size of a BMP file, and its pixels as 32-bit.
struct BmpFile {
    int bits = 0;
    QImage pixels;
};
BmpFile readBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray header = file.peek(30);
    BmpFile bmp;
    bmp.bits = header.size() == 30 ? static_cast<unsigned char>(header[28]) | (header[29] << 8) : 0;
    bmp.pixels = QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
    return bmp;
}

TEST(ChartSave, NumberedFilesHoldTheWholeCanvas) {
    QTemporaryDir folder;
    ChartRun run(W, H, threeThreads);
    run.model.setSaveFolder(folder.path());
    run.generate();
    for (int i = 0; i < 3; ++i)
        run.model.command4Clicked();

    EXPECT_EQ(run.model.saveCounter(), 3);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{"myxiu001.bmp", "myxiu002.bmp", "myxiu003.bmp"}));
    ASSERT_EQ(run.sink.messages.size(), 3u);
    EXPECT_EQ(run.sink.messages[2].text,
              ("  绣图文件保存成功在" + folder.path() + "/myxiu003.bmp").toStdString());
    EXPECT_EQ(run.sink.messages[2].title, "Korvane,make life fun!");
    const BmpFile saved = readBmp(folder.filePath("myxiu003.bmp"));
    EXPECT_EQ(saved.bits, 24);
    EXPECT_TRUE(QFileInfo(folder.filePath("myxiu003.bmp")).permissions() & QFileDevice::ReadOther);
    EXPECT_EQ(saved.pixels, run.canvas().convertToFormat(QImage::Format_RGB32));
}

TEST(ChartSave, BeforeAnyGenerationNothingIsWrittenAndTheMessageSaysSo) {
    QTemporaryDir folder;
    ChartRun run(W, H, threeThreads);
    run.model.setSaveFolder(folder.path());
    run.model.command4Clicked();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(run.model.saveCounter(), 0);
    ASSERT_EQ(run.sink.messages.size(), 1u);
    EXPECT_EQ(run.sink.messages[0].text, "  还没有绣图可以保存，请先按“生成”。  ");
    EXPECT_EQ(run.sink.messages[0].title, "Korvane");

    // The first chart is then the first file.
    run.generate();
    run.model.command4Clicked();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"myxiu001.bmp"});
}

// A chart that is in no file is not replaced without a question, and "生成" says that
// it replaces a chart opened from a file; "取消" keeps the sheet as it is.
TEST(ChartReplace, UnsavedChartsAndOpenedFilesAreNotLostSilently) {
    QTemporaryDir folder;
    ChartRun run(W, H, threeThreads);
    run.model.setSaveFolder(folder.path());
    EXPECT_FALSE(run.model.hasUnsavedChart());
    EXPECT_TRUE(run.model.mayReplaceWithFile()); // nothing to lose yet
    run.generate();
    EXPECT_TRUE(run.model.hasUnsavedChart());
    run.sink.answer = false;
    EXPECT_FALSE(run.model.mayReplaceWithFile());
    ASSERT_EQ(run.sink.questions.size(), 1u);
    EXPECT_EQ(run.sink.questions[0], "  当前的绣图还没有保存，打开绣图文件会替换它，继续吗？  ");
    run.model.command4Clicked();
    EXPECT_FALSE(run.model.hasUnsavedChart());
    EXPECT_TRUE(run.model.mayReplaceWithFile());
    EXPECT_EQ(run.sink.questions.size(), 1u);

    // A chart from a file: in its file already, but "生成" asks before replacing it.
    Chart opened = run.model.chart();
    opened.title = "from a file";
    ASSERT_TRUE(run.model.showChart(opened, TaskDelegate{}));
    EXPECT_FALSE(run.model.hasUnsavedChart());
    run.generate(); // cancelled
    ASSERT_EQ(run.sink.questions.size(), 2u);
    EXPECT_EQ(run.sink.questions[1], "  窗口中是打开的绣图文件。生成会用主窗口的图片做一张新绣图替换它，继续吗？  ");
    EXPECT_TRUE(run.model.showsGivenChart());
    EXPECT_EQ(run.model.chart().title, "from a file");
    run.sink.answer = true;
    run.generate();
    EXPECT_FALSE(run.model.showsGivenChart());
    EXPECT_TRUE(run.model.hasUnsavedChart());

    // Back from the colour editor, the chart is in no file.
    ASSERT_TRUE(run.model.showChart(opened, TaskDelegate{}));
    run.model.markEdited();
    EXPECT_TRUE(run.model.hasUnsavedChart());
}

TEST(ChartSave, FileNamesHaveAtLeastThreeDigits) {
    const std::pair<int, const char*> cases[] = {{1, "myxiu001.bmp"},
                                                 {3, "myxiu003.bmp"},
                                                 {42, "myxiu042.bmp"},
                                                 {999, "myxiu999.bmp"},
                                                 {1000, "myxiu1000.bmp"}};
    for (const auto& [counter, name] : cases)
        EXPECT_EQ(chartFileName(counter), name);
}

TEST(ChartSave, AFailedSaveIsReportedLeavesNoFileAndTheNextSaveWorks) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("myxiu001.bmp")); // the first name cannot become a file
    ChartRun run(W, H, threeThreads);
    run.model.setSaveFolder(folder.path());
    run.generate();
    run.model.command4Clicked();
    ASSERT_EQ(run.sink.messages.size(), 1u);
    EXPECT_EQ(run.sink.messages[0].title, "Korvane");
    EXPECT_EQ(run.sink.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(run.sink.messages[0].text.rfind(
                  "  绣图文件没有保存：" + folder.filePath("myxiu001.bmp").toStdString(), 0),
              0u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"myxiu001.bmp"});

    run.model.command4Clicked();
    EXPECT_TRUE(QFileInfo(folder.filePath("myxiu002.bmp")).isFile());
    EXPECT_EQ(run.sink.messages.back().title, "Korvane,make life fun!");

    run.model.setSaveFolder(folder.filePath("no such folder"));
    run.model.command4Clicked();
    EXPECT_EQ(run.sink.messages.back().icon, MessageIcon::Warning);
    // The reason in the program's words, not the system's English.
    EXPECT_EQ(run.sink.messages.back().text,
              "  绣图文件没有保存：" + folder.filePath("no such folder/myxiu003.bmp").toStdString() + "\n文件夹不存在");
}

} // namespace
} // namespace pav::chart::test
