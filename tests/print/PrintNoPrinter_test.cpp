// Printing where no printer queue can be reached: the print server named by
// CUPS_SERVER does not exist.

#include "PrintFixture.h"

namespace pav::print::test {
namespace {

// Set before anything in this process asks the print system for its queues.
const bool kNoPrintServer = [] {
    qputenv("CUPS_SERVER", "/nonexistent/pavlenta-print-test/cups.sock");
    return true;
}();

TEST(PrintNoPrinter, MessageAndNothingElse) {
    ensureApp();
    ChartUnderTest chart(40, 30, 12);
    PrintJob job(chart.model, chart.messages);
    const std::string label = chart.model.label1Text();
    const bool labelShown = chart.model.label1Visible();

    EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Failed);
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text, "    打印异常，请确认您的打印机已经就绪。     ");
    EXPECT_EQ(chart.messages.messages[0].title, "Korvane ");
    EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);
    EXPECT_EQ(chart.model.label1Text(), label);
    EXPECT_EQ(chart.model.label1Visible(), labelShown);
    EXPECT_TRUE(chart.model.command1Enabled());
    EXPECT_TRUE(chart.host.mainControlsEnabled());
    EXPECT_FALSE(chart.model.busy());
}

// Before any print dialog opens, no printer at all is said, with the way out.
TEST(PrintNoPrinter, SaidBeforeTheDialogWithTheWayToAPdf) {
    ensureApp();
    ChartUnderTest chart(40, 30, 12);
    PrintJob job(chart.model, chart.messages);
    EXPECT_FALSE(job.printerAvailable());
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text, "  没有找到打印机。请用“导出PDF”把绣图保存为PDF文件。  ");
    EXPECT_FALSE(job.running());
}

} // namespace
} // namespace pav::print::test
