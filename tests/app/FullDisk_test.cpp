// Saving on a disk that fills up part way: the save is reported as failed and the
// file that was there before is left as it was. The disk is a small tmpfs, which
// needs root (as in CI); elsewhere the test is skipped with the reason.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/statvfs.h>

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "CliRun.h"
#include "base/SafeFile.h"

namespace {

using pav::app::testing::ensureApplication;
using pav::app::testing::runCli;

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class FullDisk : public ::testing::Test {
protected:
    QTemporaryDir work;
    QString disk;
    bool mounted = false;

    void SetUp() override {
        ensureApplication();
        disk = work.filePath("disk");
        QDir().mkpath(disk);
        mounted = run("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", disk});
        if (!mounted) GTEST_SKIP() << "cannot mount a small tmpfs (needs root): the full-disk saves are not tried";
    }
    void TearDown() override {
        if (mounted) run("umount", {disk});
    }

    // Fills the disk until only `room` bytes are left.
    void leaveFree(qint64 room) {
        struct statvfs fs {};
        ASSERT_EQ(statvfs(QFile::encodeName(disk).constData(), &fs), 0);
        const qint64 free = static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
        ASSERT_GT(free, room);
        put(disk + "/filler", QByteArray(free - room, 'x'));
    }
    QStringList leftovers() const {
        QStringList names = QDir(disk).entryList(QDir::Files);
        names.removeAll("filler");
        return names;
    }
};

TEST_F(FullDisk, TheWriterReportsTheFailureAndKeepsTheOldFile) {
    const QString target = disk + "/old.bin";
    put(target, "the old file");
    leaveFree(64 * 1024);
    QString error;
    EXPECT_FALSE(pav::writeFileSafely(target, QByteArray(256 * 1024, 'n'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(target), "the old file");
    EXPECT_EQ(leftovers(), QStringList{"old.bin"});
    // With room it replaces the file, permissions kept.
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(pav::writeFileSafely(target, QByteArray("new"), &error)) << error.toStdString();
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(QFile(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(leftovers(), QStringList{"old.bin"});
}

// The sheet BMP (several MB) and the PDF (a few hundred KB) each meet a disk
// with too little room; the command line fails with its output exit code.
TEST_F(FullDisk, TheSheetAndThePdfFailCleanlyWithTheOldFileIntact) {
    QImage in(300, 240, QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x) in.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x * y) % 256));
    const QString picture = work.filePath("in.png");
    ASSERT_TRUE(in.save(picture));
    put(disk + "/chart.bmp", "old sheet");
    put(disk + "/chart.pdf", "old pdf");
    leaveFree(40 * 1024);

    const pav::app::testing::CliRun sheet = runCli({"chart", picture, "-o", disk + "/chart.bmp"}, work.path());
    EXPECT_EQ(sheet.exitCode, 4) << sheet.err.toStdString();
    EXPECT_EQ(sheet.err.count('\n'), 1) << sheet.err.toStdString();
    EXPECT_EQ(contents(disk + "/chart.bmp"), "old sheet");

    const pav::app::testing::CliRun pdf =
        runCli({"chart", picture, "-o", work.filePath("chart.bmp"), "--pdf", disk + "/chart.pdf"}, work.path());
    EXPECT_EQ(pdf.exitCode, 4) << pdf.err.toStdString();
    EXPECT_EQ(pdf.err.count('\n'), 1) << pdf.err.toStdString();
    EXPECT_EQ(contents(disk + "/chart.pdf"), "old pdf");
    EXPECT_EQ(leftovers(), (QStringList{"chart.bmp", "chart.pdf"}));
}

} // namespace
