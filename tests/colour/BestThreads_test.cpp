#include "colour/BestThreadsReduction.h"
#include "colour/ChartQuality.h"
#include "colour/SeededRandom.h"
#include "palette/ThreadPalette.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

using namespace pav::colour;

namespace {

std::vector<std::int32_t> dmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::dmcThreads()) colours.push_back(thread.color);
    return colours;
}

RgbGrid filled(int w, int h, std::int32_t colour) { return {w, h, std::vector<std::int32_t>(w * h, colour)}; }

// A smooth photograph-like picture: gradients in every channel plus a little noise.
RgbGrid gradientPicture(int w, int h, std::uint64_t seed) {
    RgbGrid picture{w, h, {}};
    SeededRandom random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int r = std::clamp(255 * x / w + static_cast<int>(random.next() % 9) - 4, 0, 255);
            const int g = std::clamp(255 * y / h + static_cast<int>(random.next() % 9) - 4, 0, 255);
            const int b = std::clamp(255 - 255 * (x + y) / (w + h), 0, 255);
            picture.cells.push_back(r + 256 * g + 65536 * b);
        }
    return picture;
}

std::set<int> threadsOf(const std::vector<int>& stitches) { return {stitches.begin(), stitches.end()}; }

const std::vector<std::int32_t>& dmc() {
    static const std::vector<std::int32_t> colours = dmcColours();
    return colours;
}

// Rows of the DMC table by their place in the list (0-based), picked for the tests.
constexpr int kRed = 9;    // 350, 0xDA0C0C
int rowOf(std::int32_t colour) {
    for (int i = 0; i < static_cast<int>(dmc().size()); ++i)
        if (dmc()[i] == colour) return i;
    return -1;
}

} // namespace

TEST(BestThreads, NeverMoreThanNDistinctThreadsAndAlwaysTheSameResult) {
    const RgbGrid picture = gradientPicture(90, 70, 7);
    for (const int n : {2, 7, 30, 100}) {
        for (const Dither dither : {Dither::None, Dither::FloydSteinberg, Dither::Atkinson}) {
            const BestThreadsOptions options{n, dither, DitherSpace::Perceptual, Cleanup::Light};
            const BestThreadsResult result = reduceToBestThreads(picture, dmc(), options);
            const std::set<int> used = threadsOf(result.stitches);
            ASSERT_EQ(result.stitches.size(), picture.size());
            EXPECT_LE(static_cast<int>(used.size()), n) << n;
            EXPECT_GE(static_cast<int>(used.size()), std::min(n, 2));
            EXPECT_EQ(std::vector<int>(used.begin(), used.end()), result.threads);
            const BestThreadsResult again = reduceToBestThreads(picture, dmc(), options);
            EXPECT_EQ(again.stitches, result.stitches) << n;
        }
    }
}

TEST(BestThreads, MoreThreadsFitBetterAndThirtyComeCloseToTheWholeRange) {
    const RgbGrid picture = gradientPicture(80, 60, 3);
    // Every stitch its nearest of all 423 threads: no choice of threads does better.
    const ThreadMatcher all(dmc(), FitCriterion::Ciede2000);
    const double floor = measureQuality(picture, all.nearest(picture.cells), dmc()).meanDeltaE2000;
    double previous = 1e9;
    for (const int n : {2, 8, 30}) {
        const BestThreadsResult result =
            reduceToBestThreads(picture, dmc(), {n, Dither::None, DitherSpace::Perceptual, Cleanup::Off});
        const double error = measureQuality(picture, result.stitches, dmc()).meanDeltaE2000;
        EXPECT_LT(error, previous) << n;
        previous = error;
    }
    EXPECT_LT(previous, floor + 2.0);
}

TEST(BestThreads, ThreadCountOutsideTwoToHundredIsRefused) {
    const RgbGrid picture = filled(4, 4, 0x808080);
    for (const int n : {-1, 0, 1, 101})
        EXPECT_THROW(reduceToBestThreads(picture, dmc(), {n}), std::invalid_argument) << n;
    EXPECT_FALSE(isValidThreadCount(1));
    EXPECT_TRUE(isValidThreadCount(2));
    EXPECT_TRUE(isValidThreadCount(100));
    EXPECT_FALSE(isValidThreadCount(101));
}

TEST(BestThreads, EmptyPictureOrRangeGivesNothing) {
    EXPECT_TRUE(reduceToBestThreads(RgbGrid{}, dmc(), {}).stitches.empty());
    EXPECT_TRUE(reduceToBestThreads(filled(3, 3, 0), std::vector<std::int32_t>{}, {}).stitches.empty());
}

TEST(BestThreads, TwoColourPictureStaysTwoThreadsInEveryMode) {
    // Left half red, right half white, each exactly a thread's colour.
    const std::int32_t red = dmc()[kRed], white = 0xFFFFFF;
    ASSERT_GE(rowOf(white), 0);
    RgbGrid picture{12, 9, {}};
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) picture.cells.push_back(x < 6 ? red : white);
    for (const Dither dither : {Dither::None, Dither::FloydSteinberg, Dither::Atkinson})
        for (const DitherSpace space : {DitherSpace::Perceptual, DitherSpace::Linear})
            for (const Cleanup cleanup : {Cleanup::Off, Cleanup::Light, Cleanup::Strong}) {
                const BestThreadsResult result = reduceToBestThreads(picture, dmc(), {30, dither, space, cleanup});
                EXPECT_EQ(result.threads, (std::vector<int>{std::min(kRed, rowOf(white)), std::max(kRed, rowOf(white))}));
                for (std::size_t i = 0; i < picture.size(); ++i)
                    ASSERT_EQ(dmc()[result.stitches[i]], picture.cells[i]);
            }
}

TEST(Dithering, MixesTwoThreadsForAColourBetweenThem) {
    // A flat mid grey with only black and white to choose from: without dithering
    // every stitch takes one thread; error diffusion mixes them, about half and half
    // in linear light, more black than white in CIELAB (the grey is darker to the eye).
    const std::vector<std::int32_t> bw{0x000000, 0xFFFFFF};
    const ThreadMatcher matcher(bw, FitCriterion::Ciede2000);
    const RgbGrid grey = filled(40, 40, 0x808080); // linear 0.216, L* 53.6
    EXPECT_EQ(threadsOf(assignThreads(grey, matcher)).size(), 1u);
    const auto whiteShare = [&](Dither d, DitherSpace s) {
        const std::vector<int> stitches = assignThreads(grey, matcher, d, s);
        return std::count(stitches.begin(), stitches.end(), 1) / static_cast<double>(stitches.size());
    };
    EXPECT_NEAR(whiteShare(Dither::FloydSteinberg, DitherSpace::Linear), 0.216, 0.03);
    EXPECT_NEAR(whiteShare(Dither::FloydSteinberg, DitherSpace::Perceptual), 0.536, 0.03);
    // Atkinson drops a quarter of the error: the mix stays nearer the first choice.
    const double atkinson = whiteShare(Dither::Atkinson, DitherSpace::Linear);
    EXPECT_GT(atkinson, 0.05);
    EXPECT_LT(atkinson, 0.3);
    // A colour a thread matches exactly leaves no error to spread.
    const RgbGrid white = filled(10, 10, 0xFFFFFF);
    for (const Dither d : {Dither::FloydSteinberg, Dither::Atkinson})
        EXPECT_EQ(threadsOf(assignThreads(white, matcher, d)), std::set<int>{1});
}

TEST(Cleanup, LoneStitchInAFlatFieldIsAbsorbedAndEdgesStay) {
    // Field 0xB4B4B4 with one stitch of 0xA0A0A0; threads at both colours and black.
    const std::vector<std::int32_t> threads{0x000000, 0xB4B4B4, 0xA0A0A0};
    const ThreadMatcher matcher(threads, FitCriterion::Ciede2000);
    RgbGrid picture = filled(7, 7, 0xB4B4B4);
    picture.cells[3 * 7 + 3] = 0xA0A0A0;
    std::vector<int> stitches = assignThreads(picture, matcher);
    ASSERT_EQ(stitches[3 * 7 + 3], 2);
    EXPECT_EQ(countIsolated(stitches, 7, 7), 1);
    EXPECT_EQ(cleanupIsolated(picture, matcher, stitches, Cleanup::Light), 1);
    EXPECT_EQ(threadsOf(stitches), std::set<int>{1});

    // Far from the field (black on grey) the stitch is a detail and stays.
    picture.cells[3 * 7 + 3] = 0x000000;
    stitches = assignThreads(picture, matcher);
    EXPECT_EQ(cleanupIsolated(picture, matcher, stitches, Cleanup::Strong), 0);
    EXPECT_EQ(stitches[3 * 7 + 3], 0);

    // Two areas meeting along a straight edge, and a checkerboard-free stripe of
    // width one: neither has isolated stitches, so nothing moves.
    RgbGrid edge{8, 6, {}};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) edge.cells.push_back(x < 3 || x == 5 ? 0xB4B4B4 : 0xA0A0A0);
    std::vector<int> edgeStitches = assignThreads(edge, matcher);
    const std::vector<int> before = edgeStitches;
    EXPECT_EQ(cleanupIsolated(edge, matcher, edgeStitches, Cleanup::Strong), 0);
    EXPECT_EQ(edgeStitches, before);

    // Off leaves even the lone stitch alone.
    picture.cells[3 * 7 + 3] = 0xA0A0A0;
    stitches = assignThreads(picture, matcher);
    EXPECT_EQ(cleanupIsolated(picture, matcher, stitches, Cleanup::Off), 0);
}

TEST(Cleanup, StrongReachesFurtherAndCountsDiagonals) {
    // A lone stitch whose colour is between the light and the strong bound away
    // from the field's thread: only strong cleanup absorbs it.
    const std::vector<std::int32_t> threads{0xB4B4B4, 0x949494};
    const ThreadMatcher matcher(threads, FitCriterion::Ciede2000);
    RgbGrid picture = filled(5, 5, 0xB4B4B4);
    picture.cells[12] = 0x949494;
    const double step = deltaE2000(labFromRgb(0xB4B4B4), labFromRgb(0x949494));
    ASSERT_GT(step, kLightBound);
    ASSERT_LT(step, kStrongBound);
    std::vector<int> light = assignThreads(picture, matcher), strong = light;
    EXPECT_EQ(cleanupIsolated(picture, matcher, light, Cleanup::Light), 0);
    EXPECT_EQ(cleanupIsolated(picture, matcher, strong, Cleanup::Strong), 1);
    EXPECT_EQ(strong[12], 0);

    // Strong cleanup lets the diagonals decide between two side threads that tie:
    // the centre C has A above and left, B right and below, and B at three corners.
    const std::int32_t A = 0xB4B4B4, B = 0xAAAAAA, C = 0xAFAFAF;
    const ThreadMatcher m3(std::vector<std::int32_t>{A, B, C}, FitCriterion::Ciede2000);
    const RgbGrid block{5, 5, {A, A, A, B, B, //
                               A, A, A, B, B, //
                               A, A, C, B, B, //
                               B, B, B, B, B, //
                               B, B, B, B, B}};
    std::vector<int> s = assignThreads(block, m3);
    ASSERT_EQ(s[12], 2);
    EXPECT_EQ(cleanupIsolated(block, m3, s, Cleanup::Strong), 1);
    EXPECT_EQ(s[12], 1);
}

TEST(Quality, MeanErrorAndIsolatedStitchesOfAKnownChart) {
    // 3 x 3, centre differs from its four sides but matches a corner: isolated
    // (diagonals do not count). The error is the mean over all nine stitches.
    const RgbGrid before{3, 3, {1, 0, 1, 0, 1, 0, 1, 0, 1}};
    const std::vector<int> threads{0, 1, 0, 1, 0, 1, 0, 1, 0};
    const std::vector<std::int32_t> colours{0x000000, 0xFFFFFF};
    const ChartQuality q = measureQuality(before, threads, colours);
    EXPECT_EQ(q.isolatedStitches, 9);
    const double black = deltaE2000(labFromRgb(1), labFromRgb(0));
    const double white = deltaE2000(labFromRgb(0), labFromRgb(0xFFFFFF));
    EXPECT_NEAR(q.meanDeltaE2000, (5 * black + 4 * white) / 9, 1e-12);
    // The colour form gives the same figures; a 1 x 1 chart has no isolated stitch.
    const RgbGrid after{3, 3, {0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}};
    EXPECT_EQ(measureQuality(before, after).isolatedStitches, 9);
    EXPECT_DOUBLE_EQ(measureQuality(before, after).meanDeltaE2000, q.meanDeltaE2000);
    EXPECT_EQ(measureQuality(RgbGrid{1, 1, {5}}, RgbGrid{1, 1, {5}}).isolatedStitches, 0);
    // Equal halves: no isolated stitch, no error.
    const RgbGrid halves{4, 1, {7, 7, 9, 9}};
    EXPECT_EQ(measureQuality(halves, halves).isolatedStitches, 0);
    EXPECT_EQ(measureQuality(halves, halves).meanDeltaE2000, 0.0);
    EXPECT_THROW(measureQuality(halves, RgbGrid{3, 1, {7, 7, 9}}), std::invalid_argument);
}
