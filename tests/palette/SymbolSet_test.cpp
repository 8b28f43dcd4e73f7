#include "palette/SymbolSet.h"

#include <gtest/gtest.h>

#include <map>

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

TEST(SymbolSet, GroupsAndDuplicates) {
    const SymbolSet set = loadxiuChr();
    ASSERT_EQ(set.groups.size(), 5u);
    EXPECT_EQ(set.groups[3], "");
    EXPECT_EQ(set.groups[4], "");
    EXPECT_EQ(set.groups[0].find('o'), std::string::npos);
    EXPECT_EQ(set.groups[0].find('0'), std::string::npos);

    std::map<std::string, std::vector<int>> where;
    for (int p = 1; p <= set.size(); ++p)
        where[set.at(p)].push_back(p);
    std::map<std::string, std::vector<int>> twice;
    for (const auto& [symbol, positions] : where)
        if (positions.size() > 1) twice[symbol] = positions;
    const std::map<std::string, std::vector<int>> expected = {
        {"了", {77, 121}},  {"少", {78, 140}},  {"手", {79, 141}},  {"才", {82, 148}},
        {"必", {83, 130}},  {"走", {86, 149}},  {"王", {88, 100}},  {"为", {94, 166}},
        {"长", {102, 126}}, {"力", {105, 119}}, {"千", {156, 232}},
    };
    EXPECT_EQ(twice, expected);
    EXPECT_EQ(where.size(), 229u);
}

TEST(SymbolSet, RebuiltIdentically) {
    const SymbolSet first = loadxiuChr();
    const SymbolSet second = loadxiuChr();
    EXPECT_EQ(first.groups, second.groups);
    EXPECT_EQ(first.symbols, second.symbols);
}

} // namespace
} // namespace pav::palette
