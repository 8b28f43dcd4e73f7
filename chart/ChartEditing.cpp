#include "chart/ChartEditing.h"

#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <algorithm>

namespace pav::chart {

EditingRows prepareEditing(const Chart& chart, palette::ProgramState& state) {
    palette::loadColor(state.dmc);
    EditingRows rows;
    int spare = palette::kThreadRows + 1;
    for (const ChartThread& thread : chart.threads()) {
        int row = thread.row;
        if (row < 1 || row > palette::kThreadRows) {
            if (spare <= palette::kTableRows) {
                row = spare++;
                state.dmc[static_cast<std::size_t>(row)] = {thread.rgb, palette::paddedRight(thread.number, 10)};
            } else {
                row = palette::nearestThreadRow(thread.rgb);
            }
        }
        rows.rowOfThread.push_back(row);
    }

    state.colors.fill(palette::kWhite);
    state.index.fill(0);
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (!chart.stitched(x, y)) continue;
            state.colors.at(x, y) = chart.blockColour(x, y);
            state.index.at(x, y) = rows.rowOfThread[static_cast<std::size_t>(chart.threadAt(x, y))];
        }
    }
    int listed = 0;
    for (std::size_t t = 0; t < chart.threads().size() && listed < palette::kListCapacity; ++t) {
        const int row = rows.rowOfThread[t];
        const auto first = state.colorList.begin() + 1;
        if (chart.threads()[t].count == 0 || std::find(first, first + listed, row) != first + listed) continue;
        state.colorList[static_cast<std::size_t>(++listed)] = row;
    }
    state.colorCount = listed;
    state.maxColor = listed;
    return rows;
}

Chart chartAfterEditing(const Chart& chart, const EditingRows& rows, const std::function<int(int, int)>& rowAt) {
    Chart edited = chart;
    const auto threadOfRow = [&](int row) {
        const auto found = std::find(rows.rowOfThread.begin(), rows.rowOfThread.end(), row);
        return found == rows.rowOfThread.end() ? kNoStitch : static_cast<int>(found - rows.rowOfThread.begin());
    };
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const int thread = chart.threadAt(x, y);
            if (thread == kNoStitch) continue;
            const int row = rowAt(x, y);
            if (row == rows.rowOfThread[static_cast<std::size_t>(thread)]) continue;
            const int now = threadOfRow(row);
            if (now == kNoStitch) continue;
            edited.setThreadAt(x, y, now);
            edited.setBlockColour(x, y, edited.threads()[static_cast<std::size_t>(now)].rgb);
        }
    }
    edited.recount();
    std::vector<bool> backStitched(edited.threads().size(), false);
    for (const BackStitch& stitch : edited.backStitches)
        if (stitch.thread >= 0 && stitch.thread < static_cast<int>(backStitched.size()))
            backStitched[static_cast<std::size_t>(stitch.thread)] = true;
    for (std::size_t t = 0; t < edited.threads().size(); ++t) {
        ChartThread& thread = edited.threads()[t];
        if (chart.threads()[t].count > 0 && thread.count == 0 && !backStitched[t]) thread.listed = false;
    }
    return edited;
}

} // namespace pav::chart
