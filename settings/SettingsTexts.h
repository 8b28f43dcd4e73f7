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

// About box (Form4).
inline constexpr std::string_view kForm4Caption = "Korvane inc.";
inline constexpr std::string_view kForm4Label2 = "Pavlenta     Version 2.4";
inline constexpr std::string_view kForm4Label1 = "==确定==";

} // namespace pav::settings
