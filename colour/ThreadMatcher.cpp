#include "colour/ThreadMatcher.h"

#include "base/NearestColour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pav::colour {

namespace {

// CIEDE2000's full formula is costly; a cheap lower bound of its square for every
// candidate lets it run only for the few that can still win. With the pair's means
// L', C', H' of the formula:
//  - lightness: SL = 1 + 0.015 x / sqrt(20 + x), x = (L' - 50)^2, is at most 1 + 0.015 |L' - 50|;
//  - SH <= SC = 1 + 0.045 C' (T <= 1.93), C' <= 1.5 * mean raw chroma (G <= 0.5),
//    and dC'^2 + dH'^2 = da'^2 + db^2 >= da^2 + db^2 (a' = (1 + G) a);
//  - the rotation term: with |RT| <= 2 sin(2 dTheta), the chroma and hue terms x, y give
//    x^2 + y^2 + RT x y >= (1 - sin(2 dTheta)) (x^2 + y^2). dTheta = 30 exp(-((H' - 275) / 25)^2)
//    fades away from the blues; how far H' lies from 275 degrees is bounded from the raw
//    hues, which the factor 1 + G moves by at most 11.6 degrees.
// The rotation floors are rounded down, so that rounding never lifts a bound above
// its candidate's distance.
constexpr double kHueSlack = 12.0; // degrees, above the largest shift of the hue by (1 + G)
constexpr double kDegree = 3.14159265358979323846 / 180.0;

// Rotation floors by whole degrees of the distance of H' from 275, rounded down.
const std::array<double, 181>& rotationFloors() {
    static const std::array<double, 181> table = [] {
        std::array<double, 181> t{};
        for (int d = 0; d <= 180; ++d) {
            const double offset = d / 25.0;
            const double dTheta = 30 * std::exp(-offset * offset);
            t[d] = (1 - std::sin(2 * dTheta * kDegree)) * (1 - 1e-9);
        }
        return t;
    }();
    return table;
}

// A hue's signed offset from 275 degrees, -180..180.
double blueOffset(double a, double b) {
    double h = std::atan2(b, a) / kDegree - 275;
    if (h < -180) h += 360;
    return h;
}

// The least distance (degrees) of the pair's mean hue H' from 275, given the raw hues'
// offsets: the middle of the shorter arc between them, less the slack.
int leastBlueDistance(double s1, double s2) {
    const double spread = std::abs(s1 - s2);
    const double inner = std::abs(s1 + s2) / 2; // the arc that does not cross 95 degrees
    const double outer = 180 - inner;           // the arc that does
    double d;
    if (spread < 180 - 2 * kHueSlack) d = inner;
    else if (spread > 180 + 2 * kHueSlack) d = outer;
    else d = std::min(inner, outer); // which arc is shorter may change with G
    return std::max(0, static_cast<int>(d - kHueSlack));
}

// Below this raw chroma the hue is taken as unknown (a neutral colour's H' is the other's).
constexpr double kNeutralChroma = 1e-6;

struct Columns {
    const double* L;
    const double* a;
    const double* b;
    const double* chroma;
    int n;
};

// The bound's two terms and their sum for every candidate. Plain pointers and local
// copies of the query keep the stores from aliasing what the loop reads, so that it
// vectorises; a wider instruction set is used where the processor has one (the terms
// only decide which candidates get the full formula, never the result).
__attribute__((target_clones("avx2", "default"))) void boundTerms(Columns columns, Lab query, double queryChroma,
                                                                   double* __restrict lightness,
                                                                   double* __restrict colourfulness,
                                                                   double* __restrict guess) {
    const double* __restrict L = columns.L;
    const double* __restrict a = columns.a;
    const double* __restrict b = columns.b;
    const double* __restrict c = columns.chroma;
    const double qL = query.L, qa = query.a, qb = query.b;
    for (int i = 0; i < columns.n; ++i) {
        const double dL = L[i] - qL;
        const double sl = 1 + 0.015 * std::abs((L[i] + qL) / 2 - 50);
        const double da = a[i] - qa, db = b[i] - qb;
        const double sc = 1 + 0.03375 * (c[i] + queryChroma);
        const double sl2 = sl * sl, sc2 = sc * sc;
        const double scale = 1 / (sl2 * sc2);
        lightness[i] = dL * dL * sc2 * scale;
        colourfulness[i] = (da * da + db * db) * sl2 * scale;
        guess[i] = lightness[i] + colourfulness[i];
    }
}

} // namespace

ThreadMatcher::ThreadMatcher(std::span<const std::int32_t> candidates, FitCriterion criterion)
    : m_criterion(criterion), m_colours(candidates.begin(), candidates.end()) {
    const std::size_t n = m_colours.size();
    m_labs.reserve(n);
    for (const std::int32_t c : m_colours) {
        const Lab lab = labFromRgb(c);
        m_labs.push_back(lab);
        m_L.push_back(lab.L);
        m_a.push_back(lab.a);
        m_b.push_back(lab.b);
        m_chroma.push_back(std::sqrt(lab.a * lab.a + lab.b * lab.b));
        m_blueOffset.push_back(blueOffset(lab.a, lab.b));
    }
}

int ThreadMatcher::nearest(std::int32_t rgb) const {
    if (m_colours.empty()) return -1;
    if (m_criterion == FitCriterion::Rgb) return nearestRgbIndex(m_colours, rgb);
    return nearestLab(labFromRgb(rgb));
}

std::vector<int> ThreadMatcher::nearest(std::span<const std::int32_t> colours) const {
    std::vector<int> rows;
    rows.reserve(colours.size());
    for (const std::int32_t c : colours) rows.push_back(nearest(c));
    return rows;
}

int ThreadMatcher::nearestLab(const Lab& lab) const {
    const int n = size();
    if (n == 0) return -1;
    const double chroma = std::sqrt(lab.a * lab.a + lab.b * lab.b);
    // The bound's two terms for every candidate, in a loop that vectorises.
    thread_local std::vector<double> lightnessTerms, colourTerms, guessTerms;
    lightnessTerms.resize(n);
    colourTerms.resize(n);
    guessTerms.resize(n);
    double* guess = guessTerms.data();
    boundTerms({m_L.data(), m_a.data(), m_b.data(), m_chroma.data(), n}, lab, chroma, lightnessTerms.data(),
               colourTerms.data(), guess);
    const double* lightness = lightnessTerms.data();
    const double* colourfulness = colourTerms.data();
    // Start from the candidate the bound without rotation ranks first: usually the
    // winner, so that few others survive the bound. (Four running minima keep the
    // comparisons independent; which of equal guesses starts does not matter.)
    double least[4] = {guess[0], guess[0], guess[0], guess[0]};
    int i4 = 0;
    for (; i4 + 4 <= n; i4 += 4)
        for (int k = 0; k < 4; ++k) least[k] = std::min(least[k], guess[i4 + k]);
    for (; i4 < n; ++i4) least[0] = std::min(least[0], guess[i4]);
    const double smallest = std::min(std::min(least[0], least[1]), std::min(least[2], least[3]));
    int best = 0;
    while (guess[best] != smallest) ++best;
    const int first = best;
    double bestDistance = deltaE2000Squared(lab, m_labs[first]);

    // Then in index order every candidate whose bound does not exceed the best distance
    // so far; the hue-dependent rotation floor is worked out only for those that pass
    // with the smallest floor.
    const auto& floors = rotationFloors();
    const double leastFloor = floors[0];
    const bool neutral = chroma < kNeutralChroma;
    const double offset = blueOffset(lab.a, lab.b);
    for (int i = 0; i < n; ++i) {
        if (i == first || lightness[i] + leastFloor * colourfulness[i] > bestDistance) continue;
        if (!neutral && m_chroma[i] >= kNeutralChroma) {
            const double floor = floors[leastBlueDistance(m_blueOffset[i], offset)];
            if (lightness[i] + floor * colourfulness[i] > bestDistance) continue;
        }
        const double d = deltaE2000Squared(lab, m_labs[i]);
        if (d < bestDistance || (d == bestDistance && i < best)) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace pav::colour
