// pavlenta-cli chart given hostile and damaged pictures: each is refused as an
// input (exit 3) on one stderr line that says why, with no line of Qt's own,
// and nothing is written.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "CliRun.h"
#include "HostilePictures.h"

namespace {

TEST(HostilePictures, TheChartCommandRefusesEachOnOneLine) {
    pav::app::testing::ensureApplication();
    QTemporaryDir dir;
    for (const auto& file : pav::image::test::makeHostilePictures(QDir(dir.path()))) {
        const QString out = dir.filePath("out.bmp");
        const auto r = pav::app::testing::runCli({"chart", dir.filePath(file.name), "-o", out}, dir.path());
        const std::string name = file.name.toStdString();
        EXPECT_EQ(r.exitCode, 3) << name << ": " << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("pavlenta-cli: cannot read picture")) << name << ": " << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("qt.")) << name;
        EXPECT_FALSE(QFile::exists(out)) << name;
    }
}

} // namespace
