#pragma once
// The chart-settings dialog's and the About box's own texts, used exactly as they stand.

#include <string_view>

#include "base/WindowTexts.h"

namespace pav::settings {

// Chart-settings dialog (Form3).
inline constexpr std::string_view kForm3Caption = pav::texts::kProductCaption;
inline constexpr std::string_view kLabel1Heading = "设置生成绣图的属性：";
inline constexpr std::string_view kLabel2Range = "绣线类别：";
inline constexpr std::string_view kLabel3Name = "绣图名称：";
inline constexpr std::string_view kLabel4Auto = "自动减色功能：";
inline constexpr std::string_view kLabel5Mode = "减色方法：";
inline constexpr std::string_view kLabel6Forced = "强制减色：";
inline constexpr std::string_view kCommand1Ok = pav::texts::kOkText;
inline constexpr std::string_view kCommand2Cancel = pav::texts::kCancelText;

// Text1 starts with this hint; it is also the chart name when nobody clears it.
inline constexpr std::string_view kText1Hint = "给你的绣图起个名字";

inline constexpr std::string_view kRangeDmc = "DMC";
inline constexpr std::string_view kRangeCc = "CC";
inline constexpr std::string_view kYes = "是";
inline constexpr std::string_view kNo = "否";
inline constexpr std::string_view kModeGrey = "灰度图片";
inline constexpr std::string_view kModeLowColour = "低分辨彩色图";
inline constexpr std::string_view kModeBlackWhite = "高清黑白图片";
inline constexpr std::string_view kModeHighColour = "高分辨彩色图";
inline constexpr std::string_view kModeNone = "不做减色处理";
inline constexpr std::string_view kModeOneBit = "1bit";
inline constexpr std::string_view kModeEightBit = "8bit";
inline constexpr std::string_view kForcedOff = "不使用";
// A Combo4 text ending in this character asks for a forced reduction to the number before it.
inline constexpr std::string_view kColourSuffix = "色";
inline constexpr int kFirstForcedCount = 3;
inline constexpr int kLastForcedCount = 60;

inline constexpr std::string_view kForcedWarningText = "  注意：强制减色功能还在测试完善中，请期待...   ";
inline constexpr std::string_view kForcedWarningTitle = "Korvane inc.";
// A forced colour count that is not a number: the dialog stays open for mending.
inline constexpr std::string_view kForcedCountInvalidText = "  强制减色的颜色数不是有效的数字，请重新输入。  ";

// The colour controls below the forced reduction: the best-N threads, dithering,
// cleanup of isolated stitches and the matching criterion.
inline constexpr std::string_view kLabel7BestThreads = "智能配色：";
inline constexpr std::string_view kLabel8Dither = "抖动：";
inline constexpr std::string_view kLabel9Cleanup = "清除孤立针：";
inline constexpr std::string_view kLabel10Match = "匹配方法：";
inline constexpr std::string_view kBestThreadsOff = "不使用";
inline constexpr std::string_view kDitherNone = "无";
inline constexpr std::string_view kDitherFloydSteinberg = "Floyd-Steinberg";
inline constexpr std::string_view kDitherAtkinson = "Atkinson";
inline constexpr std::string_view kCleanupOff = "关";
inline constexpr std::string_view kCleanupLight = "轻";
inline constexpr std::string_view kCleanupStrong = "强";
inline constexpr std::string_view kMatchRgb = "RGB";
inline constexpr std::string_view kMatchPerceptual = "感知(CIEDE2000)";

// What "确定" says when one of those controls holds a text it cannot use; nothing is applied then.
inline constexpr std::string_view kBestThreadsError = "  输入有错误：智能配色只能是“不使用”或2到100的数字  ";
inline constexpr std::string_view kDitherError = "  输入有错误：抖动只能选“无”、“Floyd-Steinberg”或“Atkinson”  ";
inline constexpr std::string_view kCleanupError = "  输入有错误：清除孤立针只能选“关”、“轻”或“强”  ";
inline constexpr std::string_view kMatchError = "  输入有错误：匹配方法只能选“RGB”或“感知(CIEDE2000)”  ";
inline constexpr std::string_view kChoiceErrorTitle = "Korvane inc.";
// The box under the colour controls: specialty threads may be chosen.
inline constexpr std::string_view kCheck1Specialty = "允许特殊绣线（金属、夜光、段染）";

// About box (Form4).
inline constexpr std::string_view kForm4Caption = "Korvane inc.";
inline constexpr std::string_view kForm4Label2 = "Pavlenta     Version 2.4";
inline constexpr std::string_view kForm4Label1 = "==确定==";

} // namespace pav::settings
