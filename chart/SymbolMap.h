#pragma once
// Which symbol stands for which stitch. With the thread range "DMC" the stitch
// index matrix holds thread rows and symbolPos maps each row to its colour-list
// position; with other ranges the matrix already holds colour-list positions.
// Either way a thread is drawn with the symbol of its colour-list position, in
// the grid and in the legend alike.

#include "palette/ProgramState.h"
#include "palette/SymbolSet.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace pav::chart {

class SymbolMap {
public:
    static constexpr int kRows = 500;

    // The symbol string; position p is symbols[p - 1].
    void loadSymbols(const palette::SymbolSet& set);

    // buildSymbolMap: symbolPos(colour list entry i - 1) = i for i = 1 .. colour-list count.
    // threadRows says whether the stitch index matrix holds thread rows.
    void build(const palette::ProgramState& state, bool threadRows);

    // The symbol position of a stitch whose index-matrix value is stitchIndex; 0 when none.
    int positionOfStitch(std::int32_t stitchIndex) const;
    // The position of a legend entry's thread: the one the grid uses for that thread.
    int positionOfLegend(const palette::LegendRecord& record) const;

    // The character at 1-based position p; empty outside the string.
    const QString& symbolAt(int position) const;
    const QString& symbolOfStitch(std::int32_t stitchIndex) const {
        return symbolAt(positionOfStitch(stitchIndex));
    }

    const std::array<std::int32_t, kRows>& symbolPos() const { return m_symbolPos; }
    int symbolCount() const { return static_cast<int>(m_symbols.size()); }

private:
    std::array<std::int32_t, kRows> m_symbolPos{};
    std::vector<QString> m_symbols;
    bool m_threadRows = true;
};

} // namespace pav::chart
