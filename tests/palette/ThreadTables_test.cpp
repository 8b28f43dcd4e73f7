// The thread tables built into the program and their reader: every range loads
// whole with its source and licence, the prescribed DMC range keeps its rows and
// gains names, and matching keeps to the range's allowed threads.
#include "palette/ColourMatcher.h"
#include "palette/ThreadCatalogue.h"
#include "palette/ThreadPalette.h"
#include "palette/ThreadTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace pav::palette {
namespace {

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(ThreadTables, EveryBuiltInTableReadsWholeWithUniqueNumbersAndItsSourceAndLicence) {
    ASSERT_GE(builtInThreadTables().size(), 3u);
    std::set<std::string> ranges{"CC"};
    for (const BuiltInTable& file : builtInThreadTables()) {
        const ThreadTableReading reading = readThreadTable(file.text);
        ASSERT_TRUE(reading.ok()) << file.fileName << " line " << reading.errorLine << ": " << reading.error;
        const ThreadTable& table = reading.table;
        EXPECT_FALSE(table.source.empty()) << file.fileName;
        EXPECT_TRUE(table.licence == "MIT" || table.licence == "GPL-2.0-or-later" || table.licence == "GPL-3.0-or-later")
            << file.fileName << ": " << table.licence;
        EXPECT_TRUE(ranges.insert(table.range).second) << file.fileName << " repeats the range " << table.range;
        EXPECT_NE(std::string(file.text).find("Why this source"), std::string::npos) << file.fileName;
        std::set<std::string> numbers;
        for (const CatalogueThread& thread : table.threads) {
            EXPECT_TRUE(numbers.insert(upper(thread.number)).second) << file.fileName << " " << thread.number;
            EXPECT_GE(thread.rgb, 0);
            EXPECT_LE(thread.rgb, 0xFFFFFF);
            EXPECT_FALSE(thread.name.empty()) << file.fileName << " " << thread.number;
        }
    }
    // Each file is one catalogue, after the prescribed DMC range.
    EXPECT_EQ(ThreadCatalogue::all().size(), builtInThreadTables().size() + 1);
    EXPECT_EQ(extraRangeNames().size(), builtInThreadTables().size());
}

TEST(ThreadTables, ReaderNamesTheFirstBadLine) {
    const std::string header = "range\tX\nbrand\tX\nsource\ts\nlicence\tMIT\n";
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {header + "1\t#FFFFFF\tWhite\n", 0},
        {header + "# a comment\n\n1\t#ffffff\tWhite\tmetallic\n", 0},
        {header + "1\t#FFFFF\tWhite\n", 5},
        {header + "1\t#GGFFFF\tWhite\n", 5},
        {header + "1\t#FFFFFF\tWhite\tshiny\n", 5},
        {header + "1\t#FFFFFF\tWhite\nblanc\t#FFFFFF\tA\nBLANC\t#000000\tB\n", 7},
        {header + "1\t#FFFFFF\n", 5},
        {header + "colour\tred\n", 5},
        {"range\tX\nbrand\tX\nsource\ts\n1\t#FFFFFF\tWhite\n", 5},
        {header, 5},
    };
    for (const auto& c : cases) {
        const ThreadTableReading reading = readThreadTable(c.text);
        EXPECT_EQ(reading.errorLine, c.line) << c.text;
    }
    const ThreadTableReading good = readThreadTable(header + "1\t#102030\tDark\tglow\n");
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.table.threads[0].rgb, 0x10 + 256 * 0x20 + 65536 * 0x30);
    EXPECT_EQ(good.table.threads[0].kind, ThreadKind::Glow);
}

TEST(ThreadTables, PrescribedDmcKeepsItsRowsAndTakesNamesAndKindsFromTheFullTable) {
    const ThreadCatalogue& dmc = ThreadCatalogue::of(ThreadBrand::Dmc);
    EXPECT_EQ(dmc.rangeName(), "DMC");
    ASSERT_EQ(dmc.size(), kThreadRows);
    int named = 0;
    for (int row = 1; row <= dmc.size(); ++row) {
        EXPECT_EQ(dmc.thread(row).number, dmcThreads()[static_cast<std::size_t>(row - 1)].number);
        EXPECT_EQ(dmc.thread(row).rgb, dmcThreads()[static_cast<std::size_t>(row - 1)].color);
        named += !dmc.thread(row).name.empty();
    }
    EXPECT_EQ(named, kThreadRows - 1); // "0000" is no DMC number
    EXPECT_EQ(dmc.thread(421).name, "Black");
    EXPECT_EQ(dmc.thread(393).name, "Snow White");
    for (int row = 1; row <= dmc.size(); ++row)
        EXPECT_EQ(dmc.thread(row).specialty(), row == 422 || row == 423) << row; // 5283 and 5282
}

TEST(ThreadTables, FullDmcRangeNamesTheNumbersThePrescribedOneLacks) {
    const auto brand = brandOfRange("DMC 全色");
    ASSERT_TRUE(brand);
    const ThreadCatalogue& all = ThreadCatalogue::of(*brand);
    EXPECT_EQ(all.name(), "DMC");
    std::vector<std::string> wanted{"BLANC", "ECRU", "B5200", "3865", "3866", "310"};
    for (int n = 1; n <= 35; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", n);
        wanted.push_back(number);
    }
    for (int n = 150; n <= 169; ++n) wanted.push_back(std::to_string(n));
    for (const std::string& number : wanted) {
        const auto row = all.rowOfNumber(number);
        ASSERT_TRUE(row) << number;
        EXPECT_FALSE(all.thread(*row).name.empty()) << number;
    }
    EXPECT_TRUE(all.rowOfNumber("DMC blanc"));
}

TEST(ThreadTables, MatchingKeepsToTheRangeAndLeavesSpecialtyThreadsOutUnlessAsked) {
    const std::int32_t silver = 0xA0 + 256 * 0xA0 + 65536 * 0xA0;
    // The prescribed range matches all its rows: the metallic silver is its own nearest.
    EXPECT_EQ(rangeMatcher("DMC", FitCriterion::Rgb, false).nearestRow(silver), 422);
    EXPECT_EQ(&rangeMatcher("DMC", FitCriterion::Ciede2000, false), &dmcMatcher(FitCriterion::Ciede2000));
    const ColourMatcher& plain = rangeMatcher("DMC 全色", FitCriterion::Rgb, false);
    const ColourMatcher& any = rangeMatcher("DMC 全色", FitCriterion::Rgb, true);
    EXPECT_FALSE(plain.catalogue().thread(plain.nearestRow(silver)).specialty());
    EXPECT_EQ(any.catalogue().thread(any.nearestRow(silver)).number, "5283");

    for (const std::string& range : extraRangeNames()) {
        for (const FitCriterion criterion : {FitCriterion::Rgb, FitCriterion::Ciede2000}) {
            const ColourMatcher& matcher = rangeMatcher(range, criterion, false);
            EXPECT_EQ(matcher.catalogue().rangeName(), range);
            for (std::int32_t rgb = 0; rgb <= 0xFFFFFF; rgb += 0x0F0F0F / 3) {
                const int row = matcher.nearestRow(rgb);
                ASSERT_GE(row, 1);
                ASSERT_LE(row, matcher.catalogue().size());
                EXPECT_FALSE(matcher.catalogue().thread(row).specialty()) << range << " " << rgb;
            }
            // A thread's own colour finds a thread of exactly that colour.
            for (const int row : matcher.rows())
                EXPECT_EQ(matcher.catalogue().thread(matcher.nearestRow(matcher.catalogue().thread(row).rgb)).rgb,
                          matcher.catalogue().thread(row).rgb);
        }
    }
    EXPECT_EQ(&rangeMatcher("CC", FitCriterion::Rgb, false), &dmcMatcher(FitCriterion::Rgb));
}

} // namespace
} // namespace pav::palette
