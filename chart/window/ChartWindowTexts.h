#pragma once
// The chart window's own texts: captions, list items, status lines and
// messages, exactly as the user sees them (blanks included). Every text the
// window shows is looked up here, by its identity.

#include "base/UiText.h"
#include "chart/Chart.h"
#include "chart/ChartStyleNames.h"
#include "chart/oxs/OxsFile.h"
#include "colour/ChartQuality.h"

#include <cmath>
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
inline constexpr const char* kPatternButton = "分页图样...";
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
// More threads on the sheet than there are symbols (240).
inline constexpr const char* kTooManySymbols = "    绣图颜色超过240种，符号不够用，请减色后再生成。。。 ";

inline constexpr const char* kPdfFailedText = "  PDF文件没有保存：";
inline constexpr const char* kPdfFailedTitle = "Korvane";
inline constexpr const char* kPdfSavedText = "  PDF文件保存成功在";
inline constexpr const char* kPdfSavedTitle = "Korvane,make life fun!";

// Chart files.
inline constexpr const char* kSaveChartFile = "保存绣图文件...";
inline constexpr const char* kEditColours = "编辑颜色";
inline constexpr const char* kChartFileFilter = "OXS绣图文件 (*.oxs)";
inline constexpr const char* kOpenFailedText = "  绣图文件不能打开：";
inline constexpr const char* kOpenFailedTitle = "Korvane";
inline constexpr const char* kChartBusyText = "    正在生成或打印绣图，请稍后再打开绣图文件。 ";

// The status line after opening a file with stitches or objects the sheet does not show.
inline constexpr const char* kNotShownText = "绣图文件中有 %1 处注释或其他内容未显示，保存时原样保留。";
inline std::string notShownText(int count) {
    return pav::uiText(kNotShownText).arg(count).toStdString();
}

// Why a chart file was refused, as the user reads it.
inline const char* oxsErrorText(oxs::OxsError error) {
    using oxs::OxsError;
    switch (error) {
    case OxsError::None: return "";
    case OxsError::CannotOpen: return "文件不能读取。";
    case OxsError::FileTooBig: return "文件太大，不是绣图文件。";
    case OxsError::NotXml: return "文件不是XML格式的绣图文件，或者内容有损坏。";
    case OxsError::Truncated: return "文件不完整，可能没有下载或复制完。";
    case OxsError::DtdRefused: return "文件含有文档类型定义(DTD)，为了安全不能打开。";
    case OxsError::WrongRoot: return "文件不是OXS绣图文件。";
    case OxsError::BadSize: return "文件中绣图的宽度或高度缺失或有误。";
    case OxsError::ChartTooLarge: return "绣图超过 321 x 321 针，不能打开。";
    case OxsError::BadPalette: return "文件中的颜色表有误（缺少底布、序号重复或颜色有误）。";
    case OxsError::TooManyThreads: return "文件中的颜色超过500种。";
    case OxsError::BadStitch: return "文件中有针法的位置缺失或有误。";
    case OxsError::StitchOutside: return "文件中有针法超出绣图范围。";
    case OxsError::NoSuchThread: return "文件中有针法使用了颜色表里没有的颜色。";
    case OxsError::TooManyElements: return "文件内容太多或层次太深，不像绣图文件。";
    case OxsError::CannotWrite: return "文件不能写入。";
    }
    return "";
}

// The quality figures beside the status line after a generation: "平均色差 3.8，孤立针 2.4%"
// (the isolated stitches as a share of all stitches, to one decimal, ".0" left off).
inline constexpr const char* kQualityText = "平均色差 %1，孤立针 %2%";
inline std::string qualityText(const colour::ChartQuality& quality, int stitches) {
    const double share = stitches > 0 ? 100.0 * quality.isolatedStitches / stitches : 0.0;
    const double tenths = std::round(share * 10.0) / 10.0;
    const QString shown = QString::number(tenths, 'f', tenths == std::floor(tenths) ? 0 : 1);
    return pav::uiText(kQualityText).arg(QString::number(quality.meanDeltaE2000, 'f', 1), shown).toStdString();
}

// The style list's items, in the list's order.
inline constexpr ChartStyle kStyles[] = {ChartStyle::BlocksAndSymbols, ChartStyle::SymbolsOnly,
                                         ChartStyle::BlocksOnly};

inline const char* styleText(ChartStyle style) {
    return styleItemText(style);
}

// The style an item of the list stands for; none for a text that is no item.
inline std::optional<ChartStyle> styleOfText(const std::string& text) {
    return styleOfItemText(text);
}

} // namespace pav::chart::texts
