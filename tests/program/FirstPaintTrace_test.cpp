// The start-up trace that bench/app/start_paint.sh reads: with
// PAVLENTA_FIRST_PAINT=quit the program paints its main window on the start
// picture, writes the one trace line and ends by itself; the line's clock is
// the wall clock in microseconds and its milliseconds count from the start.

#include <QDateTime>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(FirstPaintTrace, ReportsThePaintOnceAndQuits) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PAVLENTA_FIRST_PAINT"), QStringLiteral("quit"));
    program.setProcessEnvironment(environment);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    program.start(QString::fromLocal8Bit(qgetenv("PAV_BUILD_DIR")) + "/pavlenta", QStringList());
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        FAIL() << "pavlenta did not end after its first paint";
    }
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    const QString err = QString::fromUtf8(program.readAllStandardError());
    static const QRegularExpression line(
        QStringLiteral("^pavlenta: first paint (\\d+) ms after process start \\(clock (\\d+) us\\)$"),
        QRegularExpression::MultilineOption);
    QRegularExpressionMatchIterator found = line.globalMatch(err);
    ASSERT_TRUE(found.hasNext()) << err.toStdString();
    const QRegularExpressionMatch match = found.next();
    EXPECT_FALSE(found.hasNext()) << "more than one trace line: " << err.toStdString();
    // /proc/self/stat counts the start in 10 ms steps.
    EXPECT_LE(match.captured(1).toLongLong(), after - before + 10);
    const qint64 clockMs = match.captured(2).toLongLong() / 1000;
    EXPECT_GE(clockMs, before);
    EXPECT_LE(clockMs, after);
}

} // namespace
