#pragma once
// Where the chart-settings dialog writes its choices: public members of the
// main window (ColorBit, autoColor, rdColorNum) and of the chart window
// (xiutuTitle, whichType), and the colour choice of the main window. The dialog
// keeps nothing of its own, so it holds references to those members, which live
// for the whole run.

#include <cstdint>
#include <string>

#include "chart/ColourChoice.h"

namespace pav::settings {

struct ChartSettingsTarget {
    std::int32_t& ColorBit;   // reduction mode code: 0, 1, 2, 3, 4, 8, 16, or 99 for a forced reduction
    std::int32_t& autoColor;  // 0 = reduce before generating, 1 = do not
    std::int32_t& rdColorNum; // colour count of the forced reduction
    std::string& xiutuTitle;  // chart title
    std::string& whichType;   // thread range name ("DMC", "CC" or whatever was typed)
    pav::chart::ColourChoice& colourChoice; // best-N threads, dithering, cleanup, matching
};

} // namespace pav::settings
