// The pavlenta-cli binary from outside: arguments, exit codes, stderr and files.
#include "ClsDIB.h"
#include "TestPictures.h"

#include <QImage>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace pav::image;
using namespace pav::image::test;

namespace {

struct Outcome {
    int exitCode;
    std::string err;
};

Outcome runCli(const QStringList& args) {
    const char* build = std::getenv("PAV_BUILD_DIR");
    QProcess process;
    process.start(QString::fromUtf8(build ? build : "..") + "/pavlenta-cli", args);
    if (!process.waitForFinished(60000)) return {-1, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TEST(Cli, ReduceWritesWhatTheLibraryComputes) {
    ScratchDir dir("cli-modes");
    ClsDIB source;
    makeSeeded(source, 23, 19, 11);
    ASSERT_TRUE(source.SaveBMP(dir.file("in.bmp")));
    struct Case {
        QStringList modeArgs;
        std::function<bool(ClsDIB&)> reduce;
    };
    const Case cases[] = {
        {{"--mode", "1"}, [&](ClsDIB& d) { return d.ddGet1Bit(source); }},
        {{"--mode", "2"}, [&](ClsDIB& d) { return d.ddGet2Bit(source); }},
        {{"--mode", "3"}, [&](ClsDIB& d) { return d.ddGet3Bit(source, true); }},
        {{"--mode", "3", "--no-rotate"}, [&](ClsDIB& d) { return d.ddGet3Bit(source, false); }},
        {{"--mode", "4"}, [&](ClsDIB& d) { return d.ddGet4Bit(source); }},
        {{"--mode", "8"}, [&](ClsDIB& d) { return d.ddGet8Bit(source, true); }},
        {{"--no-rotate", "--mode", "16"}, [&](ClsDIB& d) { return d.ddGet216C(source, false); }},
        {{"--mode", "16"}, [&](ClsDIB& d) { return d.ddGet216C(source, true); }},
        {{"--mode", "rgb565"}, [&](ClsDIB& d) { return d.ddGet16Bit(source, true); }},
    };
    for (const Case& c : cases) {
        const Outcome o = runCli(QStringList{"reduce"} + c.modeArgs +
                                 QStringList{q(dir.file("in.bmp")), q(dir.file("out.bmp"))});
        const std::string what = c.modeArgs.join(' ').toStdString();
        ASSERT_EQ(o.exitCode, 0) << what << ": " << o.err;
        EXPECT_TRUE(o.err.empty()) << what;
        ClsDIB expected;
        ASSERT_TRUE(c.reduce(expected));
        EXPECT_EQ(readBytes(dir.file("out.bmp")), expected.BmpFileBytes()) << what;
    }
}

TEST(Cli, FailuresExitNonZeroWithOneLineAndNoOutput) {
    ScratchDir dir("cli-errors");
    ClsDIB source;
    makeSeeded(source, 5, 5, 1);
    ASSERT_TRUE(source.SaveBMP(dir.file("in.bmp")));
    std::vector<std::uint8_t> truncated = readBytes(dir.file("in.bmp"));
    truncated.resize(60);
    writeBytes(dir.file("truncated.bmp"), truncated);
    QImage png(3, 3, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(q(dir.file("png.bmp")), "PNG"));
    const QString in = q(dir.file("in.bmp")), out = q(dir.file("out.bmp"));

    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{}, 2},
        {{"shrink"}, 2},
        {{"reduce", in, out}, 2},
        {{"reduce", "--mode", "5", in, out}, 2},
        {{"reduce", "--mode", "16", in}, 2},
        {{"reduce", "--mode", "16", in, out, "extra.bmp"}, 2},
        {{"reduce", "--mode", "16", "--dither", in, out}, 2},
        {{"reduce", in, out, "--mode"}, 2},
        {{"reduce", "--mode", "1", "--mode", "2", in, out}, 2},
        {{"reduce", "--mode", "16", q(dir.file("missing.bmp")), out}, 3},
        {{"reduce", "--mode", "16", q(dir.file("png.bmp")), out}, 3},
        {{"reduce", "--mode", "16", q(dir.file("truncated.bmp")), out}, 3},
        {{"reduce", "--mode", "16", q(dir.path().string()), out}, 3},
        {{"reduce", "--mode", "16", in, q(dir.file("no-folder/out.bmp"))}, 4},
        {{"reduce", "--mode", "16", in, q(dir.path().string())}, 4},
    };
    for (const Case& c : cases) {
        const Outcome o = runCli(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(o.exitCode, c.exitCode) << what << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << what << ": " << o.err;
        EXPECT_EQ(o.err.rfind("pavlenta-cli: ", 0), 0u) << o.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.bmp"))) << what;
        EXPECT_FALSE(std::filesystem::exists(dir.file("no-folder"))) << what;
    }
}

TEST(Cli, AFailedRunKeepsAnExistingOutput) {
    ScratchDir dir("cli-keep");
    writeBytes(dir.file("out.bmp"), {1, 2, 3});
    writeBytes(dir.file("bad.bmp"), {'B', 'M', 0});
    const Outcome o = runCli({"reduce", "--mode", "1", q(dir.file("bad.bmp")), q(dir.file("out.bmp"))});
    EXPECT_EQ(o.exitCode, 3);
    EXPECT_EQ(readBytes(dir.file("out.bmp")), (std::vector<std::uint8_t>{1, 2, 3}));
}

QString pictureFixture(const char* folder, const char* name) {
    return QString::fromUtf8(std::getenv("PAV_SOURCE_DIR")) + "/tests/image/" + folder + "/" + name;
}

// Damaged pictures that once made a chart: refused with the one line and exit
// code of every unreadable picture, whatever the library decoding them prints.
TEST(Cli, DamagedPicturesAreRefusedInOneLine) {
    ScratchDir dir("cli-damaged");
    for (const char* name : {"jpeg-scan-cut-end-kept.jpg", "jpeg-frame-claims-more.jpg", "rle8-without-end-of-bitmap.bmp",
                             "bmp-pixels-inside-header.bmp", "gif-frame-outside-screen.gif",
                             "gif-frame-larger-than-screen.gif", "xbm-74-bytes-claims-5600x5600.xbm",
                             "png-damaged-data.png"}) {
        const Outcome o = runCli({"chart", pictureFixture("picture-fixtures", name), "-o", q(dir.file("out.bmp"))});
        EXPECT_EQ(o.exitCode, 3) << name << ": " << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << name << ": " << o.err;
        EXPECT_EQ(o.err.rfind("pavlenta-cli: cannot read picture '", 0), 0u) << o.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.bmp"))) << name;
    }
}

// Rows stored top-down, at every depth and header size: charted like the same
// picture stored bottom-up.
TEST(Cli, TopDownBmpsAreCharted) {
    ScratchDir dir("cli-top-down");
    for (const char* name : {"v3-1bit.bmp", "v3-4bit.bmp", "v3-8bit.bmp", "v3-24bit.bmp", "v5-16bit-rgb555.bmp",
                             "v5-32bit-alpha.bmp"}) {
        const std::vector<std::uint8_t> bottomUp = readBytes(pictureFixture("bmp-layouts", name).toStdString());
        writeBytes(dir.file("top-down.bmp"), topDownBmp(bottomUp));
        writeBytes(dir.file("bottom-up.bmp"), bottomUp);
        const Outcome top = runCli({"chart", q(dir.file("top-down.bmp")), "-o", q(dir.file("top.bmp"))});
        ASSERT_EQ(top.exitCode, 0) << name << ": " << top.err;
        const Outcome bottom = runCli({"chart", q(dir.file("bottom-up.bmp")), "-o", q(dir.file("bottom.bmp"))});
        ASSERT_EQ(bottom.exitCode, 0) << name << ": " << bottom.err;
        EXPECT_EQ(readBytes(dir.file("top.bmp")), readBytes(dir.file("bottom.bmp"))) << name;
    }
}

TEST(Cli, HelpListsTheCommands) {
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
    EXPECT_EQ(runCli({"reduce", "--help"}).exitCode, 0);
}
