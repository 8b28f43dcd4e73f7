#pragma once
// The texts of the pattern dialog ("分页图样..." and "导出PDF" of the chart
// window), exactly as the user sees them; every text of the dialog is looked up here.

#include "chart/pattern/PatternRules.h"

namespace pav::chart::texts {

inline constexpr const char* kPatternTitle = "分页图样";
inline constexpr const char* kLayoutLabel = "版式";
inline constexpr const char* kLayoutPattern = "分页图样";
inline constexpr const char* kLayoutSheet = "单页";
inline constexpr const char* kPaperLabel = "纸张";
inline constexpr const char* kOrientationLabel = "方向";
inline constexpr const char* kOrientationAuto = "自动（页数最少）";
inline constexpr const char* kOrientationPortrait = "纵向";
inline constexpr const char* kOrientationLandscape = "横向";
inline constexpr const char* kCellLabel = "每格大小";
inline constexpr const char* kCellSuffix = " 毫米";
inline constexpr const char* kOverlapLabel = "页间重复";
inline constexpr const char* kOverlapSuffix = " 针";
inline constexpr const char* kFabricLabel = "绣布";
inline constexpr const char* kStrandsLabel = "股数";
inline constexpr const char* kStrandsSuffix = " 股";
inline constexpr const char* kBlackAndWhite = "黑白（不印色块）";
// Above the preview: the page shown and the page count.
inline constexpr const char* kPreviewLabel = "图样预览：第 %1 / %2 页";
inline constexpr const char* kPreviousPage = "上一页";
inline constexpr const char* kNextPage = "下一页";
// Under the cell size, while the typed size is outside what the box takes.
inline constexpr const char* kCellRange = "每格大小只能是 %1 到 %2 毫米";
inline constexpr const char* kSymbolsLabel = "符号";
inline constexpr const char* kSymbolsDistinct = "易辨符号";
inline constexpr const char* kSymbolsChart = "与绣图相同";
inline constexpr const char* kCellOffer = "每格改为 %1 毫米，图样只需 %2 页";
inline constexpr const char* kUseCellOffer = "采用";
inline constexpr const char* kManyIsolated = "这张绣图有 %1% 的针是孤立针（上下左右无同色针），绣起来费线费时。";
inline constexpr const char* kRemakeSmart = "用智能配色重新生成（30 色，轻度清理）";
inline constexpr const char* kPrintButton = "打印...";
inline constexpr const char* kExportButton = "导出PDF...";
inline constexpr const char* kCloseButton = "关闭";
inline constexpr const char* kExportDialogTitle = "导出PDF";

// The summary under the options: pages, then the finished size.
inline constexpr const char* kPatternSummary = "共 %1 页（图样 %2 页），成品 %3 × %4 厘米（%5 × %6 英寸）";
inline constexpr const char* kSheetSummary = "共 1 页：整张绣图缩印在一页纸上";

} // namespace pav::chart::texts
