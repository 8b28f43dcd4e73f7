#pragma once
// The chart styles by the names the style list shows them under, which the
// command line accepts too.

#include "chart/Chart.h"

#include <optional>
#include <string>

namespace pav::chart {

inline const char* styleItemText(ChartStyle style) {
    switch (style) {
    case ChartStyle::BlocksAndSymbols: return "生成绣图色块";
    case ChartStyle::SymbolsOnly: return "无色块绣图";
    case ChartStyle::BlocksOnly: return "仅生成色块";
    }
    return "";
}

inline std::optional<ChartStyle> styleOfItemText(const std::string& text) {
    for (const ChartStyle style : {ChartStyle::BlocksAndSymbols, ChartStyle::SymbolsOnly, ChartStyle::BlocksOnly})
        if (text == styleItemText(style)) return style;
    return std::nullopt;
}

} // namespace pav::chart
