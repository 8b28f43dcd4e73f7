#pragma once
// The chart window's own texts: captions, list items, status lines and
// messages, exactly as the user sees them (blanks included). Every text the
// window shows is looked up here, by its identity.

#include "chart/Chart.h"

#include <optional>
#include <string>

namespace pav::chart::texts {

inline constexpr const char* kWindowTitle = "生成我的绣图";
inline constexpr const char* kLabel1Start = "准备开始生成绣图,请等待约10秒 ...";
inline constexpr const char* kThresholdLabel = "可忽略颜色出现次数";
inline constexpr const char* kShowAllBlocks = "显示全部色块";
inline constexpr const char* kGenerate = "生成";
inline constexpr const char* kSave = "保存";
inline constexpr const char* kExportPdf = "导出PDF";
inline constexpr const char* kDefaultThreshold = "20";

// Command5 says what a press does now.
inline constexpr const char* kAbortCaption = "中止";
inline constexpr const char* kPrintCaption = "打印";
inline constexpr const char* kPrintedCaption = "打印..";

inline constexpr const char* kThresholdError = "输入有错误,只能是数字";
inline constexpr const char* kThresholdTitle = "Korvane";
inline constexpr const char* kSavedText = "  绣图文件保存成功在";
inline constexpr const char* kSavedTitle = "Korvane,make life fun!";
inline constexpr const char* kSaveFailedText = "  绣图文件没有保存：";
inline constexpr const char* kSaveFailedTitle = "Korvane";
inline constexpr const char* kTooManyColours = "    绣图颜色太多，请减色后再生成。。。 ";
inline constexpr const char* kTooManyTitle = "Korvane inc.";

inline constexpr const char* kPdfFailedText = "  PDF文件没有保存：";
inline constexpr const char* kPdfFailedTitle = "Korvane";
inline constexpr const char* kPdfSavedText = "  PDF文件保存成功在";
inline constexpr const char* kPdfSavedTitle = "Korvane,make life fun!";

// The style list's items, in the list's order.
inline constexpr ChartStyle kStyles[] = {ChartStyle::BlocksAndSymbols, ChartStyle::SymbolsOnly,
                                         ChartStyle::BlocksOnly};

inline const char* styleText(ChartStyle style) {
    switch (style) {
    case ChartStyle::BlocksAndSymbols: return "生成绣图色块";
    case ChartStyle::SymbolsOnly: return "无色块绣图";
    case ChartStyle::BlocksOnly: return "仅生成色块";
    }
    return "";
}

// The style an item of the list stands for; none for a text that is no item.
inline std::optional<ChartStyle> styleOfText(const std::string& text) {
    for (const ChartStyle style : kStyles)
        if (text == styleText(style)) return style;
    return std::nullopt;
}

} // namespace pav::chart::texts
