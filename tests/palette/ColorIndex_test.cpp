#include "palette/ColourMatcher.h"
#include "palette/ColorIndex.h"

#include "palette/ThreadPalette.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace pav::palette {
namespace {

struct QSizeLike {
    int w, h;
};

constexpr std::int32_t hex(std::uint32_t rrggbb) {
    return makeRgb((rrggbb >> 16) & 255, (rrggbb >> 8) & 255, rrggbb & 255);
}

// A chart drawn from letters: each string is a row, each letter a colour.
class ColorIndexTest : public ::testing::Test {
protected:
    ColorIndexTest() { task.keepGoing = [this] { return running; }; }

    void paint(const std::vector<std::string>& rows, const std::map<char, std::uint32_t>& colours) {
        stitches = colour::filledGrid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 0);
        for (int y = 0; y < stitches.height; ++y)
            for (int x = 0; x < stitches.width; ++x) stitches.at(x, y) = hex(colours.at(rows[y][x]));
    }

    IndexResult run(int threshold) {
        return indexColours(stitches, ColourIndexJob{range, threshold, nullptr, &task}, index);
    }
    // The entry of each stitch of row y, as its thread row (or colour).
    std::vector<std::int32_t> entryRow(int y) const {
        std::vector<std::int32_t> row;
        for (int x = 0; x < stitches.width; ++x)
            row.push_back(index.entries[static_cast<std::size_t>(index.cells[static_cast<std::size_t>(y * stitches.width + x)])]);
        return row;
    }
    std::vector<std::int32_t> listedEntries() const {
        std::vector<std::int32_t> listed;
        for (std::size_t e = 0; e < index.entries.size(); ++e)
            if (index.listed[e]) listed.push_back(index.entries[e]);
        return listed;
    }

    colour::RgbGrid stitches;
    ColourIndex index;
    std::string range = "DMC";
    bool running = true;
    TaskDelegate task;
};

// Four picture colours, three threads: W and V share white, P is row 1 itself.
const std::map<char, std::uint32_t> kFour = {
    {'P', 0xFFC9B8}, {'W', 0xFFFFFF}, {'V', 0xFEFEFE}, {'K', 0x000000}};

TEST_F(ColorIndexTest, DmcMainPath) {
    paint({"PWV", "KWP", "VVK"}, kFour);
    range = "";
    ASSERT_EQ(run(0), IndexResult::Done);
    EXPECT_TRUE(index.threadRows);
    EXPECT_EQ(entryRow(0), (std::vector<std::int32_t>{1, 393, 393}));
    EXPECT_EQ(entryRow(1), (std::vector<std::int32_t>{421, 393, 1}));
    EXPECT_EQ(entryRow(2), (std::vector<std::int32_t>{393, 393, 421}));
    // Rows in order of first appearance, each with its stitches.
    EXPECT_EQ(index.entries, (std::vector<std::int32_t>{1, 393, 421}));
    EXPECT_EQ(index.counts, (std::vector<int>{2, 5, 2}));
    EXPECT_EQ(index.listedCount(), 3);
}

TEST_F(ColorIndexTest, ThresholdKeepsStitchesButDropsLegendEntries) {
    // A: 19 stitches of row 1, B: 20 stitches of black, C: 1 stitch of white.
    paint({"AAAAAAAAAAAAAAAAAAAC", "BBBBBBBBBBBBBBBBBBBB"},
          {{'A', 0xFFC9B8}, {'B', 0x000000}, {'C', 0xFFFFFF}});
    struct Case {
        int threshold;
        std::vector<std::int32_t> rows;
    };
    const Case cases[] = {
        {20, {421}}, {19, {1, 421}}, {2, {1, 421}}, {0, {1, 393, 421}}, {-5, {1, 393, 421}}, {21, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.threshold);
        ASSERT_EQ(run(c.threshold), IndexResult::Done);
        EXPECT_EQ(listedEntries(), c.rows);
        EXPECT_EQ(index.entries, (std::vector<std::int32_t>{1, 393, 421})); // dropped threads keep their stitches
        EXPECT_EQ(entryRow(0)[19], 393);
    }
    listEveryEntry(index);
    EXPECT_EQ(listedEntries(), (std::vector<std::int32_t>{1, 393, 421}));
}

TEST_F(ColorIndexTest, CountsAreWholeAndAnyChartSizeIsIndexed) {
    // 12345 black stitches then the rest white, on a 320 x 40 and a 2000 x 7 chart.
    for (const QSizeLike size : {QSizeLike{320, 40}, QSizeLike{2000, 7}}) {
        stitches = colour::filledGrid(size.w, size.h, 0);
        for (int i = 0; i < size.w * size.h; ++i) stitches.cells[static_cast<std::size_t>(i)] = i < 12345 ? 0 : kWhite;
        ASSERT_EQ(run(20), IndexResult::Done);
        EXPECT_EQ(index.entries, (std::vector<std::int32_t>{421, 393}));
        EXPECT_EQ(index.counts, (std::vector<int>{12345, size.w * size.h - 12345}));
    }
}

TEST_F(ColorIndexTest, OneColourChart) {
    paint({"KKKK", "KKKK"}, {{'K', 0x000000}});
    ASSERT_EQ(run(20), IndexResult::Done);
    EXPECT_EQ(index.entries, (std::vector<std::int32_t>{421}));
    EXPECT_EQ(index.listedCount(), 0);
    ASSERT_EQ(run(8), IndexResult::Done);
    EXPECT_EQ(index.listedCount(), 1);
    EXPECT_EQ(index.counts[0], 8);
}

TEST_F(ColorIndexTest, ColourRangeListsPictureColours) {
    const std::map<char, std::uint32_t> colours = {{'P', 0xFFC9B8}, {'Q', 0x0A0B0C}, {'R', 0xFFFFFF}};
    for (const char* name : {"CC", "XYZ"}) {
        SCOPED_TRACE(name);
        paint({"PQP", "RPQ"}, colours);
        range = name;
        ASSERT_EQ(run(2), IndexResult::Done); // R (one stitch) is under the threshold
        EXPECT_FALSE(index.threadRows);
        EXPECT_EQ(index.cells, (std::vector<int>{0, 1, 0, 2, 0, 1}));
        EXPECT_EQ(index.entries, (std::vector<std::int32_t>{hex(0xFFC9B8), hex(0x0A0B0C), kWhite}));
        EXPECT_EQ(listedEntries(), (std::vector<std::int32_t>{hex(0xFFC9B8), hex(0x0A0B0C)}));
        EXPECT_EQ(index.counts, (std::vector<int>{3, 2, 1}));
    }
}

TEST_F(ColorIndexTest, ProgressAndStatus) {
    std::vector<std::string> events;
    task.yield = [&] { events.push_back("y"); };
    task.progress = [&](int done, int total) {
        events.push_back("p" + std::to_string(done) + "/" + std::to_string(total));
    };
    task.status = [&](const std::string& text) { events.push_back(text); };
    paint({"PW", "KW", "PP"}, kFour);
    ASSERT_EQ(run(0), IndexResult::Done);
    const std::vector<std::string> expected = {
        "p0/3", "正在创建颜色索引......", "y", "y", "p1/3", "y", "y", "p2/3", "y", "y", "p3/3", // colours
        "p0/3", "y",    "y",    "y",                                                                // thread rows
        "p0/3", "正在计算颜色数目等信息......", "p1/3", "p2/3", "p3/3"};                         // counts
    EXPECT_EQ(events, expected);
}

// The abort asked at the k-th yield of the matching (the one before stitch k).
TEST_F(ColorIndexTest, MatchingStopsAfterTheStitchThatSawTheAbort) {
    for (const int k : {1, 2, 5, 6}) {
        SCOPED_TRACE(k);
        running = true;
        int yields = 0;
        task.yield = [&] {
            if (++yields == k) running = false;
        };
        paint({"PWV", "KWP"}, kFour);
        ASSERT_EQ(run(0), IndexResult::Aborted);
        EXPECT_EQ(yields, k);
    }
}

// An abort while the thread rows are written lets them finish; the count that follows stops.
TEST_F(ColorIndexTest, AbortDuringRowRewriteStopsTheCount) {
    paint({"PWV", "KWP"}, kFour);
    int yields = 0;
    task.yield = [&] {
        if (++yields == 7) running = false; // first yield after the six stitches
    };
    std::vector<int> reports;
    task.progress = [&](int done, int) { reports.push_back(done); };
    ASSERT_EQ(run(0), IndexResult::Aborted);
    EXPECT_EQ(yields, 8);                                   // both rows written
    EXPECT_EQ(reports, (std::vector<int>{0, 1, 2, 0, 0})); // no row of the count
}

TEST_F(ColorIndexTest, CountingStopsAtTheNextEntryNotYetListed) {
    const std::map<char, std::uint32_t> colours = {{'A', 0xFFC9B8}, {'B', 0x000000}, {'C', 0xFFFFFF}};
    struct Case {
        std::vector<std::string> rows;
        int threshold;
        int clearAfterRow; // 0: cleared before the count starts
        IndexResult result;
    };
    const Case cases[] = {
        {{"AA", "BB", "AA"}, 0, 0, IndexResult::Aborted},
        {{"AA", "BB", "AA"}, 0, 1, IndexResult::Aborted},
        {{"AB", "BA", "AB"}, 0, 1, IndexResult::Done}, // nothing new after row 1
        {{"AC", "AA", "AA"}, 2, 1, IndexResult::Done}, // C never comes back
        {{"AC", "AC", "AA"}, 3, 1, IndexResult::Aborted}, // C, still unlisted, is weighed again
        {{"AA", "AA", "AB"}, 0, 2, IndexResult::Aborted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows[0] + c.rows[1] + c.rows[2] + " after " + std::to_string(c.clearAfterRow));
        running = true;
        paint(c.rows, colours);
        bool counting = false;
        task.status = [&](const std::string& text) {
            counting = text.find("计算") != std::string::npos;
            if (counting && c.clearAfterRow == 0) running = false;
        };
        task.progress = [&](int done, int) {
            if (counting && done == c.clearAfterRow) running = false;
        };
        EXPECT_EQ(run(c.threshold), c.result);
    }
}

// Dark colours i = R + 256*G, all of which match a handful of threads.
void paintDistinct(colour::RgbGrid& stitches, int width, int height, int distinct) {
    stitches = colour::filledGrid(width, height, 0);
    for (int i = 0; i < width * height; ++i) stitches.cells[static_cast<std::size_t>(i)] = (i % distinct) * 3;
}

TEST_F(ColorIndexTest, The501stColourStopsTheRunAndFiveHundredAreFine) {
    paintDistinct(stitches, 30, 20, 501);
    EXPECT_EQ(run(0), IndexResult::TooManyColours);

    paintDistinct(stitches, 30, 20, 500);
    ASSERT_EQ(run(0), IndexResult::Done);
    ASSERT_GT(index.entries.size(), 1u);
    ASSERT_LT(index.entries.size(), 20u);
    // Every stitch carries the row of its own colour, and every row is listed.
    for (int i = 0; i < 600; ++i)
        EXPECT_EQ(index.entries[static_cast<std::size_t>(index.cells[static_cast<std::size_t>(i)])],
                  nearestThreadRow(stitches.cells[static_cast<std::size_t>(i)]))
            << i;
    EXPECT_EQ(index.listedCount(), static_cast<int>(index.entries.size()));
    int total = 0;
    for (const int count : index.counts) total += count;
    EXPECT_EQ(total, 600);
}

TEST(ParseThreshold, SixteenBitIntegers) {
    const std::pair<const char*, int> good[] = {
        {"20", 20}, {"0", 0},         {" 35 ", 35},       {"-5", -5},
        {"+7", 7},  {"32767", 32767}, {"-32768", -32768}, {"007", 7},
    };
    for (const auto& [text, expected] : good) {
        int value = -1;
        EXPECT_TRUE(parseThreshold(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text :
         {"", " ", "abc", "2 0", "1.5", "32768", "-32769", "99999999999999999999", "-", "20x"}) {
        int value = 123;
        EXPECT_FALSE(parseThreshold(text, value)) << text;
        EXPECT_EQ(value, 123) << text;
    }
}

} // namespace
} // namespace pav::palette
