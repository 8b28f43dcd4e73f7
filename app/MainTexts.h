#pragma once
// The main window's own texts: captions, hints, messages and titles, exactly
// as the user sees them (blanks included).

namespace pav::app::texts {

// Window and titles.
inline constexpr const char* kWindowTitle = "Pavlenta";
inline constexpr const char* kTitleKorvane = "Korvane";
inline constexpr const char* kTitleMakeLifeFunPlain = "Korvane make life fun";
inline constexpr const char* kErrorTitle = "错误！";
inline constexpr const char* kTitleKorvaneInc = "Korvane inc.";

// Status line and hints.
inline constexpr const char* kWelcome = "欢迎使用Pavlenta，动手把你的照片做成十字绣！";
inline constexpr const char* kMoreColoursHint = "增加颜色，得到更逼真效果。需要更多绣线";
inline constexpr const char* kFewColoursHint = "只要10种颜色就可以绣出真彩般的照片效果，大大节约绣线。这就是Korvane的神奇科技!";
inline constexpr const char* kAddTextHint = "加入文字";
inline constexpr const char* kBarsResizeHint = "可以通过滚动条直接改变绣图的大小";
inline constexpr const char* kBarsMoveHint = "可以通过滚动条移动显示图像";
inline constexpr const char* kProcessingStarted = "开始处理...";
inline constexpr const char* kReductionDone = "减色处理完毕";
inline constexpr const char* kProcessingDone = "处理完毕";
inline constexpr const char* kEffectSavedPrefix = "绣图效果图保存到";
inline constexpr const char* kFabricSizePrefix = "绣布：宽高";

// Messages.
inline constexpr const char* kPreviewFirst = "   生成绣图前请先点击效果预览键，并且强烈建议您使用超级减色属性  ";
inline constexpr const char* kCannotCreate = "无法创建！";
inline constexpr const char* kTooManyColours = "    绣图颜色太多，请减色后再生成。。。 ";
inline constexpr const char* kUnknownBitmap = "不能识别的位图！";
inline constexpr const char* kCannotWriteStitchPicture =
    "无法写入临时文件 tmppicv.bmp，请确认当前文件夹或用户的缓存文件夹可以写入。绣图没有改变。";
inline constexpr const char* kCannotSaveEffect = "无法保存绣图效果图：";
// %1 the editor's stitch picture.
inline constexpr const char* kCannotWriteEditorPicture = "无法写入临时文件 %1，请确认当前文件夹或用户的缓存文件夹可以写入。";
// A picture that decodes but gives no fabric; the picture before it stays.
inline constexpr const char* kPictureTooSmall = "   图片太小，无法做成绣图：宽至少要3个像素，高至少要2个像素   ";
inline constexpr const char* kPictureTooThin = "   图片太细长，无法做成绣图：高度不能超过宽度的16倍   ";

// Captions of the window's controls.
inline constexpr const char* kFrame1 = "我的图片";
inline constexpr const char* kCommand1 = "局部";
inline constexpr const char* kCommand11 = "全图";
inline constexpr const char* kCheck1 = "选中它，就可以通过滚动条直接改变绣图的大小";
inline constexpr const char* kCommand2 = "预览";
inline constexpr const char* kCommand3 = "保存效果";
inline constexpr const char* kCommand4 = "效果预览->";
inline constexpr const char* kCommand5 = "导入图片";
inline constexpr const char* kCommand6 = "绣图图库";
inline constexpr const char* kCommand7 = "绣图设置";
inline constexpr const char* kCommand8 = "确定";
inline constexpr const char* kCommand9 = "清除";
inline constexpr const char* kLabel2 = "生成";
inline constexpr const char* kLabel3 = "打印";
inline constexpr const char* kLabel5 = "+";
inline constexpr const char* kLabel6 = "-";
inline constexpr const char* kLabel7 = "A";
inline constexpr const char* kLabel9 = "编辑";
inline constexpr const char* kLabel10 = "超级减色";
inline constexpr const char* kLabel11 = "还原色彩";
inline constexpr const char* kLabel12 = "超级减色";
inline constexpr const char* kText1 = "在这里输入你的文字";

// Menus.
inline constexpr const char* kMenuFile = "文件";
inline constexpr const char* kMenuSettings = "设置";
inline constexpr const char* kMenuHelp = "帮助";
inline constexpr const char* kFop1 = "导入图片文件";
inline constexpr const char* kFop2 = "直接屏幕截图";
inline constexpr const char* kOpenChartFile = "打开绣图文件...";
inline constexpr const char* kFop3 = "生成我的绣图";
inline constexpr const char* kFop4 = "打印绣图";
inline constexpr const char* kFop6 = "退出Pavlenta";
inline constexpr const char* kFset1 = "软件设置";
inline constexpr const char* kFset3 = "绣图设置";
inline constexpr const char* kFset4 = "绣图图库";
inline constexpr const char* kFreg4 = "关于...";
inline constexpr const char* kHelpManual = "使用说明";
inline constexpr const char* kNoHelpText = "  找不到使用说明文件README.md，也无法打开它。  ";
// The language menu names each language in its own words, whichever is chosen.
inline constexpr const char* kMenuLanguage = "Language / 语言";
inline constexpr const char* kLanguageChinese = "中文";
inline constexpr const char* kLanguageEnglish = "English";

} // namespace pav::app::texts
