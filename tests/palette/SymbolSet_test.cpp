#include "palette/SymbolSet.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace pav::palette {
namespace {

TEST(SymbolSet, PositionsAcrossTheGroups) {
    const SymbolSet set = loadxiuChr();
    ASSERT_EQ(set.size(), 240);
    const std::pair<int, const char*> cases[] = {
        {1, "A"},   {26, "Z"},  {27, "a"},   {40, "n"}, {41, "p"},  {51, "z"}, {52, "1"},
        {60, "9"},  {64, "%"},  {65, "&"},   {70, "/"}, {71, "\\"}, {75, "]"}, {76, "人"},
        {92, "女"}, {93, "不"}, {240, "廿"}, {241, ""}, {500, ""},  {0, ""},   {-1, ""},
    };
    for (const auto& [position, symbol] : cases)
        EXPECT_EQ(set.at(position), symbol) << position;
}

TEST(SymbolSet, GroupsAndTheMendedDuplicates) {
    const SymbolSet set = loadxiuChr();
    ASSERT_EQ(set.groups.size(), 5u);
    EXPECT_EQ(set.groups[3], "");
    EXPECT_EQ(set.groups[4], "");
    EXPECT_EQ(set.groups[0].find('o'), std::string::npos);
    EXPECT_EQ(set.groups[0].find('0'), std::string::npos);

    // The second copies of the eleven characters that stood twice are mended;
    // every other position is as it was.
    std::map<std::string, std::vector<int>> where;
    for (int p = 1; p <= set.size(); ++p)
        where[set.at(p)].push_back(p);
    EXPECT_EQ(where.size(), 240u);
    const std::pair<int, const char*> firsts[] = {{77, "了"},  {78, "少"},  {79, "手"},  {82, "才"},
                                                  {83, "必"},  {86, "走"},  {88, "王"},  {94, "为"},
                                                  {102, "长"}, {105, "力"}, {156, "千"}};
    for (const auto& [position, symbol] : firsts) EXPECT_EQ(set.at(position), symbol) << position;
    const std::pair<int, const char*> mended[] = {{121, "牛"}, {140, "竹"}, {141, "早"}, {148, "皮"},
                                                  {130, "网"}, {149, "虫"}, {100, "火"}, {166, "舟"},
                                                  {126, "羽"}, {119, "水"}, {232, "雨"}};
    for (const auto& [position, symbol] : mended) EXPECT_EQ(set.at(position), symbol) << position;
}

// The designed set: at least 400, no repeats, and of each group of shapes a
// stitcher confuses (and of each letter and its small copy) at most one.
TEST(SymbolSet, DesignedSymbolsKeepOneOfEachLookalikeGroup) {
    const std::vector<std::string> designed = designedSymbols();
    EXPECT_GE(designed.size(), 400u);
    const std::set<std::string> distinct(designed.begin(), designed.end());
    EXPECT_EQ(distinct.size(), designed.size());
    const std::vector<std::vector<std::string>> lookalikes = {
        {"O", "0", "Q", "D", "o"}, {"I", "l", "1", "|", "i"}, {"S", "5", "$", "s"}, {"B", "8", "ß"},
        {"Z", "2", "z"}, {"C", "c"}, {"K", "k"}, {"P", "p"}, {"U", "u"}, {"V", "v"}, {"W", "w"}, {"X", "x"},
        {"Y", "y"}, {"J", "j"}, {"_", "-", ".", "·", ":"}, {"/", "\\"}, {"{", "}"}, {"<", ">"}, {"■", "▪"},
        {"○", "◌"}, {"▧", "▨"}, {"=", "⚌"}, {"-", "⚊", "—"}, {"±", "∓"}, {"∴", "∵", "⋮"},
    };
    for (const auto& group : lookalikes) {
        int present = 0;
        std::string which;
        for (const std::string& symbol : group)
            if (distinct.count(symbol)) {
                ++present;
                which += symbol + " ";
            }
        EXPECT_LE(present, 1) << which;
    }
}

TEST(SymbolSet, RebuiltIdentically) {
    const SymbolSet first = loadxiuChr();
    const SymbolSet second = loadxiuChr();
    EXPECT_EQ(first.groups, second.groups);
    EXPECT_EQ(first.symbols, second.symbols);
}

} // namespace
} // namespace pav::palette
