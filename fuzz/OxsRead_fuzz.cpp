// libFuzzer target: any bytes as an OXS chart file. A chart the reader accepts
// must be sound to draw (every index in range, every point on the chart), and
// what the writer makes of it must be well-formed XML and read back as the same
// chart, written again byte for byte. Crashes, sanitizer reports and broken invariants (a trap) are findings.
#include "chart/ThreadsInUse.h"
#include "chart/oxs/OxsFile.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <cstddef>
#include <cstdint>

using namespace pav::chart;

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

void checkSound(const Chart& chart) {
    check(chart.width() >= 1 && chart.width() <= kMaxChartSide);
    check(chart.height() >= 1 && chart.height() <= kMaxChartSide);
    const int threads = static_cast<int>(chart.threads().size());
    check(threads <= oxs::kMaxThreads);
    std::vector<int> counts(static_cast<std::size_t>(threads), 0);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const int thread = chart.threadAt(x, y);
            check(thread == kNoStitch || (thread >= 0 && thread < threads));
            if (thread != kNoStitch) ++counts[static_cast<std::size_t>(thread)];
        }
    for (int t = 0; t < threads; ++t) check(chart.threads()[static_cast<std::size_t>(t)].count == counts[t]);
    for (const int listed : chart.legend()) check(listed >= 0 && listed < threads);
    for (const BackStitch& stitch : chart.backStitches) {
        check(stitch.thread >= 0 && stitch.thread < threads);
        check(chart.containsPoint(stitch.x1, stitch.y1) && chart.containsPoint(stitch.x2, stitch.y2));
    }
    for (const PartStitch& stitch : chart.partStitches) {
        check(stitch.thread >= 0 && stitch.thread < threads);
        check(chart.contains(stitch.x, stitch.y));
    }
    for (const Ornament& ornament : chart.ornaments) {
        check(ornament.thread >= 0 && ornament.thread < threads);
        check(chart.containsPoint(ornament.x, ornament.y));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const oxs::OxsReadResult read = oxs::readOxs(file);
    if (!read.ok()) {
        check(read.chart.width() == 0 && read.chart.height() == 0);
        return 0;
    }
    checkSound(read.chart);

    const QByteArray written = oxs::writeOxs(read.chart);
    // The writer leaves out threads with no stitch and no legend entry.
    const pav::chart::Chart expected = pav::chart::withoutIdleThreads(read.chart);
    // Well-formed XML with namespaces, for any reader, not only for ours.
    QXmlStreamReader xml(written);
    while (!xml.atEnd()) xml.readNext();
    check(!xml.hasError());
    const oxs::OxsReadResult again = oxs::readOxs(written);
    check(again.ok());
    checkSound(again.chart);
    check(again.chart.width() == expected.width() && again.chart.height() == expected.height());
    check(again.chart.threads().size() == expected.threads().size());
    check(again.chart.backStitches == expected.backStitches);
    check(again.chart.partStitches == expected.partStitches);
    check(again.chart.ornaments == expected.ornaments);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            check(again.chart.threadAt(x, y) == expected.threadAt(x, y));
            check(again.chart.blockColour(x, y) == expected.blockColour(x, y));
        }
    check(oxs::writeOxs(again.chart) == written);
    return 0;
}
