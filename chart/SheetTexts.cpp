// The sheet's own words and colours: title block and footer texts, the ink of a
// symbol over its block, and the legend's swatch colour.
#include "chart/ChartRenderer.h"

#include "base/UiText.h"
#include "palette/RgbValues.h"

#include <array>
#include <cmath>

namespace pav::chart {

QColor symbolInk(std::int32_t background) {
    // Relative luminance of the sRGB background; black and white contrast equally at 0.179.
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            table[static_cast<std::size_t>(i)] =
                c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    const double luminance = 0.2126 * linear[static_cast<std::size_t>(palette::redOf(background))] +
                             0.7152 * linear[static_cast<std::size_t>(palette::greenOf(background))] +
                             0.0722 * linear[static_cast<std::size_t>(palette::blueOf(background))];
    return luminance < 0.179 ? QColor(Qt::white) : QColor(Qt::black);
}

std::int32_t swatchColor(std::int32_t rgb, Swatches swatches) {
    if (swatches != Swatches::Grey) return rgb;
    if (palette::greenOf(rgb) == 255 && palette::blueOf(rgb) == 255) return rgb;
    const int grey = (palette::redOf(rgb) + palette::greenOf(rgb) + palette::blueOf(rgb)) / 3;
    return palette::makeRgb(grey, grey, grey);
}

QString chartTitle(const std::string& title) {
    return title.empty() ? pav::uiText(kDefaultTitle) : QString::fromStdString(title);
}

std::string chartRange(const std::string& whichType) {
    return whichType.empty() ? kDefaultRange : whichType;
}

QString chartSubtitle(const std::string& whichType, int maxColor, int chartW, int chartH) {
    return pav::uiText("绣线:%1  颜色数：%2   宽x高：%3x%4")
        .arg(QString::fromStdString(whichType), QString::number(maxColor), QString::number(chartW),
             QString::number(chartH));
}

QString footerText(int chartW, int chartH) {
    return pav::uiText("注:全部线量总和为%1，线量不是某种长度单位，只是用来说明各颜色线所占比例.")
        .arg(static_cast<long long>(chartW) * chartH);
}

} // namespace pav::chart
