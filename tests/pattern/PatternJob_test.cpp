// The pattern from the chart window: the dialog's model (page count, finished
// size, preview), the dialog's layouts and options, and the print job writing
// the pattern or stopping when the window closes.

#include "../print/PrintFixture.h"
#include "PatternFixture.h"

#include "chart/window/PatternDialog.h"
#include "chart/window/PatternDialogTexts.h"
#include "base/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace pav::print::test {
namespace {

// The dialog's widgets need a widget application, made before any fixture makes a plain one.
bool widgetApp = [] {
    static int argc = 1;
    static char name[] = "pattern_job_test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    return true;
}();

class PatternJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        job.setEvents(&events.task);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    ChartUnderTest chart{230, 250, 60};
    RecordedEvents events;
    PrintJob job{chart.model, chart.messages};
};

TEST_F(PatternJobTest, DialogModelGivesPagesFinishedSizeAndAPreview) {
    chart::PatternDialogModel model(chart.model.chart(), chart::OutputLayout::Pattern);
    EXPECT_EQ(model.pageCount(), 15); // the cover, 12 chart pages, 2 key pages
    EXPECT_EQ(model.summary(), QStringLiteral("共 15 页（图样 12 页），成品 41.7 × 45.4 厘米（16.4 × 17.9 英寸）"));
    pattern::PatternOptions options;
    options.fabricCount = 11;
    options.cellMm = 9; // brought into range: 5 mm
    options.overlap = -2;
    model.setOptions(options);
    EXPECT_EQ(model.options().cellMm, 5.0);
    EXPECT_EQ(model.options().overlap, 0);
    EXPECT_TRUE(model.summary().endsWith(QStringLiteral("成品 53.1 × 57.7 厘米（20.9 × 22.7 英寸）")));

    const QImage preview = model.preview(360);
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.width(), 360);
    EXPECT_EQ(preview.height(), 509); // A4 portrait
    bool coloured = false;
    for (int y = 0; y < preview.height() && !coloured; y += 3)
        for (int x = 0; x < preview.width() && !coloured; x += 3) coloured = isBlock(preview.pixel(x, y));
    EXPECT_TRUE(coloured) << "no colour blocks on the preview";

    model.setLayout(chart::OutputLayout::Sheet);
    EXPECT_EQ(model.pageCount(), 1);
    EXPECT_EQ(model.summary(), pav::uiText(chart::texts::kSheetSummary));
    EXPECT_TRUE(model.preview(360).isNull());
}

// The symbols are chosen in the dialog, the designed ones first; a cell a little
// smaller that saves pages is offered and taken with one click.
TEST_F(PatternJobTest, DialogOffersDistinctSymbolsAndASmallerCell) {
    PatternDialog dialog(job, chart::OutputLayout::Pattern);
    auto* symbols = dialog.findChild<QComboBox*>(QStringLiteral("Symbols"));
    auto* cell = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("CellMm"));
    auto* offer = dialog.findChild<QLabel*>(QStringLiteral("CellOffer"));
    auto* take = dialog.findChild<QPushButton*>(QStringLiteral("UseCellOffer"));
    ASSERT_TRUE(symbols && cell && offer && take);
    EXPECT_EQ(symbols->currentText(), QStringLiteral("易辨符号"));
    EXPECT_EQ(dialog.model().options().symbols, pattern::SymbolChoice::Distinct);
    symbols->setCurrentIndex(1);
    EXPECT_EQ(symbols->currentText(), QStringLiteral("与绣图相同"));
    EXPECT_EQ(dialog.model().options().symbols, pattern::SymbolChoice::Chart);
    EXPECT_TRUE(offer->isHidden()); // 2.8 mm: nothing smaller within 10 % saves a page
    dialog.findChild<QComboBox*>(QStringLiteral("Orientation"))->setCurrentIndex(1); // portrait
    cell->setValue(2.2);
    ASSERT_FALSE(offer->isHidden());
    EXPECT_EQ(offer->text(), QStringLiteral("每格改为 2.1 毫米，图样只需 9 页"));
    take->click();
    EXPECT_DOUBLE_EQ(cell->value(), 2.1);
    EXPECT_EQ(dialog.model().patternLayout().chartPages.size(), 9u);
    // A chart of many lone stitches is said to be one; no remake is offered without a way to remake.
    auto* isolated = dialog.findChild<QLabel*>(QStringLiteral("IsolatedHint"));
    auto* remake = dialog.findChild<QPushButton*>(QStringLiteral("Remake"));
    ASSERT_TRUE(isolated && remake);
    EXPECT_EQ(isolated->isHidden(), !dialog.model().manyIsolated().has_value());
    EXPECT_TRUE(remake->isHidden());
    if (dialog.model().manyIsolated()) {
        bool remade = false;
        dialog.setRemake([&] { remade = true; });
        EXPECT_FALSE(remake->isHidden());
        remake->click();
        EXPECT_TRUE(remade);
    }
}

// "导出PDF" opens on "单页", which writes today's one-page sheet; "分页图样" writes
// the pattern with the options set in the dialog.
TEST_F(PatternJobTest, DialogWritesTheLayoutAndOptionsChosen) {
    PatternDialog dialog(job, chart::OutputLayout::Sheet);
    auto* cell = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("CellMm"));
    auto* layout = dialog.findChild<QComboBox*>(QStringLiteral("Layout"));
    auto* summary = dialog.findChild<QLabel*>(QStringLiteral("Summary"));
    ASSERT_TRUE(cell && layout && summary);
    EXPECT_EQ(layout->currentText(), QStringLiteral("单页"));
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(summary->text(), pav::uiText(chart::texts::kSheetSummary));
    ASSERT_EQ(dialog.exportTo(path("sheet.pdf")), PrintOutcome::Printed);
    EXPECT_EQ(pattern::test::pdfPages(path("sheet.pdf")), 1);

    layout->setCurrentIndex(0);
    EXPECT_TRUE(cell->isEnabled());
    cell->setValue(5.0);
    dialog.findChild<QCheckBox*>(QStringLiteral("BlackAndWhite"))->setChecked(true);
    EXPECT_TRUE(dialog.model().options().blackAndWhite);
    const int pages = dialog.model().pageCount();
    EXPECT_EQ(pages, 1 + 5 * 9 + 3); // landscape: 51 x 32 stitches a page, 3 repeated; 24 key rows a page
    EXPECT_TRUE(summary->text().startsWith(QStringLiteral("共 49 页（图样 45 页）"))) << summary->text().toStdString();
    ASSERT_EQ(dialog.exportTo(path("pattern.pdf")), PrintOutcome::Printed);
    EXPECT_EQ(pattern::test::pdfPages(path("pattern.pdf")), pages);
    ASSERT_EQ(chart.messages.messages.size(), 2u);
    EXPECT_EQ(chart.messages.messages[1].text,
              chart::texts::kPdfSavedText + QDir::toNativeSeparators(path("pattern.pdf")).toStdString());
}

// The preview pages through the whole pattern, from the first chart page.
TEST_F(PatternJobTest, PreviewPagesThroughEveryPage) {
    chart::PatternDialogModel model(chart.model.chart(), chart::OutputLayout::Pattern);
    EXPECT_EQ(model.previewPage(), 2);
    EXPECT_EQ(model.previewCaption(), QStringLiteral("图样预览：第 2 / 15 页"));
    const QImage chartPage = model.preview(120);
    model.previousPage();
    EXPECT_EQ(model.previewPage(), 1);
    EXPECT_NE(model.preview(120), chartPage); // the cover
    model.previousPage();
    EXPECT_EQ(model.previewPage(), 1);
    model.showPage(15);
    EXPECT_EQ(model.previewCaption(), QStringLiteral("图样预览：第 15 / 15 页"));
    model.nextPage();
    EXPECT_EQ(model.previewPage(), 15);
    pattern::PatternOptions larger;
    larger.cellMm = 2.0; // fewer pages: the page shown stays within them
    model.setOptions(larger);
    EXPECT_EQ(model.previewPage(), model.pageCount());

    PatternDialog dialog(job, chart::OutputLayout::Pattern);
    auto* caption = dialog.findChild<QLabel*>(QStringLiteral("PreviewCaption"));
    auto* next = dialog.findChild<QPushButton*>(QStringLiteral("NextPage"));
    auto* previous = dialog.findChild<QPushButton*>(QStringLiteral("PreviousPage"));
    ASSERT_TRUE(caption && next && previous);
    EXPECT_EQ(caption->text(), QStringLiteral("图样预览：第 2 / 15 页"));
    next->click();
    EXPECT_EQ(caption->text(), QStringLiteral("图样预览：第 3 / 15 页"));
    previous->click();
    previous->click();
    EXPECT_EQ(caption->text(), QStringLiteral("图样预览：第 1 / 15 页"));
    EXPECT_FALSE(previous->isEnabled());
}

// The options chosen stay for the next opening of the run; Enter in a number box
// applies the number and prints nothing; a size the box refuses says the range.
TEST_F(PatternJobTest, OptionsStayEnterAppliesAndTheCellRangeIsSaid) {
    {
        PatternDialog first(job, chart::OutputLayout::Pattern);
        first.findChild<QDoubleSpinBox*>(QStringLiteral("CellMm"))->setValue(4.0);
        auto* fabric = first.findChild<QComboBox*>(QStringLiteral("Fabric"));
        fabric->setCurrentIndex(fabric->findData(18));
        first.findChild<QCheckBox*>(QStringLiteral("BlackAndWhite"))->setChecked(true);
    }
    PatternDialog dialog(job, chart::OutputLayout::Pattern);
    auto* cell = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("CellMm"));
    auto* hint = dialog.findChild<QLabel*>(QStringLiteral("CellHint"));
    ASSERT_TRUE(cell && hint);
    EXPECT_EQ(cell->value(), 4.0);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("Fabric"))->currentData().toInt(), 18);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("BlackAndWhite"))->isChecked());
    EXPECT_EQ(dialog.model().options().cellMm, 4.0);

    int pressed = 0;
    for (const char* name : {"Print", "Export", "Close"}) {
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_TRUE(button);
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr); // no file or print dialog here
        QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    }
    dialog.show();
    cell->setFocus();
    cell->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(cell->findChild<QLineEdit*>(), QStringLiteral("3.5"));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(pressed, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.model().options().cellMm, 3.5);
    EXPECT_TRUE(hint->isHidden());

    cell->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(cell->findChild<QLineEdit*>(), QStringLiteral("1.5"));
    EXPECT_FALSE(hint->isHidden());
    EXPECT_EQ(hint->text(), QStringLiteral("每格大小只能是 2.0 到 5.0 毫米"));
    EXPECT_EQ(chart::PatternDialogModel::cellRangeText(), hint->text());
    EXPECT_FALSE(chart::PatternDialogModel::cellSizeAllowed(1.5));
    EXPECT_TRUE(chart::PatternDialogModel::cellSizeAllowed(5.0));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(pressed, 0);
    EXPECT_EQ(dialog.model().options().cellMm, 3.5); // refused, and said so
}

TEST_F(PatternJobTest, ClosingTheWindowStopsThePatternAndWritesNothing) {
    events.onYield = [&] { chart.model.unload(); };
    EXPECT_EQ(job.exportPattern(path("p.pdf"), pattern::PatternOptions{}), PrintOutcome::Aborted);
    EXPECT_FALSE(QFile::exists(path("p.pdf")));
    EXPECT_TRUE(chart.messages.messages.empty());
    EXPECT_FALSE(job.running());
    EXPECT_TRUE(chart.host.mainControlsEnabled());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PatternJobTest, UnwritableFileIsReported) {
    const QString nowhere = path("no/such/folder/p.pdf");
    EXPECT_EQ(job.exportPattern(nowhere, pattern::PatternOptions{}), PrintOutcome::Failed);
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text.rfind(chart::texts::kPdfFailedText, 0), 0u);
    EXPECT_EQ(chart.messages.messages[0].icon, MessageIcon::Warning);
}

} // namespace
} // namespace pav::print::test
