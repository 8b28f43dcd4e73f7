#pragma once
// One private CUPS daemon for a whole test program (PrivateCups), started
// before its first test and stopped after its last; tests skip, with the
// reason, where it cannot run.

#include "PrintFixture.h"
#include "PrivateCups.h"

namespace pav::print::test {

class CupsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ensureApp();
        m_running = m_cups.start(&m_why);
    }
    void TearDown() override { m_cups.stop(); }

    PrivateCups m_cups;
    bool m_running = false;
    QString m_why;
};

inline CupsEnvironment* const cupsEnvironment =
    static_cast<CupsEnvironment*>(::testing::AddGlobalTestEnvironment(new CupsEnvironment));

// A test of a chart's print job on the private queue: skipped where the daemon
// cannot run; printed() waits for the PDFs this test's jobs wrote.
class CupsJobTest : public ::testing::Test {
protected:
    CupsJobTest(int chartW, int chartH, int threads) : chart(chartW, chartH, threads) {}

    void SetUp() override {
        if (!cups().m_running) GTEST_SKIP() << "CUPS cannot be started here: " << cups().m_why.toStdString();
        job.setEvents(&events.task);
        m_before = cups().m_cups.outputs().size();
    }
    static CupsEnvironment& cups() { return *cupsEnvironment; }
    // Waits for the queue to finish and returns the PDFs it wrote for this test.
    QStringList printed(int expected) {
        EXPECT_TRUE(cups().m_cups.waitForOutputs(m_before + expected, 60000))
            << cups().m_cups.log().toStdString();
        return cups().m_cups.outputs().mid(m_before);
    }

    qsizetype m_before = 0;
    ChartUnderTest chart;
    RecordedEvents events;
    PrintJob job{chart.model, chart.messages};
};

} // namespace pav::print::test
