// The colour editor on a chart that was not made from the stitch picture (one
// read from a file): the editor edits that chart itself, and its replacements
// leave the chart's other threads, back stitches and kept elements where they were.

#include "chart/oxs/OxsFile.h"
#include "editor/Form9Model.h"
#include "palette/ThreadCatalogue.h"

#include <QDir>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace pav::editor {
namespace {

chart::Chart fixture(const char* name) {
    const QString path = QDir(qEnvironmentVariable("PAV_SOURCE_DIR")).filePath(QStringLiteral("tests/chart/oxs-fixtures/") + name);
    chart::oxs::OxsReadResult read = chart::oxs::readOxsFile(path);
    EXPECT_TRUE(read.ok()) << chart::oxs::errorReason(read.error);
    return read.chart;
}

QPoint centre(int entry) {
    return Form9Model::swatchRect(entry).center();
}

struct Recorder : EditorHost {
    void finishEditing(const chart::Chart& chart) override { edited = chart; }
    chart::Chart edited;
};

TEST(ShownChartEditing, AReplacementInTheEditorRecoloursTheChartsThreadAndKeepsTheRest) {
    chart::Chart chart = fixture("padded-numbers.oxs");
    chart.backStitches.push_back({0, 0, 4, 0, 1, {}});
    Recorder host;
    Form9Model editor(&host);
    ASSERT_TRUE(editor.open(chart));
    EXPECT_EQ(editor.thumbnail().size(), QSize(12, 8));
    EXPECT_EQ(editor.thumbnail().pixel(1, 1), qRgb(255, 255, 255)) << "an unstitched cell is bare fabric";
    // Every thread with stitches is listed, catalogue threads and threads of their own alike.
    EXPECT_EQ(editor.colorTotal(), 5);
    editor.pressThumbnail(); // draws the lists
    // Replace "321" (second entry) by "Anchor  403" (fourth entry), a thread of its own.
    editor.pressList(Form9Model::ListSide::Source, centre(2).x(), centre(2).y());
    editor.pressList(Form9Model::ListSide::Target, centre(4).x(), centre(4).y());
    ASSERT_EQ(editor.srcColor(), 1);
    ASSERT_EQ(editor.dstColor(), 3);
    editor.replace();
    editor.done();

    const chart::Chart& edited = host.edited;
    EXPECT_EQ(edited.threads()[1].count, 0);
    EXPECT_TRUE(edited.threads()[1].listed) << "its back stitch keeps the thread in the legend";
    EXPECT_EQ(edited.threads()[3].count, 2 + 3);
    for (const QPoint cell : {QPoint(2, 0), QPoint(3, 0), QPoint(0, 1)}) {
        EXPECT_EQ(edited.threadAt(cell.x(), cell.y()), 3);
        EXPECT_EQ(edited.blockColour(cell.x(), cell.y()), chart.threads()[3].rgb);
    }
    EXPECT_EQ(edited.threadAt(0, 0), 0);
    EXPECT_EQ(edited.threadAt(4, 0), 2);
    EXPECT_EQ(edited.threads().size(), chart.threads().size());
    EXPECT_EQ(edited.backStitches, chart.backStitches);
    EXPECT_EQ(edited.file, chart.file);
    EXPECT_EQ(edited.stitchedCells(), chart.stitchedCells());

    // Without the back stitch, the emptied thread leaves the legend.
    chart.backStitches.clear();
    Form9Model plainEditor(&host);
    ASSERT_TRUE(plainEditor.open(chart));
    plainEditor.pressThumbnail();
    plainEditor.pressList(Form9Model::ListSide::Source, centre(2).x(), centre(2).y());
    plainEditor.pressList(Form9Model::ListSide::Target, centre(4).x(), centre(4).y());
    plainEditor.replace();
    plainEditor.done();
    EXPECT_FALSE(host.edited.threads()[1].listed);
}

} // namespace
} // namespace pav::editor

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
