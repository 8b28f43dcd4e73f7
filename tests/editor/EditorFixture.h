#pragma once
// Shared set-up for the editor's tests: a program state with the thread table,
// a private working folder, a chart staged the way the editing entry leaves it,
// and recorders for messages and the chart window.

#include "editor/Form9Model.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pav::editor::test {

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
};

class RecordingSink : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::vector<Message> messages;
};

class RecordingHost : public EditorHost {
public:
    void showChartWindow() override { ++shown; }
    bool stitchDataFree() const override { return free; }
    int shown = 0;
    bool free = true;
};

inline QRgb qrgbOf(std::int32_t rgb) {
    return qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb));
}
inline std::int32_t rgbOf(QRgb pixel) {
    return palette::makeRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Thread rows used by the tests (any distinct rows will do).
constexpr int kRowA = 1;   // 3713
constexpr int kRowB = 6;   // 347
constexpr int kRowC = 421; // 310, black
constexpr int kRowD = 393; // 5200, white

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        palette::loadColor(state.dmc);
    }

    std::string folder() const { return m_folder.path().toStdString(); }
    std::string pathOf(const char* name) const {
        return m_folder.filePath(QString::fromUtf8(name)).toStdString();
    }
    std::int32_t threadRgb(int row) const { return state.dmc[row].color; }

    // Stages a w x h chart: stitch colours from colourAt, each stitch's thread the
    // nearest row of its colour, the colour list the distinct rows in order of
    // first appearance, maxColor their number; the stitch picture goes to file.
    void stageChart(int w, int h, const std::function<std::int32_t(int, int)>& colourAt,
                    const char* file = "tmpcolorv.bmp") {
        QImage picture(w, h, QImage::Format_RGB32);
        std::vector<std::int32_t> rows;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::int32_t colour = colourAt(x, y);
                state.colors.at(x, y) = colour;
                const int row = palette::nearestThreadRow(colour);
                state.index.at(x, y) = row;
                if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
                picture.setPixel(x, y, qrgbOf(colour));
            }
        }
        for (std::size_t i = 0; i < rows.size(); ++i)
            state.colorList[i + 1] = rows[i];
        state.colorCount = state.maxColor = static_cast<int>(rows.size());
        ASSERT_TRUE(picture.save(m_folder.filePath(QString::fromUtf8(file)), "BMP"));
    }

    // A chart whose stitches carry exactly the thread colours of rowAt.
    void stageThreads(int w, int h, const std::function<int(int, int)>& rowAt) {
        stageChart(w, h, [&](int x, int y) { return threadRgb(rowAt(x, y)); });
    }

    std::vector<std::int32_t> listed() const {
        return std::vector<std::int32_t>(state.colorList.begin() + 1,
                                         state.colorList.begin() + 1 + editor->colorTotal());
    }

    bool openEditor(int colorBit = 16) {
        editor = std::make_unique<Form9Model>(state, &host, &sink);
        return editor->open(colorBit, folder());
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

    palette::ProgramState state;
    RecordingSink sink;
    RecordingHost host;
    std::unique_ptr<Form9Model> editor;

private:
    QTemporaryDir m_folder;
};

} // namespace pav::editor::test
