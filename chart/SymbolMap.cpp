#include "chart/SymbolMap.h"

namespace pav::chart {

void SymbolMap::loadSymbols(const palette::SymbolSet& set) {
    m_symbols.clear();
    m_symbols.reserve(set.symbols.size());
    for (const std::string& symbol : set.symbols)
        m_symbols.push_back(QString::fromStdString(symbol));
}

void SymbolMap::build(const palette::ProgramState& state, bool threadRows) {
    m_threadRows = threadRows;
    m_symbolPos.fill(0);
    if (!threadRows) return;
    const int count = std::min(state.colorCount, palette::kListCapacity);
    for (int i = 1; i <= count; ++i) {
        const std::int32_t row = state.colorList[i];
        if (row >= 1 && row <= kRows) m_symbolPos[row - 1] = i;
    }
}

int SymbolMap::positionOfStitch(std::int32_t stitchIndex) const {
    if (stitchIndex < 1 || stitchIndex > kRows) return 0;
    return m_threadRows ? m_symbolPos[stitchIndex - 1] : stitchIndex;
}

int SymbolMap::positionOfLegend(const palette::LegendRecord& record) const {
    if (m_threadRows && record.row >= 1 && record.row <= kRows && m_symbolPos[record.row - 1] > 0)
        return m_symbolPos[record.row - 1];
    return record.position;
}

const QString& SymbolMap::symbolAt(int position) const {
    static const QString none;
    if (position < 1 || position > symbolCount()) return none;
    return m_symbols[position - 1];
}

} // namespace pav::chart
