#include "palette/ColourMatcher.h"
#include "palette/ColorIndex.h"

#include "palette/ThreadPalette.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace pav::palette {
namespace {

constexpr std::int32_t hex(std::uint32_t rrggbb) {
    return makeRgb((rrggbb >> 16) & 255, (rrggbb >> 8) & 255, rrggbb & 255);
}

// Values the runs must leave alone where they stop early.
constexpr std::int32_t kUntouched = -7;
constexpr int kOldMaxColor = -3;
constexpr int kOldCount = -4;

const char* const kTooMany = "    绣图颜色太多，请减色后再生成。。。 ";

class RecordingSink : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back(title + "|" + text);
        icons.push_back(icon);
    }
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
};

// A chart drawn from letters: each string is a row, each letter a colour.
class ColorIndexTest : public ::testing::Test {
protected:
    ColorIndexTest() {
        state.index.fill(kUntouched);
        state.maxColor = kOldMaxColor;
        state.colorCount = kOldCount;
        state.legend[3].row = 99; // left from an earlier run
    }

    void paint(const std::vector<std::string>& rows, const std::map<char, std::uint32_t>& colours) {
        height = static_cast<int>(rows.size());
        width = static_cast<int>(rows[0].size());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                state.colors.at(x, y) = hex(colours.at(rows[y][x]));
    }

    ColorIndexJob job() { return ColorIndexJob{width, height, &range, &running, &task}; }
    IndexResult make() { return makeColorIndex(state, job(), 0); }
    IndexResult sort(int threshold) { return sortColorIndex(state, job(), threshold); }

    std::vector<std::int32_t> indexRow(int y) const {
        return std::vector<std::int32_t>(state.index.row(y), state.index.row(y) + width);
    }
    std::vector<std::int32_t> colorList(int from, int to) const {
        return std::vector<std::int32_t>(state.colorList.begin() + from, state.colorList.begin() + to + 1);
    }

    ProgramState state;
    int width = 0;
    int height = 0;
    std::string range = "DMC";
    bool running = true;
    TaskDelegate task;
    RecordingSink sink;
};

void expectRecord(const LegendRecord& record, std::int32_t color, int row, int position, const char* number,
                  const char* quantity) {
    EXPECT_EQ(record.color, color);
    EXPECT_EQ(record.row, row);
    EXPECT_EQ(record.position, position);
    EXPECT_EQ(record.number, number);
    EXPECT_EQ(record.quantity, quantity);
}

// Four picture colours, three threads: W and V share white, P is row 1 itself.
const std::map<char, std::uint32_t> kFour = {
    {'P', 0xFFC9B8}, {'W', 0xFFFFFF}, {'V', 0xFEFEFE}, {'K', 0x000000}};

TEST_F(ColorIndexTest, DmcMainPath) {
    paint({"PWV", "KWP", "VVK"}, kFour);
    range = "";
    ASSERT_EQ(make(), IndexResult::Done);
    EXPECT_EQ(range, "DMC");
    EXPECT_EQ(indexRow(0), (std::vector<std::int32_t>{1, 393, 393}));
    EXPECT_EQ(indexRow(1), (std::vector<std::int32_t>{421, 393, 1}));
    EXPECT_EQ(indexRow(2), (std::vector<std::int32_t>{393, 393, 421}));
    EXPECT_EQ(state.index.at(3, 0), kUntouched); // outside the chart area
    EXPECT_EQ(state.colorCount, 3);
    EXPECT_EQ(state.maxColor, 3);
    // Rows in first appearance, then the stale row of the fourth colour (K), then the mark.
    EXPECT_EQ(colorList(1, 5), (std::vector<std::int32_t>{1, 393, 421, 421, kWhite}));
    EXPECT_EQ(state.colorList[500], kWhite);

    ASSERT_EQ(sort(0), IndexResult::Done);
    EXPECT_EQ(state.maxColor, 3);
    expectRecord(state.legend[1], hex(0xFFC9B8), 1, 1, "3713    ", "2   ");
    expectRecord(state.legend[2], kWhite, 393, 2, "5200    ", "5   ");
    expectRecord(state.legend[3], 0, 421, 3, "310     ", "2   ");
    expectRecord(state.legend[4], kWhite, 0, 0, "        ", "0   ");
}

TEST_F(ColorIndexTest, ThresholdKeepsStitchesButDropsLegendEntries) {
    // A: 19 stitches of row 1, B: 20 stitches of black, C: 1 stitch of white.
    paint({"AAAAAAAAAAAAAAAAAAAC", "BBBBBBBBBBBBBBBBBBBB"},
          {{'A', 0xFFC9B8}, {'B', 0x000000}, {'C', 0xFFFFFF}});
    ASSERT_EQ(make(), IndexResult::Done);
    struct Case {
        int threshold;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {20, {421}}, {19, {1, 421}}, {2, {1, 421}}, {0, {1, 393, 421}}, {-5, {1, 393, 421}}, {21, {}},
    };
    const std::map<int, int> positions = {{1, 1}, {393, 2}, {421, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.threshold);
        ASSERT_EQ(sort(c.threshold), IndexResult::Done);
        ASSERT_EQ(state.maxColor, static_cast<int>(c.rows.size()));
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(state.legend[i + 1].row, c.rows[i]);
            EXPECT_EQ(state.legend[i + 1].position, positions.at(c.rows[i]));
        }
        EXPECT_EQ(state.legend[c.rows.size() + 1].row, 0);
    }
    EXPECT_EQ(state.index.at(0, 0), 1); // dropped threads keep their rows
    EXPECT_EQ(state.index.at(19, 0), 393);
}

TEST_F(ColorIndexTest, QuantityShowsTheFullCount) {
    // 12345 black stitches then 455 white ones on a 320 x 40 chart.
    width = 320;
    height = 40;
    for (int i = 0; i < width * height; ++i)
        state.colors.at(i % width, i / width) = i < 12345 ? 0 : kWhite;
    ASSERT_EQ(make(), IndexResult::Done);
    ASSERT_EQ(sort(20), IndexResult::Done);
    ASSERT_EQ(state.maxColor, 2);
    expectRecord(state.legend[1], 0, 421, 1, "310     ", "12345");
    expectRecord(state.legend[2], kWhite, 393, 2, "5200    ", "455 ");
}

TEST_F(ColorIndexTest, OneColourChart) {
    paint({"KKKK", "KKKK"}, {{'K', 0x000000}});
    ASSERT_EQ(make(), IndexResult::Done);
    EXPECT_EQ(colorList(1, 2), (std::vector<std::int32_t>{421, kWhite}));
    ASSERT_EQ(sort(20), IndexResult::Done);
    EXPECT_EQ(state.maxColor, 0);
    ASSERT_EQ(sort(8), IndexResult::Done);
    EXPECT_EQ(state.maxColor, 1);
    EXPECT_EQ(state.legend[1].quantity, "8   ");
}

TEST_F(ColorIndexTest, ColourRangeListsPictureColours) {
    const std::map<char, std::uint32_t> colours = {{'P', 0xFFC9B8}, {'Q', 0x0A0B0C}, {'R', 0xFFFFFF}};
    for (const char* name : {"CC", "XYZ"}) {
        SCOPED_TRACE(name);
        paint({"PQP", "RPQ"}, colours);
        range = name;
        ASSERT_EQ(make(), IndexResult::Done);
        EXPECT_EQ(range, name);
        EXPECT_EQ(indexRow(0), (std::vector<std::int32_t>{1, 2, 1}));
        EXPECT_EQ(indexRow(1), (std::vector<std::int32_t>{3, 1, 2}));
        EXPECT_EQ(colorList(1, 4), (std::vector<std::int32_t>{hex(0xFFC9B8), hex(0x0A0B0C), kWhite, kWhite}));
        EXPECT_EQ(state.colorCount, 3);
        EXPECT_EQ(state.maxColor, 3);

        ASSERT_EQ(sort(2), IndexResult::Done); // R (one stitch) is under the threshold
        EXPECT_EQ(state.maxColor, 2);
        expectRecord(state.legend[1], hex(0xFFC9B8), 0, 1, "#FFC9B8 ", "3   ");
        expectRecord(state.legend[2], hex(0x0A0B0C), 0, 2, "#0A0B0C ", "2   ");
        ASSERT_EQ(sort(0), IndexResult::Done);
        EXPECT_EQ(state.maxColor, 3);
        expectRecord(state.legend[3], kWhite, 0, 3, "#FFFFFF ", "1   ");
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
    ASSERT_EQ(make(), IndexResult::Done);
    const std::vector<std::string> matching = {"p0/3", "正在创建颜色索引......",
                                               "y",    "y",
                                               "p1/3", "y",
                                               "y",    "p2/3",
                                               "y",    "y",
                                               "p3/3", "p0/3",
                                               "y",    "y",
                                               "y"};
    EXPECT_EQ(events, matching);
    events.clear();
    ASSERT_EQ(sort(0), IndexResult::Done);
    const std::vector<std::string> counting = {"p0/3", "正在计算颜色数目等信息......", "p1/3", "p2/3",
                                               "p3/3"};
    EXPECT_EQ(events, counting);
}

// The abort flag cleared by the k-th yield of the matching (the one before stitch k).
TEST_F(ColorIndexTest, MatchingStopsAfterTheStitchThatSawTheAbort) {
    for (const int k : {1, 2, 5, 6}) {
        SCOPED_TRACE(k);
        state.index.fill(kUntouched);
        running = true;
        int yields = 0;
        task.yield = [&] {
            if (++yields == k) running = false;
        };
        paint({"PWV", "KWP"}, kFour);
        ASSERT_EQ(make(), IndexResult::Aborted);
        EXPECT_EQ(yields, k);
        EXPECT_EQ(state.maxColor, kOldMaxColor);
        EXPECT_EQ(state.colorCount, kOldCount);
        // Stitches up to k carry their colour positions; the rest are untouched.
        const std::int32_t positions[] = {1, 2, 3, 4, 2, 1};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(state.index.at(i % 3, i / 3), i < k ? positions[i] : kUntouched) << i;
        EXPECT_EQ(state.colorList[1], hex(0xFFC9B8)); // still exact colours: nothing matched
    }
}

TEST_F(ColorIndexTest, AbortDuringRowRewriteStillFinishes) {
    paint({"PWV", "KWP"}, kFour);
    int yields = 0;
    task.yield = [&] {
        if (++yields == 7) running = false; // first yield after the six stitches
    };
    ASSERT_EQ(make(), IndexResult::Done);
    EXPECT_FALSE(running);
    EXPECT_EQ(indexRow(1), (std::vector<std::int32_t>{421, 393, 1}));
    EXPECT_EQ(state.maxColor, 3);
}

TEST_F(ColorIndexTest, CountingStopsAtTheNextEntryNotYetListed) {
    const std::map<char, std::uint32_t> colours = {{'A', 0xFFC9B8}, {'B', 0x000000}, {'C', 0xFFFFFF}};
    struct Case {
        std::vector<std::string> rows;
        int threshold;
        int clearAfterRow; // 0: cleared before the count starts
        IndexResult result;
        std::vector<int> rowsListed;
    };
    const Case cases[] = {
        {{"AA", "BB", "AA"}, 0, 0, IndexResult::Aborted, {}},
        {{"AA", "BB", "AA"}, 0, 1, IndexResult::Aborted, {1}},
        {{"AB", "BA", "AB"}, 0, 1, IndexResult::Done, {1, 421}}, // nothing new after row 1
        {{"AC", "AA", "AA"}, 2, 1, IndexResult::Done, {1}},      // C never comes back
        {{"AC", "AC", "AA"}, 3, 1, IndexResult::Aborted, {1}},   // C, still unlisted, is weighed again
        {{"AA", "AA", "AB"}, 0, 2, IndexResult::Aborted, {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows[0] + c.rows[1] + c.rows[2] + " after " + std::to_string(c.clearAfterRow));
        running = true;
        task.progress = nullptr;
        paint(c.rows, colours);
        ASSERT_EQ(make(), IndexResult::Done);
        const int matched = state.maxColor;
        task.progress = [&](int done, int) {
            if (done == c.clearAfterRow) running = false;
        };
        EXPECT_EQ(sort(c.threshold), c.result);
        EXPECT_EQ(state.maxColor,
                  c.result == IndexResult::Done ? static_cast<int>(c.rowsListed.size()) : matched);
        for (std::size_t i = 0; i < c.rowsListed.size(); ++i)
            EXPECT_EQ(state.legend[i + 1].row, c.rowsListed[i]);
        EXPECT_EQ(state.legend[c.rowsListed.size() + 1].row, 0);
    }
}

// Dark colours i = R + 256*G, all of which match a handful of threads.
void paintDistinct(ProgramState& state, int width, int height, int distinct) {
    for (int i = 0; i < width * height; ++i)
        state.colors.at(i % width, i / width) = (i % distinct) * 3;
}

TEST_F(ColorIndexTest, The501stColourStopsTheRun) {
    width = 30;
    height = 20;
    paintDistinct(state, width, height, 501);
    EXPECT_EQ(make(), IndexResult::TooManyColours);
    EXPECT_TRUE(sink.messages.empty()); // the window that runs the index says so
    EXPECT_FALSE(running);
    EXPECT_EQ(state.maxColor, kOldMaxColor);
    EXPECT_EQ(state.colorCount, kOldCount);
    EXPECT_EQ(state.colorList[500], 499 * 3); // exact colours, unmatched
    EXPECT_EQ(state.index.at(499 % 30, 499 / 30), 500);
    EXPECT_EQ(state.index.at(500 % 30, 500 / 30), kUntouched);
}

TEST_F(ColorIndexTest, FiveHundredColoursAreFine) {
    width = 30;
    height = 20;
    paintDistinct(state, width, height, 500);
    ASSERT_EQ(make(), IndexResult::Done);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(running);
    ASSERT_GT(state.colorCount, 1);
    ASSERT_LT(state.colorCount, 20);
    // Every stitch carries the row of its own colour, and every row is listed.
    for (int i = 0; i < width * height; ++i) {
        const std::int32_t row = state.index.at(i % width, i / width);
        EXPECT_EQ(row, nearestThreadRow(state.colors.at(i % width, i / width))) << i;
    }
    ASSERT_EQ(sort(0), IndexResult::Done);
    int total = 0;
    for (int i = 1; i <= state.maxColor; ++i) {
        EXPECT_EQ(state.colorList[state.legend[i].position], state.legend[i].row) << i;
        total += std::stoi(state.legend[i].quantity);
    }
    EXPECT_EQ(state.maxColor, state.colorCount);
    EXPECT_EQ(total, width * height);
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
