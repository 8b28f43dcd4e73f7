// The chart window's print and PDF export commands: the status line, the
// progress, the buttons, the abort when the window closes, re-entry and errors.

#include "PrintFixture.h"
#include "base/SaveFolders.h"

#include "chart/ChartSaver.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace pav::print::test {
namespace {

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApp();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);
        job.setEvents(&events.task);
    }

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    // The window is back as it was before the job: nothing left disabled or busy.
    void expectWindowFree() {
        EXPECT_FALSE(job.running());
        EXPECT_FALSE(chart.model.printing());
        EXPECT_TRUE(chart.model.command1Enabled());
        EXPECT_TRUE(chart.model.command4Enabled());
        EXPECT_TRUE(chart.host.mainControlsEnabled());
        EXPECT_FALSE(chart.model.busy());
    }

    QTemporaryDir m_dir;
    ChartUnderTest chart{40, 30, 12};
    RecordedEvents events;
    PrintJob job{chart.model, chart.messages};
};

// What the view sees each time the window's controls change: whether a job runs.
struct JobWatcher : chart::Form7Observer {
    explicit JobWatcher(const chart::Form7Model& watched) : model(watched) {}
    void form7ControlsChanged() override { running.push_back(model.printing()); }
    void form7ProgressChanged() override {}
    void form7CanvasChanged() override {}
    const chart::Form7Model& model;
    std::vector<bool> running;
};

TEST_F(PrintJobTest, ExportShowsEachStepAndWritesOnePage) {
    const QString pdf = path("chart.pdf");
    JobWatcher view(chart.model);
    chart.model.setObserver(&view);
    ASSERT_EQ(job.exportPdf(pdf), PrintOutcome::Printed);
    chart.model.setObserver(nullptr);

    // The view disables the print and export buttons while the job runs and
    // enables them again with the last change it hears of.
    ASSERT_FALSE(view.running.empty());
    EXPECT_TRUE(view.running.front());
    EXPECT_FALSE(view.running.back());

    EXPECT_EQ(events.statuses,
              (std::vector<std::string>{kStatusDocument, kStatusGrid, kStatusLegend, kStatusSymbols}));
    ASSERT_FALSE(events.progress.empty());
    EXPECT_EQ(events.progress.back(), std::make_pair(30, 30)); // the symbol pass ends on its last row
    EXPECT_EQ(chart.model.progressFill(), chart.model.progressFrameWidth());
    expectWindowFree();
    EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption); // a file is no print
    EXPECT_FALSE(chart.model.label1Visible());
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text, "  PDF文件保存成功在" + pdf.toStdString());
    EXPECT_EQ(chart.messages.messages[0].title, "Korvane,make life fun!");
    EXPECT_EQ(files(), QStringList{QStringLiteral("chart.pdf")});
    if (!tool("pdfinfo").isEmpty()) {
        EXPECT_EQ(pdfPages(pdf), 1);
        EXPECT_TRUE(pdfInfo(pdf).contains(QStringLiteral("595 x 842 pts (A4)"))); // A4 portrait by default
    }
}

// The print dialog's "print to file": the sheet, and the pattern, land in that file on
// the dialog's paper, and the message names it, as "导出PDF" does.
TEST_F(PrintJobTest, PrintingToAFileWritesThatFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A5));
    ASSERT_EQ(job.print(printer), PrintOutcome::Printed);
    expectWindowFree();
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text, "  PDF文件保存成功在" + path("printed.pdf").toStdString());
    EXPECT_EQ(files(), QStringList{QStringLiteral("printed.pdf")});
    QFile written(path("printed.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    if (!tool("pdfinfo").isEmpty()) {
        EXPECT_EQ(pdfPages(path("printed.pdf")), 1);
        EXPECT_TRUE(pdfInfo(path("printed.pdf")).contains(QStringLiteral("(A5)")));
    }

    printer.setOutputFileName(path("pattern.pdf"));
    ASSERT_EQ(job.printPattern(printer, pattern::PatternOptions{}), PrintOutcome::Printed);
    EXPECT_TRUE(QFileInfo(path("pattern.pdf")).size() > 0);
    EXPECT_EQ(chart.messages.messages.back().text, "  PDF文件保存成功在" + path("pattern.pdf").toStdString());
}

// Closing the window clears the abort flag: the job stops at its next symbol
// and the document is cancelled, so an earlier file of that name stays whole.
TEST_F(PrintJobTest, ClosingTheWindowCancelsTheExport) {
    const QString pdf = path("chart.pdf");
    QFile earlier(pdf);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    events.onYield = [&] {
        if (events.statuses.back() == kStatusSymbols) chart.model.unload();
    };

    EXPECT_EQ(job.exportPdf(pdf), PrintOutcome::Aborted);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("chart.pdf")});
    EXPECT_TRUE(chart.messages.messages.empty());
    expectWindowFree();
    EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);
}

// While a job runs no second job and no generation can start inside it; the
// sheet on the canvas can still be saved.
TEST_F(PrintJobTest, NothingStartsInsideARunningJob) {
    int printClicks = 0;
    chart.model.setPrintHandler([&] { ++printClicks; });
    bool checked = false;
    events.onYield = [&] {
        if (checked) return;
        checked = true;
        EXPECT_TRUE(job.running());
        EXPECT_TRUE(chart.model.printing());
        EXPECT_FALSE(chart.model.command1Enabled());
        EXPECT_FALSE(chart.model.printEnabled());
        EXPECT_FALSE(chart.model.exportEnabled());
        EXPECT_TRUE(chart.model.command4Enabled());
        EXPECT_FALSE(chart.host.mainControlsEnabled());
        EXPECT_TRUE(chart.model.busy());
        EXPECT_EQ(job.exportPdf(path("second.pdf")), PrintOutcome::Busy);
        EXPECT_EQ(job.printOnDefaultPrinter(), PrintOutcome::Busy);
        chart.model.command5Clicked();               // ignored: the print button is disabled
        chart.model.command1Clicked(TaskDelegate{}); // ignored: "生成" is disabled
        EXPECT_EQ(chart.model.command5Caption(), chart::Form7Model::kPrintCaption);
    };

    EXPECT_EQ(job.exportPdf(path("first.pdf")), PrintOutcome::Printed);
    EXPECT_TRUE(checked);
    EXPECT_EQ(printClicks, 0);
    EXPECT_EQ(files(), QStringList{QStringLiteral("first.pdf")});
    expectWindowFree();
    EXPECT_TRUE(chart.model.printEnabled());
    EXPECT_TRUE(chart.model.exportEnabled());
}

TEST_F(PrintJobTest, UnwritableFileIsReportedAndNothingIsWritten) {
    const QString pdf = path("missing/chart.pdf");
    EXPECT_EQ(job.exportPdf(pdf), PrintOutcome::Failed);
    ASSERT_EQ(chart.messages.messages.size(), 1u);
    EXPECT_EQ(chart.messages.messages[0].text.rfind("  PDF文件没有保存：" + pdf.toStdString(), 0), 0u);
    EXPECT_EQ(chart.messages.messages[0].title, "Korvane");
    EXPECT_TRUE(files().isEmpty());
    expectWindowFree();
}

// The command line's entry point takes a page layout; A4 portrait otherwise.
TEST_F(PrintJobTest, CommandLineWritesTheGivenPageLayout) {
    const QString pdf = path("letter.pdf");
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5));
    QString error;
    ASSERT_TRUE(writeChartPdf(chart.model, pdf, &error, letter)) << error.toStdString();
    if (tool("pdfinfo").isEmpty()) GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_TRUE(pdfInfo(pdf).contains(QStringLiteral("792 x 612 pts"))) << pdfInfo(pdf).toStdString();
    EXPECT_FALSE(writeChartPdf(chart.model, path("missing/x.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(PrintJobTest, ExportOffersTheTitleAsAFileName) {
    chart.model.setXiutuTitle("花/鸟:春");
    const QFileInfo offered(suggestedPdfPath(chart.model));
    EXPECT_EQ(offered.fileName(), QStringLiteral("花_鸟_春.pdf"));
    EXPECT_EQ(offered.absolutePath(), QFileInfo(QString::fromStdString(pav::saveFolder())).absoluteFilePath());
    EXPECT_EQ(withPdfSuffix(QStringLiteral("/x/chart")), QStringLiteral("/x/chart.pdf"));
    EXPECT_EQ(withPdfSuffix(QStringLiteral("/x/chart.PDF")), QStringLiteral("/x/chart.PDF"));
}

} // namespace
} // namespace pav::print::test
