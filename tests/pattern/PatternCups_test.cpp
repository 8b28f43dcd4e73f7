// The pattern on a real printer queue: the private CUPS daemon of the print
// tests, whose default queue writes PDFs, reached as the program reaches any queue.

#include "../print/CupsEnvironment.h"

#include "chart/pattern/PatternPages.h"

#include <QPrinter>

namespace pav::print::test {
namespace {

class PatternCupsTest : public CupsJobTest {
protected:
    PatternCupsTest() : CupsJobTest(150, 120, 20) {}
};

// Every page of the pattern comes out of the queue, or the range the print dialog asked for.
TEST_F(PatternCupsTest, PatternComesOutOfTheQueueWithItsPages) {
    const int pages = pattern::layOutPattern(chart.model.chart(), pattern::PatternOptions{}).totalPages();
    ASSERT_GT(pages, 3);
    QPrinter whole(QPrinter::HighResolution);
    ASSERT_TRUE(printerReady(whole)) << "default queue: " << whole.printerName().toStdString();
    ASSERT_EQ(job.printPattern(whole, pattern::PatternOptions{}), PrintOutcome::Printed);
    EXPECT_TRUE(chart.messages.messages.empty());

    QPrinter range(QPrinter::HighResolution);
    range.setPrintRange(QPrinter::PageRange);
    range.setFromTo(2, 3);
    ASSERT_EQ(job.printPattern(range, pattern::PatternOptions{}), PrintOutcome::Printed);

    const QStringList pdfs = printed(2);
    ASSERT_EQ(pdfs.size(), 2);
    EXPECT_EQ(pdfPages(pdfs[0]), pages);
    EXPECT_EQ(pdfPages(pdfs[1]), 2);
}

// Closing the window while the pages are drawn sends nothing; the next job prints.
TEST_F(PatternCupsTest, CancelledPatternSendsNothing) {
    events.onYield = [&] { chart.model.unload(); };
    QPrinter printer(QPrinter::HighResolution);
    EXPECT_EQ(job.printPattern(printer, pattern::PatternOptions{}), PrintOutcome::Aborted);
    events.onYield = nullptr;
    QPrinter again(QPrinter::HighResolution);
    again.setPrintRange(QPrinter::PageRange);
    again.setFromTo(1, 1);
    EXPECT_EQ(job.printPattern(again, pattern::PatternOptions{}), PrintOutcome::Printed);
    const QStringList pdfs = printed(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pdfPages(pdfs[0]), 1);
}

} // namespace
} // namespace pav::print::test
