#pragma once
// The arithmetic of a stitchable pattern, as plain values: paper, fabric,
// finished size and the thread to buy. Lengths are millimetres unless named.

#include <optional>
#include <string>
#include <string_view>

namespace pav::pattern {

enum class Paper { A4, Letter, A3 };
enum class Orientation { Portrait, Landscape };

struct PaperMm {
    double width = 0;
    double height = 0;
};
// The sheet's size standing upright.
PaperMm paperMm(Paper paper);
// The sheet as it lies in the printer.
PaperMm paperMm(Paper paper, Orientation orientation);
// "A4", "Letter", "A3"; parsing ignores case.
const char* paperName(Paper paper);
std::optional<Paper> paperOfName(std::string_view name);

inline constexpr double kMarginMm = 12;
inline constexpr double kCellMinMm = 2.0;
inline constexpr double kCellMaxMm = 5.0;
inline constexpr double kCellDefaultMm = 2.8;
inline constexpr int kOverlapMax = 10;
inline constexpr int kOverlapDefault = 3;
inline constexpr int kStrandsMin = 1;
inline constexpr int kStrandsMax = 6;
inline constexpr int kStrandsDefault = 2;
inline constexpr int kFabricCountDefault = 14;
// Aida counts, then the evenweaves stitched over two threads.
inline constexpr int kFabricCounts[] = {11, 14, 16, 18, 22, 28, 32};

bool isFabricCount(int count);
// Evenweave (28, 32) is stitched over two of its threads.
bool overTwo(int fabricCount);
// Stitches per inch on the fabric: the count, or half of it over two.
double stitchesPerInch(int fabricCount);

struct FinishedSize {
    double widthCm = 0;
    double heightCm = 0;
    double widthIn = 0;
    double heightIn = 0;
};
FinishedSize finishedSize(int stitchesWide, int stitchesHigh, int fabricCount);

// Skeins by the planning rule stitchers use: a skein (8 m of six strands)
// gives 1,800 full crosses at 14-count in 2 strands, proportionally more on
// finer fabric and fewer in more strands. Lone stitches take more: the share
// of a thread's crosses that stand alone adds as much again of its thread
// (each tenth of them alone adds 10 %). Back stitch is counted apart: its
// length over and under the fabric per strand, plus a fifth for starting and
// ending, out of the 48 m of single strand in a skein.
inline constexpr double kStitchesPerSkein = 1800;
inline constexpr double kSkeinMetres = 8;
double stitchesPerSkein(int fabricCount, int strands);
// The skeins' worth (not rounded) of `stitches` crosses of which isolatedShare (0..1) stand alone.
double crossSkeins(int stitches, double isolatedShare, int fabricCount, int strands);
// The skeins' worth of back stitches backStitchWidths stitch widths long in all.
double backStitchSkeins(double backStitchWidths, int fabricCount, int strands);
// Whole skeins to buy for a skeins' worth: at least one for any thread used.
int skeinsToBuy(double skeins);
// Skeins to buy for a thread's crosses and back stitches.
int skeinsFor(int stitches, int fabricCount, int strands);
int skeinsFor(int stitches, double backStitchWidths, int fabricCount, int strands, double isolatedShare = 0);

// The grid's symbols: the designed set ("易辨符号"), or the chart's own ("与绣图相同").
enum class SymbolChoice { Distinct, Chart };

// Everything a pattern is made with.
struct PatternOptions {
    Paper paper = Paper::A4;
    std::optional<Orientation> orientation; // none: whichever gives fewer pages
    double cellMm = kCellDefaultMm;
    int overlap = kOverlapDefault;
    int fabricCount = kFabricCountDefault;
    int strands = kStrandsDefault;
    bool blackAndWhite = false;
    SymbolChoice symbols = SymbolChoice::Distinct;
};

// What is wrong with the options, in words for the command line; empty when usable.
std::string optionsProblem(const PatternOptions& options);

} // namespace pav::pattern
