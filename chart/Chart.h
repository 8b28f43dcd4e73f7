#pragma once
// A chart as a value: the fabric's cells, each with its thread or no stitch,
// the threads in order of first appearance with their numbers, colours,
// whole-number stitch counts and symbols, and the sheet's title and thread
// range. Windows, files, the command line and every renderer read this.

#include "chart/ChartFileExtras.h"
#include "palette/ThreadCatalogue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pav::chart {

// The largest fabric the chart area holds.
inline constexpr int kMaxChartSide = 321;
// A cell with no stitch on it.
inline constexpr int kNoStitch = -1;

// Where the chart's threads come from: the DMC catalogue, or the stitch colours
// themselves (a range of another name: each colour is a thread of its own).
enum class ThreadRange { Dmc, OwnColours };

// The chart styles offered by the chart window's style list.
enum class ChartStyle { BlocksAndSymbols, SymbolsOnly, BlocksOnly };

// The range a name stands for: "DMC" is the catalogue's, any other the stitch colours'.
inline ThreadRange threadRangeOf(const std::string& rangeName) {
    return palette::brandOfRange(rangeName) ? ThreadRange::Dmc : ThreadRange::OwnColours;
}

struct ChartThread {
    palette::ThreadBrand brand = palette::ThreadBrand::Dmc;
    int row = 0;            // catalogue row; 0 for a colour of its own
    std::int32_t rgb = 0;   // R + 256*G + 65536*B
    std::string number;     // "310", "#FFC9B8"
    std::string name;       // the colour's name ("Forget-me-not blue"); empty when none is known
    int count = 0;          // stitches of this thread
    std::string symbol;     // UTF-8; empty when the symbol set has run out
    bool listed = true;     // has a legend entry (count at least the ignore threshold)
};

// A straight stitch between two points of the grid, in half cells from the
// chart's top-left corner: (2, 0) is the corner between the first two cells of
// the top row, (1, 1) the centre of the first cell.
struct BackStitch {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int thread = 0;           // an index into threads()
    XmlAttributes attributes; // what a file said of it besides the ends and the thread
    bool operator==(const BackStitch&) const = default;
};

// A stitch that covers part of a cell. A half stitch lies along one diagonal; a
// quarter runs from a corner to the centre; a three-quarter is a half stitch
// with a quarter into the corner on the other side of it, which charts show as
// the triangle of the cell around that corner; a petite is a small full cross
// in the quarter of the cell at a corner.
enum class PartStitchKind { Half, Quarter, ThreeQuarter, Petite };
enum class CellCorner { TopLeft, TopRight, BottomLeft, BottomRight };
enum class Diagonal { Forward /* '/' */, Backward /* '\\' */ };

struct PartStitch {
    PartStitchKind kind = PartStitchKind::Half;
    int x = 0; // the cell
    int y = 0;
    Diagonal diagonal = Diagonal::Forward;   // a half stitch's
    CellCorner corner = CellCorner::TopLeft; // a quarter's, three-quarter's or petite's
    int thread = 0;                          // an index into threads()
    XmlAttributes attributes;                // what a file said of it besides its place and thread
    bool operator==(const PartStitch&) const = default;
};

// A French knot or a bead: a point of the grid in half cells, as a back stitch's ends.
enum class OrnamentKind { FrenchKnot, Bead };

struct Ornament {
    OrnamentKind kind = OrnamentKind::FrenchKnot;
    int x = 0;
    int y = 0;
    int thread = 0;           // an index into threads()
    XmlAttributes attributes; // what a file said of it besides its place, kind and thread
    bool operator==(const Ornament&) const = default;
};

// A thread's stitches of every kind; back-stitch length in cells.
struct StitchCounts {
    int full = 0;
    int half = 0;
    int quarter = 0;
    int threeQuarter = 0;
    int petite = 0;
    int backStitches = 0;
    double backLength = 0;
    int knots = 0;
    int beads = 0;
    int partStitches() const { return half + quarter + threeQuarter + petite; }
    // Whether the thread is stitched in cells (full or part stitches), which gives it a symbol's row.
    bool inCells() const { return full > 0 || partStitches() > 0; }
    bool any() const { return inCells() || backStitches > 0 || knots > 0 || beads > 0; }
};

class Chart {
public:
    Chart() = default;
    // A fabric of width x height cells (clamped to the chart area), none stitched.
    Chart(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // The cell's thread (an index into threads()) or kNoStitch.
    int threadAt(int x, int y) const { return m_cells[index(x, y)]; }
    void setThreadAt(int x, int y, int thread) { m_cells[index(x, y)] = thread; }
    // The colour of the cell's block: the stitch's own colour, which may differ from its thread's.
    std::int32_t blockColour(int x, int y) const { return m_blocks[index(x, y)]; }
    void setBlockColour(int x, int y, std::int32_t rgb) { m_blocks[index(x, y)] = rgb; }
    bool stitched(int x, int y) const { return threadAt(x, y) != kNoStitch; }

    std::vector<ChartThread>& threads() { return m_threads; }
    const std::vector<ChartThread>& threads() const { return m_threads; }
    // The listed threads' indices, in order: the legend.
    std::vector<int> legend() const;
    int stitchedCells() const;
    // Recounts every thread's stitches from the cells.
    void recount();
    // Every kind of stitch of one thread, or of each thread (by index).
    StitchCounts stitchCounts(int thread) const;
    std::vector<StitchCounts> stitchCounts() const;

    // Whether (x, y), in half cells, lies on the chart: its edges included.
    bool containsPoint(int x, int y) const { return x >= 0 && y >= 0 && x <= 2 * m_width && y <= 2 * m_height; }

    std::string title;                    // as set; the sheet shows a default when empty
    std::string rangeName = "DMC";        // the range the subtitle names
    ThreadRange range = ThreadRange::Dmc;
    std::int32_t cloth = 16777215;        // the fabric's colour; unstitched cells stay blank on the sheet
    std::vector<BackStitch> backStitches; // drawn over the cells, in order
    // Drawn in their cells, over any full stitch there. A chart file keeps their order
    // within its two groups: half and three-quarter stitches, then quarters and petites.
    std::vector<PartStitch> partStitches;
    std::vector<Ornament> ornaments;      // French knots and beads, drawn over everything
    ChartFileExtras file;                 // kept from the file the chart was read from

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_cells;
    std::vector<std::int32_t> m_blocks;
    std::vector<ChartThread> m_threads;
};

} // namespace pav::chart
