// The colour editor on a chart that was not made from the stitch picture (one
// read from a file): the chart becomes the editor's stitch data and the editor's
// replacements come back into the chart, whose other threads, back stitches and
// kept elements stay where they were.

#include "chart/ChartEditing.h"
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

TEST(ShownChartEditing, AReplacementInTheEditorRecoloursTheChartsThreadAndKeepsTheRest) {
    chart::Chart chart = fixture("padded-numbers.oxs");
    chart.backStitches.push_back({0, 0, 4, 0, 1, {}});
    palette::ProgramState state;
    const chart::EditingRows rows = chart::prepareEditing(chart, state);

    // Catalogue threads keep their rows; threads of their own take the rows after the catalogue.
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    ASSERT_EQ(rows.rowOfThread, (std::vector<int>{*dmc.rowOfNumber("310"), *dmc.rowOfNumber("321"), 424, 425, 426}));
    EXPECT_EQ(state.dmc[425].color, chart.threads()[3].rgb);
    EXPECT_EQ(state.maxColor, 5);
    EXPECT_EQ(state.index.at(5, 0), 425);
    EXPECT_EQ(state.index.at(1, 1), 0) << "an unstitched cell has no row";

    Form9Model editor(state, nullptr, nullptr);
    ASSERT_TRUE(editor.openStitches(chart.width(), chart.height()));
    EXPECT_EQ(editor.thumbnail().size(), QSize(12, 8));
    editor.pressThumbnail(); // draws the lists
    // Replace "321" (second entry) by "Anchor  403" (fourth entry), a thread of its own.
    editor.pressList(Form9Model::ListSide::Source, centre(2).x(), centre(2).y());
    editor.pressList(Form9Model::ListSide::Target, centre(4).x(), centre(4).y());
    ASSERT_EQ(editor.srcColor(), rows.rowOfThread[1]);
    ASSERT_EQ(editor.dstColor(), 425);
    editor.replace();

    const chart::Chart edited =
        chart::chartAfterEditing(chart, rows, [&](int x, int y) { return editor.editThread(x, y); });
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
    EXPECT_EQ(edited.stitchedCells(), chart.stitchedCells());

    // Without the back stitch, the emptied thread leaves the legend.
    chart.backStitches.clear();
    const chart::Chart plain = chart::chartAfterEditing(chart, rows, [&](int x, int y) { return editor.editThread(x, y); });
    EXPECT_FALSE(plain.threads()[1].listed);
}

} // namespace
} // namespace pav::editor

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
