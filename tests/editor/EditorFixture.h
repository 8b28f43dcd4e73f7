#pragma once
// Shared set-up for the editor's tests: a chart made the way the chart window
// makes it (the RGB rule, every thread listed), and a recorder for "完成".

#include "chart/ChartFromIndex.h"
#include "editor/Form9Model.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pav::editor::test {

class RecordingHost : public EditorHost {
public:
    void finishEditing(const chart::Chart& edited) override {
        ++shown;
        last = edited;
    }
    int shown = 0;
    chart::Chart last;
};

inline QRgb qrgbOf(std::int32_t rgb) {
    return qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb));
}
inline std::int32_t rgbOf(QRgb pixel) {
    return palette::makeRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
inline std::int32_t threadRgb(int row) {
    return palette::dmcThreads()[static_cast<std::size_t>(row - 1)].color;
}

// Thread rows used by the tests (any distinct rows will do).
constexpr int kRowA = 1;   // 3713
constexpr int kRowB = 6;   // 347
constexpr int kRowC = 421; // 310, black
constexpr int kRowD = 393; // 5200, white

// The chart of w x h stitch colours from colourAt, as the colour index makes it
// with every thread listed (but with no limit on the stitch colours): each
// stitch's thread the nearest row of its colour, threads in order of first appearance.
inline chart::Chart chartOf(int w, int h, const std::function<std::int32_t(int, int)>& colourAt) {
    chart::Chart chart(w, h);
    std::vector<int> threadOfRow(palette::kThreadRows + 1, -1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::int32_t colour = colourAt(x, y);
            const int row = palette::nearestThreadRow(colour);
            int& thread = threadOfRow[static_cast<std::size_t>(row)];
            if (thread < 0) {
                thread = static_cast<int>(chart.threads().size());
                chart::ChartThread entry;
                entry.row = row;
                entry.rgb = threadRgb(row);
                entry.number = palette::dmcThreads()[static_cast<std::size_t>(row - 1)].number;
                chart.threads().push_back(entry);
            }
            chart.setThreadAt(x, y, thread);
            chart.setBlockColour(x, y, colour);
        }
    }
    chart.recount();
    return chart;
}

class EditorTest : public ::testing::Test {
protected:
    // Stages a w x h chart of the stitch colours colourAt.
    void stageChart(int w, int h, const std::function<std::int32_t(int, int)>& colourAt) {
        staged = chartOf(w, h, colourAt);
    }
    // A chart whose stitches carry exactly the thread colours of rowAt.
    void stageThreads(int w, int h, const std::function<int(int, int)>& rowAt) {
        stageChart(w, h, [&](int x, int y) { return threadRgb(rowAt(x, y)); });
    }

    // The catalogue row of a thread of the edited chart, kNone for none.
    std::int32_t rowOf(std::int32_t thread) const {
        return thread == Form9Model::kNone ? Form9Model::kNone
                                           : editor->chart().threads()[static_cast<std::size_t>(thread)].row;
    }
    // The rows of the colour list's counted entries, in order.
    std::vector<std::int32_t> listed() const {
        std::vector<std::int32_t> rows;
        for (int i = 1; i <= editor->colorTotal(); ++i) rows.push_back(rowOf(editor->listThread(i)));
        return rows;
    }

    bool openEditor() {
        editor = std::make_unique<Form9Model>(&host);
        return editor->open(staged);
    }

    // Presses the centre of list entry i (1-based) in one list.
    void pressEntry(Form9Model::ListSide side, int i) {
        const QPoint centre = Form9Model::swatchRect(i).center();
        editor->pressList(side, centre.x(), centre.y());
    }

    // Picks source and target by list entry and presses "<－替换".
    void replaceEntries(int srcEntry, int dstEntry) {
        pressEntry(Form9Model::ListSide::Source, srcEntry);
        pressEntry(Form9Model::ListSide::Target, dstEntry);
        editor->replace();
    }

    chart::Chart staged;
    RecordingHost host;
    std::unique_ptr<Form9Model> editor;
};

} // namespace pav::editor::test
