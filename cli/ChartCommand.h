#pragma once
#include "CliError.h"

namespace pav::cli {

// chart IN [--width N] [--mode M | --colors N | --threads N [--dither D] [--cleanup C]] [--match M]
//       [--style S] [--threshold N] [--title T] [--range R] [--allow-specialty] [-o CHART.bmp] [--stitches S.bmp] [--effect E.bmp] [--pdf CHART.pdf] [--json]
extern const char* const kChartUsage;
void runChart(const Invocation& invocation);

} // namespace pav::cli
