#pragma once
// The colour editor's own texts, exactly as the user sees them (blanks included);
// its caption and first counter are Form9Model::kCaption and kInitialCounter.

namespace pav::editor::texts {

inline constexpr const char* kCountLabel = "数量：";
inline constexpr const char* kClickToReplace = "点击替换颜色";
inline constexpr const char* kReplaceColour = "替换颜色";
inline constexpr const char* kTargetColour = "目标颜色";
inline constexpr const char* kReplace = "<－替换";
inline constexpr const char* kUndo = "撤销";
inline constexpr const char* kDone = "完成";
// %1 the colour total, %2 the replacements made.
inline constexpr const char* kCounter = "颜色总数：%1  替换%2 处";

} // namespace pav::editor::texts
