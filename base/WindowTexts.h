#pragma once
// Texts that more than one of the program's windows show, kept in one place.
// The chart-settings dialog and the picture sources use them.

#include <string_view>

namespace pav::texts {

// Caption of the chart-settings dialog and of the picture browser (seven blanks before the dash).
inline constexpr std::string_view kProductCaption = "Pavlenta       -Korvane inc.";
inline constexpr std::string_view kOkText = "确定";
inline constexpr std::string_view kCancelText = "取消";

} // namespace pav::texts
