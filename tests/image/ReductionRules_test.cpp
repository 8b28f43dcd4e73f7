// The fast table-driven rules against the literal floating-point ones, for every input.
#include "ReductionRules.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pav::image::rules;

namespace {

struct ChannelCase {
    const char* name;
    const ChannelRule& fast;
    std::function<int(int c, int t)> literal;
};

} // namespace

TEST(ReductionRules, ChannelTablesMatchTheLiteralRulesForEveryValueAndThreshold) {
    const ChannelCase cases[] = {
        {"216 blue", rule216(36), [](int c, int t) { return 36 * level216(c, t); }},
        {"216 green", rule216(6), [](int c, int t) { return 6 * level216(c, t); }},
        {"216 red", rule216(1), [](int c, int t) { return level216(c, t); }},
        {"256 blue", rule256BlueGreen(32), [](int c, int t) { return 32 * level8BlueGreen(c, t); }},
        {"256 green", rule256BlueGreen(4), [](int c, int t) { return 4 * level8BlueGreen(c, t); }},
        {"256 red", rule256Red(), [](int c, int t) { return level8Red(c, t); }},
        {"8 colours blue", rule8Colours(4), [](int c, int t) { return eightColourBit(c, t) ? 4 : 0; }},
        {"8 colours green", rule8Colours(2), [](int c, int t) { return eightColourBit(c, t) ? 2 : 0; }},
        {"8 colours red", rule8Colours(1), [](int c, int t) { return eightColourBit(c, t) ? 1 : 0; }},
        {"16-bit blue/red", rule16Bit(false), [](int c, int t) { return value16(c, t, kStep32); }},
        {"16-bit green", rule16Bit(true), [](int c, int t) { return value16(c, t, kStep64); }},
    };
    for (const ChannelCase& k : cases)
        for (int c = 0; c < 256; ++c)
            for (int t = 0; t < 256; ++t)
                ASSERT_EQ(k.fast.apply(c, t), k.literal(c, t)) << k.name << " c=" << c << " t=" << t;
}

TEST(ReductionRules, LiteralRulesGiveTheDocumentedValues) {
    EXPECT_EQ(grey1(255, 255, 255), 255);
    // Exact halves decided by three separately rounded products and two additions:
    // 85.5 and 207.49999999999997 in plain double arithmetic. A fused multiply-add
    // would give 85.49999999999999 and 207.5 and round the other way.
    EXPECT_EQ(grey1(0, 114, 163), 86);
    EXPECT_EQ(grey1(255, 217, 34), 207);
    EXPECT_EQ(greyLevel(greyFloat(128, 128, 128), 129, 85), 2); // f = 43 * 256 / 85 = 129.5
    EXPECT_EQ(greyLevel(greyFloat(128, 128, 128), 130, 85), 1);
    EXPECT_EQ(level216(254, 250), 5);
    EXPECT_EQ(level216(254, 251), 4);
    EXPECT_EQ(level216(255, 255), 5);
    EXPECT_TRUE(eightColourBit(128, 127));
    EXPECT_FALSE(eightColourBit(128, 128));
    EXPECT_TRUE(eightColourBit(255, 255)); // 255 maps to 256
    EXPECT_EQ(level8BlueGreen(255, 0), 7);
    EXPECT_EQ(level8Red(255, 0), 3);
    EXPECT_EQ(value16(254, 0, kStep32), 255);
    EXPECT_EQ(value16(254, 255, kStep64), 251); // round(62 * 4.047619)
    EXPECT_EQ(value16(0, 0, kStep32), 0);
}

// Every RGB triple: the integer grey sum reproduces both floating-point greys exactly.
TEST(ReductionRules, GreysFromTheIntegerSumMatchForAllTriples) {
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const int sum = greySum(r, g, b);
                ASSERT_EQ(grey1Fast(r, g, b), grey1(r, g, b)) << r << "," << g << "," << b;
                ASSERT_EQ(static_cast<float>(sum) / 1000.0f, greyFloat(r, g, b)) << r << "," << g << "," << b;
            }
}

// Every grey sum and threshold: the grey tables give the literal level. Together with the test
// above this covers all 16.7 million triples at all 256 thresholds.
TEST(ReductionRules, GreyTablesMatchTheLiteralRuleForEverySumAndThreshold) {
    for (const int q : {85, 17}) {
        const GreyRule& fast = greyRule(q);
        for (int sum = 0; sum <= kMaxGreySum; ++sum) {
            const float grey = static_cast<float>(sum) / 1000.0f;
            for (int t = 0; t < 256; ++t)
                ASSERT_EQ(fast.apply(sum, t), greyLevel(grey, t, q))
                    << "q=" << q << " sum=" << sum << " t=" << t;
        }
    }
}
