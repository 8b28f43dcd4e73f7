#include "EditorFixture.h"


namespace pav::editor::test {
namespace {

using Side = Form9Model::ListSide;
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kZoomGrid = qRgb(200, 200, 200);
constexpr QRgb kListGrid = qRgb(222, 222, 222);
const QString kInitialCounter = QStringLiteral("颜色总数：0 替换0处");

// A colour one step of red away from a thread's own colour: the stitch picture
// holds picture colours, and replacing must put the thread colour in their place.
std::int32_t nudged(std::int32_t rgb) {
    return rgb ^ 1;
}

// ---------------------------------------------------------------- opening

TEST_F(EditorTest, OpeningShowsTheChartWithNothingChosen) {
    struct Case {
        int w, h;
    };
    for (const Case& c : {Case{10, 12}, Case{20, 22}, Case{400, 3}}) {
        SCOPED_TRACE(c.w);
        stageThreads(c.w, c.h, [](int x, int) { return x < 5 ? kRowA : kRowB; });
        ASSERT_TRUE(openEditor());
        EXPECT_EQ(editor->chartW(), c.w);
        EXPECT_EQ(editor->chartH(), c.h);
        EXPECT_EQ(editor->marker(), QRect(0, 0, c.w / 4, c.h / 4));
        EXPECT_EQ(editor->magnified().size(), QSize(std::min(2 * c.w, 385), std::min(2 * c.h, 327)));
        EXPECT_EQ(editor->list(Side::Source).size(), QSize(196, 600));
        EXPECT_EQ(editor->colorTotal(), 2);
        EXPECT_EQ(editor->thumbnail().pixel(c.w - 1, 0), qrgbOf(threadRgb(kRowB)));
        EXPECT_EQ(editor->srcColor(), Form9Model::kNone);
        EXPECT_EQ(editor->dstColor(), Form9Model::kNone);
        EXPECT_EQ(editor->counterText(), kInitialCounter);
        EXPECT_FALSE(editor->undoEnabled());
        // The lists are not drawn at opening, so nothing can be picked from them yet.
        pressEntry(Side::Source, 1);
        EXPECT_EQ(editor->srcColor(), Form9Model::kNone);
    }
}

TEST_F(EditorTest, AChartWithoutCellsOpensNothingAndLeavesNoStaleChart) {
    stageThreads(4, 4, [](int x, int) { return x < 2 ? kRowA : kRowB; });
    ASSERT_TRUE(openEditor());
    editor->pressThumbnail();
    replaceEntries(1, 2);
    ASSERT_EQ(editor->replaceCount(), 1);

    EXPECT_FALSE(editor->open(chart::Chart()));
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(editor->chartW(), 0);
    EXPECT_TRUE(editor->thumbnail().isNull());
    // The handlers of the closed editor do nothing.
    editor->undo();
    editor->replace();
    editor->done();
    EXPECT_EQ(host.shown, 0);
}

// ---------------------------------------------------------------- marker and magnified view

TEST_F(EditorTest, MarkerBottomRightFollowsThePointerButNeverLeavesTheTopOrLeft) {
    stageThreads(100, 120, [](int, int) { return kRowA; });
    ASSERT_TRUE(openEditor()); // marker 25 x 30
    struct Move {
        int x, y;
        QPoint topLeft;
    };
    for (const Move& m : {Move{60, 70, {35, 40}}, Move{20, 70, {35, 40}}, Move{25, 29, {0, 40}},
                          Move{99, 119, {74, 89}}, Move{100, 50, {74, 89}}, Move{-1, 5, {74, 89}}}) {
        editor->moveOverThumbnail(m.x, m.y);
        EXPECT_EQ(editor->marker().topLeft(), m.topLeft) << m.x << "," << m.y;
        EXPECT_EQ(editor->marker().size(), QSize(25, 30));
    }
}

TEST_F(EditorTest, MagnifiedViewShowsOneStitchPerEightPixelCellFromTheMarker) {
    struct Case {
        int w, h;
        QSize view;
        QSize marker;
        int wholeColumns, wholeRows;
    };
    for (const Case& c : {Case{100, 120, {200, 240}, {25, 30}, 25, 30}, //
                          Case{230, 250, {385, 327}, {57, 62}, 48, 41}}) {
        SCOPED_TRACE(c.w);
        auto colourAt = [](int x, int y) { return palette::makeRgb(x, y, 77); };
        stageChart(c.w, c.h, colourAt);
        ASSERT_TRUE(openEditor());
        EXPECT_EQ(editor->magnified().size(), c.view);
        EXPECT_EQ(editor->marker().size(), c.marker);

        editor->moveOverThumbnail(c.w - 1, c.h - 1);
        editor->pressThumbnail();
        const int sx = c.w - 1 - c.marker.width(), sy = c.h - 1 - c.marker.height();
        const QImage& view = editor->magnified();
        for (int r = 0; r < c.wholeRows; ++r) {
            for (int col = 0; col < c.wholeColumns; ++col) {
                const int x = 8 * col, y = 8 * r;
                ASSERT_EQ(rgbOf(view.pixel(x + 1, y + 1)), colourAt(sx + col, sy + r)) << col << "," << r;
                ASSERT_EQ(rgbOf(view.pixel(x + 5, y + 5)), colourAt(sx + col, sy + r));
                ASSERT_EQ(view.pixel(x, y + 3), kZoomGrid);
                ASSERT_EQ(view.pixel(x + 3, y), kZoomGrid);
                if (x + 6 < view.width()) {
                    ASSERT_EQ(view.pixel(x + 6, y + 3), kWhite);
                }
            }
        }
        // Past the whole columns only the next cell's grid line or nothing is left.
        const int next = 8 * c.wholeColumns;
        if (next < view.width()) {
            EXPECT_EQ(view.pixel(next, 3), kZoomGrid);
        }
    }
}

// ---------------------------------------------------------------- picking

TEST_F(EditorTest, PicksMatchThreadsOfTheListAndIgnoreGridGapsAndEmptySpace) {
    enum class Surface { Magnified, Source, Target };
    struct Case {
        const char* what;
        Surface surface;
        QPoint at;
        std::int32_t src, dst;
    };
    const QPoint entry2 = Form9Model::swatchRect(2).center();
    const QPoint entry3 = Form9Model::swatchRect(3).center();
    const std::vector<Case> cases = {
        {"left list swatch", Surface::Source, entry2, kRowB, Form9Model::kNone},
        {"right list swatch", Surface::Target, entry3, Form9Model::kNone, kRowC},
        {"swatch edge pixel", Surface::Source, {18 + 15, 14 - 3}, kRowB, Form9Model::kNone},
        {"list grid line", Surface::Source, {18, 5}, Form9Model::kNone, Form9Model::kNone},
        {"gap beside a swatch", Surface::Target, {16, 5}, Form9Model::kNone, Form9Model::kNone},
        {"gap below a swatch", Surface::Source, {5, 12}, Form9Model::kNone, Form9Model::kNone},
        {"entry past the count", Surface::Source, Form9Model::swatchRect(4).center(), Form9Model::kNone,
         Form9Model::kNone},
        {"outside the list", Surface::Target, {400, 3}, Form9Model::kNone, Form9Model::kNone},
        {"magnified stitch", Surface::Magnified, {8 * 2 + 3, 3}, kRowC, Form9Model::kNone},
        {"magnified grid", Surface::Magnified, {8 * 2, 3}, Form9Model::kNone, Form9Model::kNone},
        {"magnified gap", Surface::Magnified, {8 * 2 + 7, 3}, Form9Model::kNone, Form9Model::kNone},
    };
    // Picture colours near the threads A, B, C, column by column.
    stageChart(12, 8, [&](int x, int) {
        return nudged(threadRgb(x % 3 == 0 ? kRowA : x % 3 == 1 ? kRowB : kRowC));
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(openEditor());
        editor->pressThumbnail(); // draws the magnified view and, the first time, the lists
        ASSERT_EQ(listed(), (std::vector<std::int32_t>{kRowA, kRowB, kRowC}));
        switch (c.surface) {
        case Surface::Magnified:
            editor->pressMagnified(c.at.x(), c.at.y());
            break;
        case Surface::Source:
            editor->pressList(Side::Source, c.at.x(), c.at.y());
            break;
        case Surface::Target:
            editor->pressList(Side::Target, c.at.x(), c.at.y());
            break;
        }
        EXPECT_EQ(rowOf(editor->srcColor()), c.src);
        EXPECT_EQ(rowOf(editor->dstColor()), c.dst);
        EXPECT_EQ(editor->swatchRgb(editor->srcColor()), c.src == Form9Model::kNone ? -1 : threadRgb(c.src));
    }
}

// ---------------------------------------------------------------- replace and undo

// Columns of threads A, B, C over a 6 x 2 chart: A at x 0 and 3, B at 1 and 4, C at 2 and 5.
class ReplaceTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        stageChart(6, 2, [&](int x, int) { return nudged(threadRgb(threadAt(x))); });
        ASSERT_TRUE(openEditor());
        editor->pressThumbnail();
    }
    static int threadAt(int x) { return x % 3 == 0 ? kRowA : x % 3 == 1 ? kRowB : kRowC; }

    void scrollBothListsDown() {
        editor->setListScroll(Side::Source, 5);
        editor->setListScroll(Side::Target, 9);
        ASSERT_EQ(editor->listScroll(Side::Source), 5);
    }
    void expectListsAtTopShowing(const std::vector<std::int32_t>& rows) {
        EXPECT_EQ(listed(), rows);
        EXPECT_EQ(editor->colorTotal(), static_cast<int>(rows.size()));
        for (Side side : {Side::Source, Side::Target}) {
            EXPECT_EQ(editor->listScroll(side), 0);
            const QImage& image = editor->list(side);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const QPoint centre = Form9Model::swatchRect(static_cast<int>(i) + 1).center();
                EXPECT_EQ(rgbOf(image.pixel(centre)), threadRgb(rows[i]));
            }
            const QPoint empty = Form9Model::swatchRect(static_cast<int>(rows.size()) + 1).center();
            EXPECT_EQ(image.pixel(empty), kWhite);
            EXPECT_EQ(image.pixel(0, 0), kListGrid);
        }
    }
    // The stitch colours of row 0, as a "完成" would hand them over.
    std::vector<std::int32_t> workingRow() const {
        std::vector<std::int32_t> row;
        for (int x = 0; x < 6; ++x)
            row.push_back(editor->chart().blockColour(x, 0));
        return row;
    }
    std::int32_t picture(int row) const { return nudged(threadRgb(row)); }
};

TEST_F(ReplaceTest, WithoutTwoDifferentChoicesNothingIsRecorded) {
    struct Case {
        int srcEntry, dstEntry; // 0 = not chosen
    };
    for (const Case& c : {Case{0, 0}, Case{1, 0}, Case{0, 2}, Case{2, 2}}) {
        SCOPED_TRACE(testing::Message() << c.srcEntry << "->" << c.dstEntry);
        ASSERT_TRUE(openEditor());
        editor->pressThumbnail();
        if (c.srcEntry) pressEntry(Side::Source, c.srcEntry);
        if (c.dstEntry) pressEntry(Side::Target, c.dstEntry);
        editor->replace();
        EXPECT_EQ(editor->replaceCount(), 0);
        EXPECT_EQ(editor->counterText(), kInitialCounter);
        EXPECT_FALSE(editor->undoEnabled());
        EXPECT_EQ(listed(), (std::vector<std::int32_t>{kRowA, kRowB, kRowC}));
        EXPECT_EQ(editor->thumbnail().pixel(0, 0), qrgbOf(picture(kRowA)));
        EXPECT_EQ(editor->chart().blockColour(0, 1), picture(kRowA));
    }
}

TEST_F(ReplaceTest, ReplaceTwiceThenUndoBringsBackExactlyTheReplacedStitches) {
    scrollBothListsDown();
    replaceEntries(1, 2); // A by B
    EXPECT_EQ(editor->replaceCount(), 1);
    EXPECT_TRUE(editor->undoEnabled());
    EXPECT_EQ(editor->counterText(), QStringLiteral("颜色总数：2  替换1 处"));
    expectListsAtTopShowing({kRowB, kRowC});
    const auto b = threadRgb(kRowB);
    EXPECT_EQ(workingRow(), (std::vector<std::int32_t>{b, picture(kRowB), picture(kRowC), b, picture(kRowB),
                                                       picture(kRowC)}));
    EXPECT_EQ(editor->thumbnail().pixel(3, 1), qrgbOf(b));
    EXPECT_EQ(editor->thumbnail().pixel(4, 1), qrgbOf(picture(kRowB)));
    // The magnified view keeps showing the chart as it was opened.
    EXPECT_EQ(editor->openedChart().blockColour(0, 0), picture(kRowA));
    editor->pressThumbnail();
    EXPECT_EQ(rgbOf(editor->magnified().pixel(3, 3)), picture(kRowA));

    // The same choice again: A is no longer listed, so nothing changes, but the
    // counter line is rewritten and the lists go back to the top.
    scrollBothListsDown();
    editor->replace();
    EXPECT_EQ(rowOf(editor->srcColor()), kRowA);
    EXPECT_EQ(editor->replaceCount(), 1);
    EXPECT_EQ(editor->counterText(), QStringLiteral("颜色总数：2  替换1 处"));
    expectListsAtTopShowing({kRowB, kRowC});

    scrollBothListsDown();
    editor->undo();
    EXPECT_EQ(editor->replaceCount(), 0);
    EXPECT_FALSE(editor->undoEnabled());
    EXPECT_EQ(editor->counterText(), QStringLiteral("颜色总数：3  替换0 处"));
    expectListsAtTopShowing({kRowB, kRowC, kRowA}); // A comes back at the end
    // The replaced stitches get back their own colours; those that were B before stay B.
    EXPECT_EQ(workingRow(), (std::vector<std::int32_t>{picture(kRowA), picture(kRowB), picture(kRowC),
                                                       picture(kRowA), picture(kRowB), picture(kRowC)}));
    EXPECT_EQ(editor->chart().threadAt(3, 1), 0);
    EXPECT_EQ(editor->thumbnail().pixel(3, 1), qrgbOf(picture(kRowA)));
    EXPECT_EQ(editor->thumbnail().pixel(4, 1), qrgbOf(picture(kRowB)));

    // Nothing left to undo.
    editor->undo();
    EXPECT_EQ(editor->replaceCount(), 0);
    expectListsAtTopShowing({kRowB, kRowC, kRowA});
}

// A by B, then B by C, undone one by one: each undo gives back only its own stitches.
TEST_F(ReplaceTest, ChainedReplacementsUndoInTurn) {
    replaceEntries(1, 2); // A by B: list B, C
    replaceEntries(1, 2); // B by C: list C
    const auto b = threadRgb(kRowB), c = threadRgb(kRowC);
    EXPECT_EQ(workingRow(), (std::vector<std::int32_t>{c, c, picture(kRowC), c, c, picture(kRowC)}));
    editor->undo();
    EXPECT_EQ(listed(), (std::vector<std::int32_t>{kRowC, kRowB}));
    EXPECT_EQ(workingRow(), (std::vector<std::int32_t>{b, picture(kRowB), picture(kRowC), b, picture(kRowB),
                                                       picture(kRowC)}));
    editor->undo();
    EXPECT_EQ(listed(), (std::vector<std::int32_t>{kRowC, kRowB, kRowA}));
    EXPECT_EQ(workingRow(), (std::vector<std::int32_t>{picture(kRowA), picture(kRowB), picture(kRowC),
                                                       picture(kRowA), picture(kRowB), picture(kRowC)}));
}

TEST_F(ReplaceTest, UndoHistoryStartsEmptyAtEachOpening) {
    replaceEntries(1, 2);
    ASSERT_EQ(editor->replaceCount(), 1);
    stageChart(6, 2, [&](int x, int) { return picture(threadAt(x)); });
    ASSERT_TRUE(editor->open(staged));
    EXPECT_EQ(editor->replaceCount(), 0);
    EXPECT_FALSE(editor->undoEnabled());
    EXPECT_EQ(editor->counterText(), kInitialCounter);
    editor->undo();
    EXPECT_EQ(listed(), (std::vector<std::int32_t>{kRowA, kRowB, kRowC}));
    EXPECT_EQ(editor->chart().blockColour(1, 0), picture(kRowB));
    // The first press after reopening draws the lists again.
    editor->pressThumbnail();
    pressEntry(Side::Source, 3);
    EXPECT_EQ(rowOf(editor->srcColor()), kRowC);
}

TEST_F(EditorTest, The202ndReplacementDoesNothingButRewritesTheCounter) {
    // 203 stitches, one per thread row 1..203.
    stageThreads(203, 1, [](int x, int) { return x + 1; });
    ASSERT_TRUE(openEditor());
    editor->pressThumbnail();
    for (int n = 1; n <= 201; ++n)
        replaceEntries(2, 1); // each time the second entry into row 1
    ASSERT_EQ(editor->replaceCount(), 201);
    ASSERT_EQ(listed(), (std::vector<std::int32_t>{1, 203}));
    EXPECT_EQ(editor->chart().blockColour(201, 0), threadRgb(1));

    replaceEntries(2, 1); // row 203 into row 1: over the limit
    EXPECT_EQ(editor->replaceCount(), 201);
    EXPECT_TRUE(editor->undoEnabled());
    EXPECT_EQ(editor->counterText(), QStringLiteral("颜色总数：2  替换201 处"));
    EXPECT_EQ(listed(), (std::vector<std::int32_t>{1, 203}));
    EXPECT_EQ(editor->chart().blockColour(202, 0), threadRgb(203));

    // Newest first: the last recorded replacement was row 202.
    editor->undo();
    EXPECT_EQ(editor->replaceCount(), 200);
    EXPECT_EQ(listed(), (std::vector<std::int32_t>{1, 203, 202}));
    EXPECT_EQ(editor->counterText(), QStringLiteral("颜色总数：3  替换200 处"));
}

// ---------------------------------------------------------------- done

TEST_F(ReplaceTest, DoneHandsOverTheEditedChartAndItsLegend) {
    replaceEntries(1, 2); // A by B
    editor->done();
    ASSERT_EQ(host.shown, 1);
    const chart::Chart& edited = host.last;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(edited.blockColour(x, y), editor->chart().blockColour(x, y));
    // A keeps its place and symbol with no stitch and no legend entry; B and C count what the sheet shows.
    ASSERT_EQ(edited.threads().size(), 3u);
    EXPECT_FALSE(edited.threads()[0].listed);
    EXPECT_EQ(edited.threads()[0].count, 0);
    EXPECT_EQ(edited.threads()[1].count, 8);
    EXPECT_EQ(edited.threads()[2].count, 4);
    EXPECT_EQ(edited.legend(), (std::vector<int>{1, 2}));

    // A new chart of the handed-over stitches has one thread fewer.
    colour::RgbGrid stitches = colour::filledGrid(6, 2, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) stitches.at(x, y) = edited.blockColour(x, y);
    const chart::ChartResult again = chart::makeChart(stitches, chart::ChartRequest{}, TaskDelegate{});
    ASSERT_EQ(again.chart.threads().size(), 2u);
    EXPECT_EQ(again.chart.threads()[0].row, kRowB);
    EXPECT_EQ(again.chart.threads()[0].count, 8);
    EXPECT_EQ(again.chart.threads()[1].row, kRowC);
}

} // namespace
} // namespace pav::editor::test
