#include "colour/ThreadMatcher.h"

#include "colour/SeededRandom.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pav::colour;

namespace {

std::vector<std::int32_t> dmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::dmcThreads()) colours.push_back(thread.color);
    return colours;
}

// Random colours plus a coarse lattice that reaches the corners of the cube.
std::vector<std::int32_t> probeColours(int randomCount) {
    std::vector<std::int32_t> colours;
    SeededRandom random(12345);
    for (int i = 0; i < randomCount; ++i) colours.push_back(static_cast<std::int32_t>(random.next() & 0xFFFFFF));
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17) colours.push_back(r + 256 * g + 65536 * b);
    return colours;
}

// Every candidate's full CIEDE2000, smallest first found.
int bruteForceCiede2000(const std::vector<Lab>& candidates, const Lab& lab) {
    int best = 0;
    double bestDistance = deltaE2000Squared(lab, candidates[0]);
    for (int i = 1; i < static_cast<int>(candidates.size()); ++i) {
        const double d = deltaE2000Squared(lab, candidates[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

TEST(ThreadMatcher, RgbCriterionIsTheThreadRangeRule) {
    const ThreadMatcher matcher(dmcColours(), FitCriterion::Rgb);
    for (const std::int32_t c : probeColours(200000))
        ASSERT_EQ(matcher.nearest(c) + 1, pav::palette::nearestThreadRow(c)) << std::hex << c;
}

TEST(ThreadMatcher, Ciede2000CriterionFindsTheSmallestDifference) {
    const std::vector<std::int32_t> threads = dmcColours();
    const std::vector<Lab> labs = labsFromRgb(threads);
    const ThreadMatcher matcher(threads, FitCriterion::Ciede2000);
    for (const std::int32_t c : probeColours(20000))
        ASSERT_EQ(matcher.nearest(c), bruteForceCiede2000(labs, labFromRgb(c))) << std::hex << c;
    // Colours between the 8-bit ones, as dithering asks for them, and outside the gamut.
    SeededRandom random(99);
    for (int i = 0; i < 5000; ++i) {
        const Lab lab{random.unit() * 110 - 5, random.unit() * 260 - 130, random.unit() * 260 - 130};
        ASSERT_EQ(matcher.nearestLab(lab), bruteForceCiede2000(labs, lab)) << lab.L << " " << lab.a << " " << lab.b;
    }
}

TEST(ThreadMatcher, TiesGoToTheLowestIndex) {
    const std::int32_t grey = 0x808080, white = 0xFFFFFF, black = 0x000000;
    for (const FitCriterion criterion : {FitCriterion::Rgb, FitCriterion::Ciede2000}) {
        // The same colour twice: the first copy wins, wherever the search starts.
        const ThreadMatcher doubled(std::vector<std::int32_t>{white, grey, black, grey}, criterion);
        EXPECT_EQ(doubled.nearest(0x828282), 1);
        EXPECT_EQ(doubled.nearest(grey), 1);
        const ThreadMatcher swapped(std::vector<std::int32_t>{grey, white, grey, black}, criterion);
        EXPECT_EQ(swapped.nearest(0x7E7E7E), 0);
    }
    // Equal RGB distance from two different colours (one step each way in red).
    const ThreadMatcher rgb(std::vector<std::int32_t>{0x000012, 0x000010}, FitCriterion::Rgb);
    EXPECT_EQ(rgb.nearest(0x000011), 0);
    const ThreadMatcher rgbSwapped(std::vector<std::int32_t>{0x000010, 0x000012}, FitCriterion::Rgb);
    EXPECT_EQ(rgbSwapped.nearest(0x000011), 0);
}

TEST(ThreadMatcher, CriteriaDisagreeWhereRgbDistanceMisleads) {
    // Equal RGB steps are unequal to the eye (most in dark and in saturated colours),
    // so the two criteria must often choose different threads.
    const std::vector<std::int32_t> threads = dmcColours();
    const ThreadMatcher rgb(threads, FitCriterion::Rgb), perceptual(threads, FitCriterion::Ciede2000);
    int differ = 0;
    for (const std::int32_t c : probeColours(2000)) differ += rgb.nearest(c) != perceptual.nearest(c);
    EXPECT_GT(differ, 100);
}

TEST(ThreadMatcher, EmptyListFindsNothing) {
    const ThreadMatcher empty(std::vector<std::int32_t>{}, FitCriterion::Ciede2000);
    EXPECT_EQ(empty.nearest(0x123456), -1);
    EXPECT_EQ(empty.nearestLab({50, 0, 0}), -1);
    EXPECT_EQ(ThreadMatcher(std::vector<std::int32_t>{}, FitCriterion::Rgb).nearest(0), -1);
}
