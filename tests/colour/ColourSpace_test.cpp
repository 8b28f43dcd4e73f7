#include "colour/ColourSpace.h"

#include <gtest/gtest.h>

#include <array>

using namespace pav::colour;

namespace {

struct Pair {
    Lab first, second;
    double expected;
};

// The 34 CIEDE2000 test pairs of Sharma, Wu and Dalal (2005), with their published
// differences to four decimals. They include the hue discontinuities (pairs 7-16) that
// a formula ignoring the wrap-around gets wrong.
constexpr std::array<Pair, 34> kSharmaPairs{{
    {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
    {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
    {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
    {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
    {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
    {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
    {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
    {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
    {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
}};

} // namespace

TEST(Ciede2000, MatchesThePublishedPairsInBothOrders) {
    for (std::size_t i = 0; i < kSharmaPairs.size(); ++i) {
        const Pair& p = kSharmaPairs[i];
        EXPECT_NEAR(deltaE2000(p.first, p.second), p.expected, 0.5e-4) << "pair " << i + 1;
        EXPECT_NEAR(deltaE2000(p.second, p.first), p.expected, 0.5e-4) << "pair " << i + 1 << " reversed";
    }
}

TEST(Ciede2000, IsZeroForEqualColoursAndNeverNegative) {
    EXPECT_EQ(deltaE2000({50, 10, -20}, {50, 10, -20}), 0.0);
    EXPECT_EQ(deltaE2000({0, 0, 0}, {0, 0, 0}), 0.0);
    // Colours just off one another, where the squared form rounds near zero.
    for (double d = 1e-9; d < 1e-3; d *= 10) EXPECT_GE(deltaE2000Squared({40, -30, 60}, {40, -30 + d, 60 - d}), 0.0);
}

TEST(ColourSpace, KnownSrgbColoursInCielabAndOklab) {
    struct Known {
        std::int32_t rgb;
        Lab lab, oklab;
    };
    // CIELAB (D65) and OKLab of sRGB white, black, the primaries and a mid grey.
    const Known known[] = {
        {0xFFFFFF, {100.0, 0.0, 0.0}, {1.0, 0.0, 0.0}},
        {0x000000, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {0x0000FF, {53.2408, 80.0925, 67.2032}, {0.627955, 0.224863, 0.125846}},  // red
        {0x00FF00, {87.7347, -86.1827, 83.1793}, {0.866440, -0.233888, 0.179498}}, // green
        {0xFF0000, {32.2970, 79.1875, -107.8602}, {0.452014, -0.032457, -0.311528}}, // blue
        {0x808080, {53.5850, 0.0, 0.0}, {0.599871, 0.0, 0.0}},
    };
    for (const Known& k : known) {
        const Lab lab = labFromRgb(k.rgb), ok = oklabFromRgb(k.rgb);
        EXPECT_NEAR(lab.L, k.lab.L, 2e-3) << std::hex << k.rgb;
        EXPECT_NEAR(lab.a, k.lab.a, 2e-3) << std::hex << k.rgb;
        EXPECT_NEAR(lab.b, k.lab.b, 2e-3) << std::hex << k.rgb;
        EXPECT_NEAR(ok.L, k.oklab.L, 1e-4) << std::hex << k.rgb;
        EXPECT_NEAR(ok.a, k.oklab.a, 1e-4) << std::hex << k.rgb;
        EXPECT_NEAR(ok.b, k.oklab.b, 1e-4) << std::hex << k.rgb;
    }
}

TEST(ColourSpace, LinearLightFollowsTheSrgbCurve) {
    EXPECT_EQ(linearFromSrgb8(0), 0.0);
    EXPECT_DOUBLE_EQ(linearFromSrgb8(255), 1.0);
    EXPECT_NEAR(linearFromSrgb8(10), 10 / 255.0 / 12.92, 1e-12); // the straight part
    EXPECT_NEAR(linearFromSrgb8(128), 0.2158605, 1e-6);
    const LinearRgb c = linearFromRgb(0x0080FF); // R 255, G 128, B 0
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_NEAR(c.g, 0.2158605, 1e-6);
    EXPECT_EQ(c.b, 0.0);
}
