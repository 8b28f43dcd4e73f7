#pragma once
// The picture sources' own texts, used exactly as they stand.

#include <array>
#include <string>
#include <string_view>

#include "base/TaskDelegate.h"
#include "image/PictureDecoder.h"
#include "base/WindowTexts.h"

namespace pav::sources {

inline constexpr std::string_view kBrowserCaption = pav::texts::kProductCaption;
inline constexpr std::string_view kBrowserPrompt = "选择转换成绣图的图片或则照片：";
inline constexpr std::string_view kOkCaption = pav::texts::kOkText;
inline constexpr std::string_view kCancelCaption = pav::texts::kCancelText;

inline constexpr std::string_view kGalleryCaption = "Pavlenta 绣图图库       -Korvane inc.";
inline constexpr std::string_view kApplyCaption = "应用Apply)";
inline constexpr std::string_view kQuitCaption = "退出";

// Every failure to bring a picture in, from the browser or the gallery, shows this one box.
inline constexpr std::string_view kBadPictureText =
    "   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   ";
inline constexpr std::string_view kMessageTitle = "Korvane";

inline constexpr std::string_view kIncompletePictureText = "   图片文件不完整，无法打开   ";
inline constexpr std::string_view kPictureTooLargeText = "   图片尺寸太大，无法打开   ";

// A picture that decoded only in part or claims too large a size says so, and so
// does one the main window cannot chart (its own text, ownText); every other
// failure shows the one box.
inline void reportBadPicture(pav::MessageSink& messages, image::PictureFault fault = image::PictureFault::None,
                             const std::string& ownText = {}) {
    const std::string_view text = !ownText.empty()                            ? std::string_view(ownText)
                                  : fault == image::PictureFault::Incomplete ? kIncompletePictureText
                                  : fault == image::PictureFault::TooLarge   ? kPictureTooLargeText
                                                                             : kBadPictureText;
    messages.showMessage(std::string(text), std::string(kMessageTitle));
}

inline constexpr std::string_view kDriveNotReadyText = "驱动器没有准备好，无法打开：";
// The one line over the frozen screen.
inline constexpr std::string_view kCaptureHint = "移动鼠标让红框框住要截取的部分，单击左键截取；按Esc取消";
inline constexpr std::string_view kCaptureFailedText =
    "无法截取屏幕：当前的显示环境不允许本程序读取屏幕画面。";

// The gallery's categories, each a sub-folder of the program's folder, in button order.
inline constexpr std::array<std::string_view, 7> kGalleryCategories = {"动漫", "美女", "汽车", "星座",
                                                                       "动物", "风景", "艺术"};

} // namespace pav::sources
