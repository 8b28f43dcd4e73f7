#include "ChartFileNotes.h"

namespace pav::cli {

std::string chartFileNotes(const chart::Chart& chart) {
    std::string note;
    const auto add = [&](int count, const char* what) {
        if (count <= 0) return;
        note += (note.empty() ? "note: " : "; ") + std::to_string(count) + what;
    };
    add(chart.file.repeatedStitches, " repeated full stitches on a cell dropped (the first of each cell kept)");
    add(chart.file.replacedSymbols, " threads repeating another's symbol given symbols of their own");
    return note;
}

} // namespace pav::cli
