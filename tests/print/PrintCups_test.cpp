// The print job on a real printer queue: a private CUPS daemon whose default
// queue writes PDFs (cups-pdf), reached the way the program reaches any queue.

#include "CupsEnvironment.h"

#include <QFile>
#include <QPrinter>

namespace pav::print::test {
namespace {

class PrintCupsTest : public CupsJobTest {
protected:
    PrintCupsTest() : CupsJobTest(100, 100, 30) {}
};

// The page that comes out of the queue is the chart at the scale the job laid
// it out for the printer's page.
TEST_F(PrintCupsTest, ChartComesOutOfTheDefaultQueue) {
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_TRUE(printerReady(printer)) << "default queue: " << printer.printerName().toStdString();
    const PaperChart sheet{100, 100, static_cast<int>(chart.model.chart().legend().size())};
    const PaperLayout layout = layOutPaper(sheet, paperSize(printer), paperText(printer));
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);

    ASSERT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Printed);
    EXPECT_EQ(chart.model.command5Caption(), chart::texts::kPrintedCaption);
    EXPECT_EQ(chart.model.label1Text(), kStatusPrinting);
    EXPECT_TRUE(chart.model.label1Visible());
    EXPECT_TRUE(chart.messages.messages.empty());

    const QStringList pdfs = printed(1);
    ASSERT_EQ(pdfs.size(), 1);
    if (const QString keep = qEnvironmentVariable("PAV_PRINT_KEEP"); !keep.isEmpty())
        QFile::copy(pdfs[0], QDir(keep).filePath(QStringLiteral("queue.pdf")));
    EXPECT_EQ(pdfPages(pdfs[0]), 1);
    const PageImage page(rasterize(pdfs[0], 150), 150, QPointF(margins.left(), margins.top()));
    ASSERT_FALSE(page.isNull());
    const double u = layout.printCell;
    const auto across = page.spanAlongRow(layout.gridTop + 50.5 * u, isBlock);
    ASSERT_TRUE(across) << "no colour blocks on the printed page";
    EXPECT_NEAR(across->first, layout.leftMargin, 0.5);
    EXPECT_NEAR(across->second - across->first, 100 * u, 0.5);
    EXPECT_TRUE(page.any(QRectF(layout.leftMargin + 2, layout.totalLine.y(), 100, 3.5), isInk))
        << "stitch total";
}

// A job cancelled by closing the window sends nothing; the next click prints,
// and so does the one after ("打印.." still means print).
TEST_F(PrintCupsTest, CancelledJobSendsNothingAndPrintingAgainWorks) {
    events.onYield = [&] {
        if (events.statuses.back() == kStatusSymbols) chart.model.unload();
    };
    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Aborted);
    EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);
    EXPECT_TRUE(chart.model.command1Enabled());

    events.onYield = nullptr;
    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Printed);
    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Printed);
    EXPECT_EQ(chart.model.command5Caption(), chart::texts::kPrintedCaption);
    // Jobs leave the queue in order: had the cancelled page been sent it would be among these.
    EXPECT_EQ(printed(2).size(), 2);
}

// The print server goes away between two jobs: the next job reports the
// printer as not ready, and the one after the server is back prints again.
TEST_F(PrintCupsTest, PrintServerGoneIsReported) {
    cups().m_cups.stop();
    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Failed);
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text, kPrintFailedText);
    EXPECT_EQ(chart.messages.messages[0].title, kPrintFailedTitle);
    EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);

    ASSERT_TRUE(cups().m_running = cups().m_cups.start(&cups().m_why)) << cups().m_why.toStdString();
    m_before = cups().m_cups.outputs().size();
    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Printed);
    EXPECT_EQ(printed(1).size(), 1);
}

} // namespace
} // namespace pav::print::test
