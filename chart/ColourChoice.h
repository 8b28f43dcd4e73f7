#pragma once
// How the colours of the next chart are chosen beyond the reduction mode: the
// best-N thread reduction with its dithering and cleanup, and the criterion by
// which the chart window's colour index finds a stitch's thread. The settings
// dialog writes it into the main window; the command line fills it from options.

#include "chart/Chart.h"
#include "colour/IsolatedCleanup.h"
#include "colour/ThreadAssignment.h"
#include "colour/ThreadMatcher.h"

#include <string>

namespace pav::chart {

struct ColourChoice {
    // 0: off; 2..100: the best-N reduction, which overrides the reduction mode.
    int bestThreads = 0;
    colour::Dither dither = colour::Dither::None;
    colour::Cleanup cleanup = colour::Cleanup::Light;
    colour::FitCriterion criterion = colour::FitCriterion::Rgb;
    // The thread range the best threads come from (the chart's range; one with no
    // catalogue, such as "CC", chooses from DMC).
    std::string threadRange = "DMC";
    // Whether metallic, glow and variegated threads may be chosen: by the best
    // threads of any range, and by matching in every range but the prescribed "DMC".
    bool allowSpecialty = false;

    bool usesBestThreads() const { return bestThreads != 0; }
    friend bool operator==(const ColourChoice&, const ColourChoice&) = default;
};

// The swatches of a sheet after the reduction mode code colorBit: the grey modes (2
// and 4) grey them, unless the best threads took the mode's place (their stitches are thread colours).
inline Swatches sheetSwatches(int colorBit, const ColourChoice& choice) {
    return !choice.usesBestThreads() && (colorBit == 2 || colorBit == 4) ? Swatches::Grey : Swatches::ThreadColours;
}

} // namespace pav::chart
