// pavlenta-cli chart as other tools run it: exit codes, the one stderr line,
// the files it writes and its JSON summary.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include "AppTestSupport.h"

namespace {

using pav::app::testing::ensureApplication;

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

class ChartCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;

    void SetUp() override { ensureApplication(); }

    CliRun run(QStringList args) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        // Where Qt's runtime folder is missing, Qt's own warnings must still stay off stderr.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");
        process.setProcessEnvironment(environment);
        process.start(QString::fromLocal8Bit(qgetenv("PAV_BUILD_DIR")) + "/pavlenta-cli", QStringList{"chart"} + args);
        EXPECT_TRUE(process.waitForFinished(60000));
        CliRun r;
        r.exitCode = process.exitCode();
        r.out = process.readAllStandardOutput();
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    QString picture(const QImage& image, const QString& name, const char* format = "PNG") {
        EXPECT_TRUE(image.save(file(name), format));
        return file(name);
    }
    static QImage stripes(int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        const QRgb colours[] = {qRgb(200, 30, 30), qRgb(30, 160, 60), qRgb(20, 40, 200), qRgb(250, 230, 40),
                                qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(120, 60, 20)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.setPixel(x, y, colours[(x / 20 + y / 30) % 7]);
        return image;
    }
};

TEST_F(ChartCommand, WritesTheChartTheStitchPicturesAndTheSummary) {
    const QString in = picture(stripes(400, 300), "in.png");
    const CliRun r = run({in, "--stitches", "s.bmp", "--effect", "e.bmp", "--json", "--title", "Test"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    // 250 / 0.75 > 230: the width bar starts at 230; 230 x 0.75 = 172.5 rounds to the even 172.
    EXPECT_EQ(json["fabric"].toObject()["width"].toInt(), 230);
    EXPECT_EQ(json["fabric"].toObject()["height"].toInt(), 172);
    EXPECT_EQ(json["mode"].toInt(), 16);
    EXPECT_TRUE(json["colors"].isNull());
    EXPECT_EQ(json["reduction"].toString(), "ordered-dither");
    EXPECT_TRUE(json["bestThreads"].isNull());
    EXPECT_EQ(json["match"].toString(), "rgb");
    // 216 colours ordered-dithered: most stitches stand alone, and the error is far from zero.
    const QJsonObject quality = json["quality"].toObject();
    EXPECT_GT(quality["meanDeltaE2000"].toDouble(), 1.0);
    EXPECT_GT(quality["isolatedStitches"].toInt(), 0);
    EXPECT_EQ(json["range"].toString(), "DMC");
    EXPECT_EQ(json["threshold"].toInt(), 20);
    EXPECT_EQ(json["total"].toInt(), 230 * 172);
    int sum = 0, legend = 0, position = 0;
    for (const QJsonValue& v : json["threads"].toArray()) {
        const QJsonObject t = v.toObject();
        // Threads under the threshold gave their stitches to listed ones and are left out:
        // every thread shown is in the legend, at its colour-list position.
        EXPECT_GT(t["position"].toInt(), position);
        position = t["position"].toInt();
        EXPECT_TRUE(t["inLegend"].toBool()) << position;
        EXPECT_GE(t["count"].toInt(), 20) << position;
        EXPECT_EQ(t["rgb"].toString().size(), 7);
        EXPECT_FALSE(t["symbol"].toString().isEmpty());
        sum += t["count"].toInt();
        legend += t["inLegend"].toBool() ? 1 : 0;
    }
    EXPECT_EQ(sum, 230 * 172);
    EXPECT_EQ(json["maxColor"].toInt(), legend);
    const QImage chart(file("chart.bmp"));
    EXPECT_EQ(chart.size(), QSize(json["canvas"].toObject()["width"].toInt(), json["canvas"].toObject()["height"].toInt()));
    EXPECT_EQ(QImage(file("s.bmp")).size(), QSize(230, 172));
    EXPECT_EQ(QImage(file("e.bmp")).size(), QSize(230, 172));
    EXPECT_FALSE(QFile::exists(file("tmppicv.bmp")));  // working files stay out of the caller's folder
}

TEST_F(ChartCommand, ColoursWidthStyleAndPdf) {
    const QString in = picture(stripes(300, 300), "in.jpg", "JPEG");
    const CliRun r = run({in, "--colors", "4", "--width", "100", "--style", "blocks", "--threshold", "0", "-o", "c.bmp",
                       "--pdf", "c.pdf", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json["fabric"].toObject()["width"].toInt(), 100);
    EXPECT_EQ(json["fabric"].toObject()["height"].toInt(), 100);
    EXPECT_EQ(json["mode"].toInt(), 99);
    EXPECT_EQ(json["colors"].toInt(), 4);
    EXPECT_LE(json["threads"].toArray().size(), 4);
    QFile pdf(file("c.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_TRUE(QFile::exists(file("c.bmp")));
}

// A smooth picture: the best threads with each dither, cleanup and matching are named in
// the summary, never exceed their number, and clean up better than the ordered dither.
TEST_F(ChartCommand, BestThreadsWithTheirDitherCleanupAndMatching) {
    QImage smooth(240, 160, QImage::Format_RGB32);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x) smooth.setPixel(x, y, qRgb(x, 60 + y / 2, 255 - x));
    const QString in = picture(smooth, "smooth.png");
    const CliRun ordered = run({in, "--width", "120", "--match", "ciede2000", "--json"});
    ASSERT_EQ(ordered.exitCode, 0) << ordered.err.toStdString();
    const QJsonObject before = QJsonDocument::fromJson(ordered.out).object();
    EXPECT_EQ(before["match"].toString(), "ciede2000");

    struct Case {
        QStringList options;
        const char* dither;
        const char* cleanup;
    };
    const std::vector<Case> cases = {
        {{"--threads", "12"}, "none", "light"},
        {{"--threads", "12", "--dither", "floyd-steinberg", "--cleanup", "strong"}, "floyd-steinberg", "strong"},
        {{"--threads", "12", "--dither", "atkinson", "--cleanup", "off"}, "atkinson", "off"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(QStringList{in, "--width", "120", "--threshold", "0", "--json"} + c.options);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();
        EXPECT_TRUE(json["mode"].isNull());
        EXPECT_EQ(json["reduction"].toString(), "best-threads");
        const QJsonObject best = json["bestThreads"].toObject();
        EXPECT_EQ(best["threads"].toInt(), 12);
        EXPECT_EQ(best["dither"].toString(), c.dither);
        EXPECT_EQ(best["cleanup"].toString(), c.cleanup);
        EXPECT_EQ(json["match"].toString(), "rgb");
        EXPECT_LE(json["threads"].toArray().size(), 12);
        EXPECT_GE(json["threads"].toArray().size(), 6);
        const QJsonObject quality = json["quality"].toObject();
        EXPECT_LT(quality["meanDeltaE2000"].toDouble(), before["quality"].toObject()["meanDeltaE2000"].toDouble());
        if (QString(c.cleanup) != "off") {
            EXPECT_LT(quality["isolatedStitches"].toInt(), before["quality"].toObject()["isolatedStitches"].toInt() / 10);
        }
    }
}

TEST_F(ChartCommand, EveryThreadRangeWithBrandsNamesAndSpecialtyThreads) {
    // Greys, where the metallic silver (#A0A0A0) is the nearest thread of DMC.
    QImage greys(120, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) greys.setPixel(x, y, x < 40 ? qRgb(160, 160, 160) : x < 80 ? qRgb(20, 20, 20) : qRgb(150, 90, 40));
    const QString in = picture(greys, "greys.png");
    const auto threadsOf = [&](const QStringList& options) {
        const CliRun r = run(QStringList{in, "--width", "120", "--threshold", "0", "--json"} + options);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(r.out).object();
        return json["threads"].toArray();
    };
    const struct {
        const char* range;
        const char* brand;
    } ranges[] = {{"DMC", "DMC"}, {"DMC 全色", "DMC"}, {"Anchor", "Anchor"}, {"Madeira", "Madeira"}};
    for (const auto& range : ranges) {
        for (const QStringList& reduction : {QStringList{"--mode", "0"}, QStringList{"--threads", "3"}}) {
            const QJsonArray threads = threadsOf(QStringList{"--range", range.range} + reduction);
            SCOPED_TRACE(range.range);
            ASSERT_EQ(threads.size(), 3);
            bool metallic = false;
            for (const QJsonValue& thread : threads) {
                EXPECT_EQ(thread["brand"].toString(), range.brand);
                EXPECT_FALSE(thread["name"].toString().isEmpty());
                metallic = metallic || thread["name"].toString().contains("Metallic");
            }
            // Only the prescribed range's matching takes its metallic silver unasked.
            EXPECT_EQ(metallic, QString(range.range) == "DMC" && reduction.front() == "--mode");
        }
    }
    bool silver = false;
    for (const QJsonValue& thread : threadsOf({"--range", "DMC 全色", "--allow-specialty", "--mode", "0"}))
        silver = silver || thread["number"].toString() == "5283";
    EXPECT_TRUE(silver);
    // A range of the stitch colours has neither brand nor names.
    for (const QJsonValue& thread : threadsOf({"--range", "CC", "--mode", "0"})) {
        EXPECT_TRUE(thread["brand"].isNull());
        EXPECT_TRUE(thread["name"].isNull());
    }
}

TEST_F(ChartCommand, DefaultWidthStaysWithinTheZoomBarOfASmallPicture) {
    // 10 pixels are 150 twips: the zoom bar ends at 150, below the width bar's 230.
    const CliRun r = run({picture(stripes(10, 10), "tiny.png"), "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json["fabric"].toObject()["width"].toInt(), 150);
    EXPECT_EQ(json["fabric"].toObject()["height"].toInt(), 150);
}

// Every stitch kind of a chart file is counted in the summary, a thread of beads or
// back stitches only included; what no output can draw is named on stderr.
TEST_F(ChartCommand, AChartFilesPartStitchesKnotsAndBeadsAreCountedAndTheRestNamed) {
    const QString every = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) +
                          "/tests/chart/oxs-fixtures/every-stitch-kind.oxs";
    const CliRun r = run({every, "--json", "-o", "every.bmp"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QStringLiteral("pavlenta-cli: not drawn: fullcross \u00d7 1 (kept in a saved chart file)\n"));
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(json["partStitches"].toInt(), 9);
    EXPECT_EQ(json["knots"].toInt(), 2);
    EXPECT_EQ(json["beads"].toInt(), 2);
    EXPECT_EQ(json["maxColor"].toInt(), 7);
    const QJsonArray threads = json["threads"].toArray();
    ASSERT_EQ(threads.size(), 7);
    const QJsonObject blue = threads[1].toObject(), outline = threads[3].toObject(), beads = threads[6].toObject();
    EXPECT_EQ(blue["count"].toInt(), 2);
    EXPECT_EQ(blue["threeQuarter"].toInt(), 2);
    EXPECT_EQ(blue["petite"].toInt(), 1);
    EXPECT_EQ(outline["count"].toInt(), 0);
    EXPECT_EQ(outline["backStitches"].toInt(), 3);
    EXPECT_DOUBLE_EQ(outline["backLength"].toDouble(), 9);
    EXPECT_EQ(beads["number"].toString(), "326");
    EXPECT_EQ(beads["beads"].toInt(), 2);
    EXPECT_TRUE(beads["inLegend"].toBool());
}

TEST_F(ChartCommand, AChartFileIsChartedAsItIsAndWrittenAgain) {
    // A picture's chart saved as OXS, then that file as IN: every output comes from the file.
    const QString in = picture(stripes(200, 150), "in.png");
    const CliRun first = run({in, "--width", "60", "--oxs", "first.oxs", "-o", "first.bmp"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const CliRun again = run({file("first.oxs"), "--oxs", "again.oxs", "-o", "again.bmp", "--pdf", "again.pdf"});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(QImage(file("again.bmp")), QImage(file("first.bmp"))) << "the file draws the sheet it was saved from";
    QFile saved(file("first.oxs")), resaved(file("again.oxs"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly) && resaved.open(QIODevice::ReadOnly));
    EXPECT_EQ(resaved.readAll(), saved.readAll());
    EXPECT_TRUE(QFile::exists(file("again.pdf")));

    // A sparse file: the counts add up to the stitched cells, not to the fabric.
    const QString sparse = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) +
                           "/tests/chart/oxs-fixtures/sparse-backstitch-cloth.oxs";
    const CliRun summary = run({sparse, "--json", "-o", "sparse.bmp"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(summary.out).object();
    EXPECT_EQ(json["fabric"].toObject()["width"].toInt(), 40);
    EXPECT_EQ(json["total"].toInt(), 4);
    EXPECT_EQ(json["backStitches"].toInt(), 4);
    int sum = 0;
    for (const QJsonValue& v : json["threads"].toArray()) sum += v.toObject()["count"].toInt();
    EXPECT_EQ(sum, 4);

    // A bad file writes nothing; a picture option has nothing to work on.
    QFile bad(file("bad.oxs"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<chart><properties chartwidth=\"2400\" chartheight=\"3\"/></chart>");
    bad.close();
    const CliRun refused = run({file("bad.oxs"), "-o", "bad.bmp", "--oxs", "bad-again.oxs", "--json"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.err.contains("larger than 2000 x 2000")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(QFile::exists(file("bad.bmp")));
    EXPECT_FALSE(QFile::exists(file("bad-again.oxs")));
    EXPECT_EQ(run({sparse, "--colors", "5"}).exitCode, 2);
}

// No output may replace the input or another output: whatever the spelling of the path,
// a link to the file, or a second option naming it. Exit 2, one line, nothing written.
TEST_F(ChartCommand, OutputsOnTheInputOrOnEachOtherAreRefusedBeforeAnythingIsWritten) {
    const QString in = picture(stripes(60, 40), "in.png");
    const QString chartFile = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) + "/tests/chart/oxs-fixtures/narrow-chart.oxs";
    QFile::copy(chartFile, file("in.oxs"));
    ASSERT_TRUE(QFile::link(file("in.png"), file("alias.png")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    struct Case {
        QStringList args;
        const char* words;
    };
    const std::vector<Case> cases = {
        {{file("in.oxs"), "-o", file("in.oxs")}, "-o"},
        {{file("in.oxs"), "--pdf", "in.oxs"}, "--pdf"},
        {{file("in.oxs"), "--oxs", file("sub/../in.oxs")}, "--oxs"},
        {{in, "-o", file("alias.png")}, "-o"},
        {{in, "--effect", file("in.png")}, "--effect"},
        {{in, "-o", file("twice.bmp"), "--stitches", "twice.bmp"}, "-o and --stitches"},
        {{in, "--pdf", file("twice.pdf"), "--pattern", file("sub/../twice.pdf")}, "--pdf and --pattern"},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.words)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }
    QFile original(chartFile), kept(file("in.oxs"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), original.readAll());

    // A device is no file to replace: two outputs may share /dev/null.
    const CliRun discarded = run({in, "-o", "/dev/null", "--pdf", "/dev/null"});
    EXPECT_EQ(discarded.exitCode, 0) << discarded.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
}

// What reading a file mended is said on stderr, the run still succeeding; a thread the
// legend lists for its back stitches alone is in the summary with their length.
TEST_F(ChartCommand, AChartFilesNotesAndBackStitchOnlyThreads) {
    const QString fixtures = QString::fromLocal8Bit(qgetenv("PAV_SOURCE_DIR")) + "/tests/chart/oxs-fixtures/";
    const CliRun repeated = run({fixtures + "two-stitches-one-cell.oxs", "-o", "/dev/null"});
    EXPECT_EQ(repeated.exitCode, 0);
    EXPECT_EQ(repeated.err, "pavlenta-cli: note: 3 repeated full stitches on a cell dropped (the first of each cell kept)\n");
    EXPECT_TRUE(run({fixtures + "narrow-chart.oxs", "-o", "/dev/null"}).err.isEmpty());

    const CliRun summary = run({fixtures + "sparse-backstitch-cloth.oxs", "--json", "-o", "/dev/null"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.toStdString();
    const QJsonArray threads = QJsonDocument::fromJson(summary.out).object()["threads"].toArray();
    ASSERT_EQ(threads.size(), 3);
    const QJsonObject backOnly = threads[1].toObject();
    EXPECT_EQ(backOnly["count"].toInt(), 0);
    EXPECT_TRUE(backOnly["inLegend"].toBool());
    EXPECT_NEAR(backOnly["backLength"].toDouble(), 3 + std::hypot(0.5, 1.5), 0.01) << "three stitches, end to end";
}

TEST_F(ChartCommand, FailuresGiveOneLineAndTheirExitCode) {
    QImage noise(230, 250, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 230; ++x) noise.setPixel(x, y, random.generate() | 0xFF000000u);
    const QString noisy = picture(noise, "noise.png");
    QFile text(file("words.gif"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    struct Case {
        QStringList args;
        int exitCode;
        const char* words;
    };
    const std::vector<Case> cases = {
        {{file("words.gif")}, 3, "cannot read picture"},
        {{file("missing.jpg")}, 3, "cannot read picture"},
        {{noisy, "--mode", "0"}, 1, "more than 500 colours"},
        {{noisy, "-o", file("no/such/folder/c.bmp")}, 4, "cannot write"},
        {{noisy, "--mode", "5"}, 2, "unknown mode"},
        {{noisy, "--colors", "61"}, 2, "--colors must be 3..60"},
        {{noisy, "--mode", "4", "--colors", "5"}, 2, "exclude each other"},
        {{noisy, "--style", "dots"}, 2, "unknown style"},
        {{noisy, "--threshold", "abc"}, 2, "--threshold needs a number"},
        {{noisy, "--threads", "1"}, 2, "--threads must be 2..100"},
        {{noisy, "--threads", "thirty"}, 2, "--threads needs a whole number"},
        {{noisy, "--threads", "30", "--mode", "4"}, 2, "--threads excludes --mode and --colors"},
        {{noisy, "--colors", "5", "--threads", "30"}, 2, "--threads excludes --mode and --colors"},
        {{noisy, "--threads", "30", "--dither", "ordered"}, 2, "unknown --dither 'ordered'"},
        {{noisy, "--threads", "30", "--cleanup", "Light"}, 2, "unknown --cleanup 'Light'"},
        {{noisy, "--cleanup", "light"}, 2, "apply only with --threads"},
        {{noisy, "--match", "lab"}, 2, "unknown --match 'lab' (rgb|ciede2000)"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.words;
        EXPECT_TRUE(r.err.startsWith("pavlenta-cli: chart") || r.err.startsWith("pavlenta-cli: ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.words)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

// --pattern: the options reach the PDF, the summary gains the finished size,
// each thread's skeins and the page count; bad options write no file at all.
TEST_F(ChartCommand, PatternWithItsOptionsAndItsSummary) {
    const QString in = picture(stripes(300, 300), "in.png");
    const CliRun r = run({in, "--colors", "6", "--width", "100", "--threshold", "0", "--pattern", "p.pdf", "--paper",
                          "Letter", "--cell-mm", "3.5", "--overlap", "5", "--fabric-count", "18", "--strands", "3",
                          "--bw", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    const QJsonObject finished = json["finished"].toObject();
    EXPECT_EQ(finished["fabricCount"].toInt(), 18);
    EXPECT_NEAR(finished["widthCm"].toDouble(), 100 / 18.0 * 2.54, 0.006);
    EXPECT_NEAR(finished["heightCm"].toDouble(), 100 / 18.0 * 2.54, 0.006);
    // 1,800 crosses a skein at 14-count in 2 strands: 1,543 at 18-count in 3; lone stitches take up to twice.
    for (const QJsonValue& v : json["threads"].toArray()) {
        const int count = v.toObject()["count"].toInt();
        const double skeins = count / (1800.0 * 18 / 14 * 2 / 3);
        EXPECT_GE(v.toObject()["skeins"].toInt(), std::max(1, static_cast<int>(std::ceil(skeins - 1e-9)))) << count;
        EXPECT_LE(v.toObject()["skeins"].toInt(), std::max(1, static_cast<int>(std::ceil(2 * skeins - 1e-9)))) << count;
    }
    QProcess info;
    info.start("pdfinfo", {file("p.pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString pages = QString::fromUtf8(info.readAllStandardOutput()).section("Pages:", 1).section('\n', 0, 0);
    EXPECT_EQ(json["pages"].toInt(), pages.trimmed().toInt());
    EXPECT_GE(json["pages"].toInt(), 3);

    const CliRun plain = run({in, "--width", "100", "--json"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const QJsonObject summary = QJsonDocument::fromJson(plain.out).object();
    EXPECT_EQ(summary["finished"].toObject()["fabricCount"].toInt(), 14);
    EXPECT_FALSE(summary.contains("pages"));

    struct Case {
        QStringList args;
        int exitCode;
        const char* words;
    };
    const std::vector<Case> cases = {
        {{"--pattern", file("bad.pdf"), "--cell-mm", "1.5"}, 2, "cell size"},
        {{"--pattern", file("bad.pdf"), "--cell-mm", "wide"}, 2, "--cell-mm needs a number"},
        {{"--pattern", file("bad.pdf"), "--paper", "B5"}, 2, "unknown paper"},
        {{"--pattern", file("bad.pdf"), "--overlap", "11"}, 2, "overlap"},
        {{"--pattern", file("bad.pdf"), "--fabric-count", "15"}, 2, "fabric count"},
        {{"--pattern", file("bad.pdf"), "--strands", "0"}, 2, "strands"},
        {{"--bw"}, 2, "need --pattern"},
        {{"--symbols", "chart"}, 2, "need --pattern"},
        {{"--pattern", file("bad.pdf"), "--symbols", "round"}, 2, "unknown symbols"},
        {{"--pattern", file("bad.pdf"), "--lang", "fr"}, 2, "unknown language"},
        {{"--pattern", file("no/such/folder/bad.pdf")}, 4, "cannot write"},
    };
    for (const Case& c : cases) {
        const CliRun failed = run(QStringList{in, "--width", "60"} + c.args);
        EXPECT_EQ(failed.exitCode, c.exitCode) << c.words;
        EXPECT_TRUE(failed.err.contains(c.words)) << failed.err.toStdString();
        EXPECT_EQ(failed.err.count('\n'), 1) << failed.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file("bad.pdf")));
    EXPECT_FALSE(QDir(file("no")).exists());
}

// --lang en writes the pattern in English; the chart file written with a pattern
// carries the pattern's symbols: the designed ones, or the chart's own with --symbols chart.
TEST_F(ChartCommand, EnglishPatternAndTheChartFileWithItsSymbols) {
    const QString in = picture(stripes(300, 300), "in.png");
    const CliRun english = run({in, "--colors", "6", "--width", "100", "--pattern", "p.pdf", "--oxs", "c.oxs", "--lang", "en"});
    ASSERT_EQ(english.exitCode, 0) << english.err.toStdString();
    QProcess text;
    text.start("pdftotext", {file("p.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains("Thread list")) << words.toStdString();
    EXPECT_TRUE(words.contains("Fabric to cut")) << words.toStdString();
    EXPECT_FALSE(words.contains(QString::fromUtf8("绣线用量表")));
    const auto symbolsOf = [&](const QString& name) {
        QFile oxs(file(name));
        EXPECT_TRUE(oxs.open(QIODevice::ReadOnly));
        QStringList symbols;
        static const QRegularExpression symbol(" symbol=\"([^\"]*)\"");
        for (auto it = symbol.globalMatch(QString::fromUtf8(oxs.readAll())); it.hasNext();)
            symbols << it.next().captured(1);
        return symbols;
    };
    const QStringList designed = symbolsOf("c.oxs");
    ASSERT_FALSE(designed.isEmpty());
    EXPECT_TRUE(designed.contains(QString::fromUtf8("●"))) << designed.join(' ').toStdString();
    EXPECT_FALSE(designed.contains("A"));

    const CliRun own = run({in, "--colors", "6", "--width", "100", "--pattern", "q.pdf", "--symbols", "chart", "--oxs",
                            "d.oxs"});
    ASSERT_EQ(own.exitCode, 0) << own.err.toStdString();
    EXPECT_TRUE(symbolsOf("d.oxs").contains("A"));
}

} // namespace
