#pragma once
// The texts printed on a pattern's pages, as the stitcher reads them. Numbers
// are filled in with QString::arg (%1, %2, ...).

namespace pav::pattern::texts {

inline constexpr const char* kPageOf = "第 %1 / %2 页";
inline constexpr const char* kPageHolds = "列 %1–%2，行 %3–%4";
inline constexpr const char* kRepeatedColumns = "；虚线左侧 %1 列与第 %2 页重复";
inline constexpr const char* kRepeatedRows = "；虚线上方 %1 行与第 %2 页重复";
inline constexpr const char* kContinues = "接第 %1 页";

inline constexpr const char* kCoverStitches = "尺寸：%1 × %2 针";
inline constexpr const char* kCoverFinished = "成品尺寸：%1 × %2 厘米（%3 × %4 英寸），%5";
inline constexpr const char* kAida = "%1CT 十字绣布";
inline constexpr const char* kEvenweave = "%1CT 平纹布（跨两纱绣）";
inline constexpr const char* kCoverCut = "裁布：%1 × %2 厘米（图案四周各留 5 厘米）";
inline constexpr const char* kCoverThreads = "绣线：%1 %2 色，%3 股线";
inline constexpr const char* kCoverPages = "共 %1 页：封面 1 页，图样 %2 页（第 %3–%4 页），绣线用量表 %5 页";
inline constexpr const char* kCoverMap = "图样分页（框内为页码）";
// What a chart file holds that the pattern cannot draw, named as the file names it.
inline constexpr const char* kCoverNotDrawn = "未能画出：%1（保存绣图文件时原样保留）";

inline constexpr const char* kLegendTitle = "绣线用量表";
inline constexpr const char* kLegendSymbol = "符号";
inline constexpr const char* kLegendSwatch = "色样";
inline constexpr const char* kLegendNumber = "线号";
inline constexpr const char* kLegendName = "颜色名称";
inline constexpr const char* kLegendStrands = "股数";
inline constexpr const char* kLegendLength = "用线（米）";
inline constexpr const char* kMetallic = "（金属线）";
inline constexpr const char* kLegendStitches = "针数";
inline constexpr const char* kLegendSkeins = "支数";
inline constexpr const char* kLegendTotal = "合计";
inline constexpr const char* kLegendColours = "%1 色";
// The key's rows of stitches that are not cross stitches, after the thread's name.
inline constexpr const char* kKeyBackStitch = "回针";
inline constexpr const char* kKeyKnot = "法式结";
inline constexpr const char* kKeyBead = "珠子";
inline constexpr const char* kLegendNote =
    "支数按常用估算：每支 8 米（6 股），在 14CT 布上用 2 股绣 1800 个十字针；按 %1、%2 股折算。";
inline constexpr const char* kLegendNoteMore =
    "孤立针（上下左右无同色针）每占一成，多备一成线；回针按长度另计，线号相同的绣线合为一行。";

} // namespace pav::pattern::texts
