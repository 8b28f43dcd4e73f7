#include "chart/pattern/PatternRules.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace pav::pattern {
namespace {

constexpr double kCmPerInch = 2.54;
constexpr double kSkeinStrandCm = 4800;
constexpr double kWasteAllowance = 1.2;

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

PaperMm paperMm(Paper paper) {
    switch (paper) {
    case Paper::A4: return {210, 297};
    case Paper::Letter: return {215.9, 279.4};
    case Paper::A3: return {297, 420};
    }
    return {210, 297};
}

PaperMm paperMm(Paper paper, Orientation orientation) {
    const PaperMm upright = paperMm(paper);
    return orientation == Orientation::Portrait ? upright : PaperMm{upright.height, upright.width};
}

const char* paperName(Paper paper) {
    switch (paper) {
    case Paper::A4: return "A4";
    case Paper::Letter: return "Letter";
    case Paper::A3: return "A3";
    }
    return "A4";
}

std::optional<Paper> paperOfName(std::string_view name) {
    for (const Paper paper : {Paper::A4, Paper::Letter, Paper::A3})
        if (sameWord(name, paperName(paper))) return paper;
    return std::nullopt;
}

bool isFabricCount(int count) {
    return std::find(std::begin(kFabricCounts), std::end(kFabricCounts), count) != std::end(kFabricCounts);
}

bool overTwo(int fabricCount) {
    return fabricCount >= 28;
}

double stitchesPerInch(int fabricCount) {
    return overTwo(fabricCount) ? fabricCount / 2.0 : fabricCount;
}

FinishedSize finishedSize(int stitchesWide, int stitchesHigh, int fabricCount) {
    const double perInch = stitchesPerInch(fabricCount);
    FinishedSize size;
    size.widthIn = stitchesWide / perInch;
    size.heightIn = stitchesHigh / perInch;
    size.widthCm = size.widthIn * kCmPerInch;
    size.heightCm = size.heightIn * kCmPerInch;
    return size;
}

double stitchesPerSkein(int fabricCount, int strands) {
    return kStitchesPerSkein * stitchesPerInch(fabricCount) / 14 * 2 / std::max(1, strands);
}

double crossSkeins(int stitches, double isolatedShare, int fabricCount, int strands) {
    if (stitches <= 0) return 0;
    return stitches * (1 + std::clamp(isolatedShare, 0.0, 1.0)) / stitchesPerSkein(fabricCount, strands);
}

double backStitchSkeins(double backStitchWidths, int fabricCount, int strands) {
    if (backStitchWidths <= 0) return 0;
    const double strandCm = 2 * backStitchWidths * kCmPerInch / stitchesPerInch(fabricCount) * strands * kWasteAllowance;
    return strandCm / kSkeinStrandCm;
}

int skeinsToBuy(double skeins) {
    if (skeins <= 0) return 0;
    // A length that is a whole number of skeins up to rounding is that many, not one more.
    return std::max(1, static_cast<int>(std::ceil(skeins - 1e-9)));
}

int skeinsFor(int stitches, int fabricCount, int strands) {
    return skeinsFor(stitches, 0, fabricCount, strands);
}

int skeinsFor(int stitches, double backStitchWidths, int fabricCount, int strands, double isolatedShare) {
    return skeinsToBuy(crossSkeins(stitches, isolatedShare, fabricCount, strands) +
                       backStitchSkeins(backStitchWidths, fabricCount, strands));
}

std::string optionsProblem(const PatternOptions& o) {
    if (!(o.cellMm >= kCellMinMm && o.cellMm <= kCellMaxMm)) return "cell size must be 2.0 to 5.0 mm";
    if (o.overlap < 0 || o.overlap > kOverlapMax) return "overlap must be 0 to 10 stitches";
    if (!isFabricCount(o.fabricCount)) return "fabric count must be 11, 14, 16, 18, 22, 28 or 32";
    if (o.strands < kStrandsMin || o.strands > kStrandsMax) return "strands must be 1 to 6";
    return {};
}

} // namespace pav::pattern
