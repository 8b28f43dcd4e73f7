#pragma once
// What reading a chart file mended, as a note on stderr: the command still succeeds.

#include "chart/Chart.h"

#include <string>

namespace pav::cli {

// One line without its "pavlenta-cli: " start, or empty when there is nothing to say.
std::string chartFileNotes(const chart::Chart& chart);

} // namespace pav::cli
