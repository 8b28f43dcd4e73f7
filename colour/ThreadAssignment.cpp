#include "colour/ThreadAssignment.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace pav::colour {

namespace {

struct Share {
    int dx, dy;
    double part;
};

// Floyd-Steinberg passes on all of the error; Atkinson only three quarters, which
// keeps flat areas calmer and contrast higher.
constexpr std::array<Share, 4> kFloydSteinberg{{{1, 0, 7.0 / 16}, {-1, 1, 3.0 / 16}, {0, 1, 5.0 / 16}, {1, 1, 1.0 / 16}}};
constexpr std::array<Share, 6> kAtkinson{
    {{1, 0, 1.0 / 8}, {2, 0, 1.0 / 8}, {-1, 1, 1.0 / 8}, {0, 1, 1.0 / 8}, {1, 1, 1.0 / 8}, {0, 2, 1.0 / 8}}};

using Triple = std::array<double, 3>;

std::vector<int> nearestEach(const RgbGrid& picture, const ThreadMatcher& threads) {
    // A photograph repeats colours; each distinct one is matched once.
    std::unordered_map<std::int32_t, int> known;
    known.reserve(picture.size() / 2 + 1);
    std::vector<int> result;
    result.reserve(picture.size());
    for (const std::int32_t c : picture.cells) {
        const auto [it, added] = known.try_emplace(c, 0);
        if (added) it->second = threads.nearestLab(labFromRgb(c));
        result.push_back(it->second);
    }
    return result;
}

Triple inSpace(std::int32_t rgb, DitherSpace space) {
    if (space == DitherSpace::Perceptual) {
        const Lab lab = labFromRgb(rgb);
        return {lab.L, lab.a, lab.b};
    }
    const LinearRgb linear = linearFromRgb(rgb);
    return {linear.r, linear.g, linear.b};
}

// Keeps the carried colour within half a range beyond the space's own, so that errors
// cannot pile up without end where no thread reaches the picture's colour. (Clamping
// at the range itself would drop part of every error after a near-white or near-black
// choice and shift the mix.)
Triple clamped(const Triple& v, DitherSpace space) {
    if (space == DitherSpace::Perceptual)
        return {std::clamp(v[0], -50.0, 150.0), std::clamp(v[1], -200.0, 200.0), std::clamp(v[2], -200.0, 200.0)};
    return {std::clamp(v[0], -0.5, 1.5), std::clamp(v[1], -0.5, 1.5), std::clamp(v[2], -0.5, 1.5)};
}

Lab labOf(const Triple& v, DitherSpace space) {
    if (space == DitherSpace::Perceptual) return {v[0], v[1], v[2]};
    return labFromLinear({v[0], v[1], v[2]});
}

template <std::size_t N>
std::vector<int> diffuse(const RgbGrid& picture, const ThreadMatcher& threads, DitherSpace space,
                         const std::array<Share, N>& shares) {
    const int w = picture.width, h = picture.height;
    std::vector<Triple> carried(picture.size());
    for (std::size_t i = 0; i < picture.size(); ++i) carried[i] = inSpace(picture.cells[i], space);
    std::vector<Triple> threadValues;
    for (int t = 0; t < threads.size(); ++t) threadValues.push_back(inSpace(threads.colour(t), space));

    std::vector<int> result(picture.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * w + x;
            const Triple wanted = clamped(carried[at], space);
            const int t = threads.nearestLab(labOf(wanted, space));
            result[at] = t;
            const Triple error{wanted[0] - threadValues[t][0], wanted[1] - threadValues[t][1],
                               wanted[2] - threadValues[t][2]};
            for (const Share& s : shares) {
                const int nx = x + s.dx, ny = y + s.dy;
                if (nx < 0 || nx >= w || ny >= h) continue;
                Triple& target = carried[static_cast<std::size_t>(ny) * w + nx];
                for (int c = 0; c < 3; ++c) target[c] += error[c] * s.part;
            }
        }
    }
    return result;
}

} // namespace

std::vector<int> assignThreads(const RgbGrid& picture, const ThreadMatcher& threads, Dither dither, DitherSpace space) {
    if (threads.size() == 0) return {};
    switch (dither) {
    case Dither::FloydSteinberg: return diffuse(picture, threads, space, kFloydSteinberg);
    case Dither::Atkinson: return diffuse(picture, threads, space, kAtkinson);
    case Dither::None: break;
    }
    return nearestEach(picture, threads);
}

} // namespace pav::colour
