#pragma once
// The program-wide stitch data that every window reads and writes: the stitch
// colour matrix, the stitch index matrix, the colour list, the thread table and
// the legend list with maxColor. One instance lives for the whole run; the
// main window owns it and hands references to the other windows.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pav::palette {

constexpr int kMatrixSide = 321;       // indices 0..320
constexpr int kListCapacity = 500;     // colour list and legend positions 1..500
constexpr int kThreadRows = 423;       // dmc rows 1..423 are filled
constexpr int kTableRows = 500;        // dmc rows 1..500 exist
constexpr std::int32_t kWhite = 16777215;

// RGB values are R + 256*G + 65536*B.
constexpr int redOf(std::int32_t rgb) { return rgb & 255; }
constexpr int greenOf(std::int32_t rgb) { return (rgb >> 8) & 255; }
constexpr int blueOf(std::int32_t rgb) { return (rgb >> 16) & 255; }
constexpr std::int32_t makeRgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// A 321 x 321 array indexed [x, y] (x = stitch column, y = row).
class StitchMatrix {
public:
    StitchMatrix() : m_cells(kMatrixSide * kMatrixSide, 0) {}
    std::int32_t& at(int x, int y) { return m_cells[static_cast<std::size_t>(y) * kMatrixSide + x]; }
    std::int32_t at(int x, int y) const { return m_cells[static_cast<std::size_t>(y) * kMatrixSide + x]; }
    void fill(std::int32_t value) { std::fill(m_cells.begin(), m_cells.end(), value); }
    std::int32_t* row(int y) { return m_cells.data() + static_cast<std::size_t>(y) * kMatrixSide; }
    const std::int32_t* row(int y) const { return m_cells.data() + static_cast<std::size_t>(y) * kMatrixSide; }

private:
    std::vector<std::int32_t> m_cells;
};

struct DmcThread {
    std::int32_t color = 0;
    std::string cindex;  // exactly 10 characters, number left-justified, blank-padded
};

struct LegendRecord {
    std::int32_t color = kWhite;
    std::int32_t row = 0;        // thread row (0 when the range has no thread table)
    int position = 0;            // colour-list position of this entry: its symbol in the grid
    std::string number = std::string(8, ' ');    // 8 characters
    std::string quantity = "0   ";               // at least 4 characters, left-justified
};

struct ProgramState {
    StitchMatrix colors;   // stitch colour matrix
    StitchMatrix index;    // stitch index matrix

    // Colour list: positions 1..500 (index 0 unused), with its count.
    std::array<std::int32_t, kListCapacity + 1> colorList{};
    int colorCount = 0;

    // Thread table dmc: rows 1..500 (index 0 unused); filled by loadColor.
    std::array<DmcThread, kTableRows + 1> dmc{};

    // Legend list: positions 1..500 (index 0 unused); maxColor valid records.
    std::array<LegendRecord, kListCapacity + 1> legend{};
    int maxColor = 0;
};

} // namespace pav::palette
