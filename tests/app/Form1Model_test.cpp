#include "app/Form1Model.h"

#include <functional>
#include <set>

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "image/RgbValue.h"
#include "tests/base/UserFolders.h"

using namespace pav::app;
using namespace pav::app::testing;

namespace {

struct AppGuard {
    AppGuard() { ensureApplication(); }
};

class MainWindow : public ::testing::Test {
protected:
    AppGuard app;
    ScratchFolder scratch;
    RecordingSink sink;
    RecordingNavigation nav;
    Form1Model model{sink};
    RecordingObserver seen{model};

    void SetUp() override {
        model.setNavigation(&nav);
        model.setProgramFolder(scratch.path());
        model.setObserver(&seen);
    }

    std::string write(const QImage& image, const QString& name, const char* format = "BMP") {
        const std::string path = scratch.file(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    }
    void install(const QImage& image) { ASSERT_TRUE(model.loadSourcePicture(write(image, "source.bmp"))); }
    void startWith(const QImage& image) {
        model.formLoad();
        install(image);
    }
    std::int32_t cell(int x, int y) const { return model.stitchColours().at(x, y); }
    std::set<std::int32_t> fabricColours() const {
        std::set<std::int32_t> colours;
        for (int y = 0; y < model.picH; ++y)
            for (int x = 0; x < static_cast<int>(model.picW); ++x) colours.insert(cell(x, y));
        return colours;
    }
    QRgb picture4At(int x, int y) const { return model.picture4Region(QRect(x, y, 1, 1)).pixel(0, 0); }
};

const std::int32_t kRed = rgb(255, 0, 0);
const std::int32_t kGreen = rgb(0, 255, 0);
const std::int32_t kBlue = rgb(0, 0, 255);
const std::int32_t kWhite = rgb(255, 255, 255);

// ------------------------------------------------------------------ start-up and install

TEST_F(MainWindow, StartsWithoutTheStartPicture) {
    model.ColorBit = 16;
    model.formLoad();
    // Only the width bar fires at step 4; "全图" then runs the zoom, whose
    // height bar change and own label update follow.
    EXPECT_EQ(seen.label1s, (std::vector<std::string>{"绣布：宽高117x132", "绣布：宽高117x117", "绣布：宽高117x117"}));
    EXPECT_EQ(model.ColorBit, 0);
    EXPECT_EQ(model.previewDone(), 1);
    EXPECT_EQ(model.ifScale, 1);
    EXPECT_FALSE(model.command1Enabled());
    EXPECT_TRUE(model.command11Enabled());
    EXPECT_EQ(model.zoom.Value(), 117);
    EXPECT_EQ(cell(50, 50), kWhite);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(MainWindow, StartsOnTheStartPicture) {
    write(quadrantPicture(240, 200), "logo.dll");
    model.formLoad();
    // 200 px = 3000 twips > 250: height 250; 250 / (200/240) = 300 >= 230: width
    // 230, then step 13 sets the width bar back to 117.
    EXPECT_EQ(model.label1(), "绣布：宽高117x250");
    EXPECT_EQ(model.zoom.Min(), 32);
    EXPECT_EQ(model.zoom.Max(), 3600);
    EXPECT_EQ(model.zoom.LargeChange(), 595);  // 3568 / 6 = 594.67
    EXPECT_EQ(model.zoom.SmallChange(), 112);  // 3568 / 32 = 111.5, half to even
    EXPECT_EQ(model.picture4Size(), QSize(240, 200));
    EXPECT_FLOAT_EQ(model.xyRate, 200.0f / 240.0f);
    // Region mode at the natural size: the fabric reads the top-left of the picture, white below it.
    EXPECT_EQ(cell(0, 0), kRed);
    EXPECT_EQ(cell(116, 99), kRed);
    EXPECT_EQ(cell(116, 100), kBlue);
    EXPECT_EQ(cell(116, 249), kWhite);
}

TEST_F(MainWindow, InstallFiresTheHeightBarBeforeTheWidthBar) {
    model.formLoad();
    model.command11Click();
    seen.label1s.clear();
    install(solidPicture(100, 200, Qt::red));  // xyRate 2: height 250, width 125
    EXPECT_EQ(seen.label1s, (std::vector<std::string>{"绣布：宽高117x250", "绣布：宽高125x250"}));
    EXPECT_EQ(model.moveX1, 0);
    EXPECT_EQ(model.wChange.Min(), 16);
    // Back in region mode, and the buttons say so: "全图" is the one to press.
    EXPECT_EQ(model.ifScale, 1);
    EXPECT_FALSE(model.command1Enabled());
    EXPECT_TRUE(model.command11Enabled());
}

// A picture that cannot be read or charted changes nothing: the previous picture,
// its path, every bar and the pan stay, and the reason is kept for the message.
TEST_F(MainWindow, AFailedInstallLeavesThePreviousPictureWhole) {
    startWith(solidPicture(200, 100, Qt::red));
    const std::string before = model.picPath;
    model.command11Click();
    model.moveX1 = 7;
    model.moveY1 = 3;
    const SourcePicture* picture = model.picture3();
    const int width = static_cast<int>(model.wChange.Value()), height = static_cast<int>(model.Hchange.Value());
    const int zoomMax = model.zoom.Max(), zoomValue = model.zoom.Value();
    const int ifScale = model.ifScale;
    const QSize picture4 = model.picture4Size(); // the whole picture on the fabric

    QFile text(QString::fromStdString(scratch.file("notes.gif")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some words");
    text.close();
    struct Case {
        std::string path;
        pav::chart::FabricFit fit;
        std::string message;
    };
    const Case cases[] = {
        {scratch.file("notes.gif"), pav::chart::FabricFit::Fits, ""},
        {scratch.file("missing.jpg"), pav::chart::FabricFit::Fits, ""},
        {write(solidPicture(1, 1, Qt::blue), "dot.bmp"), pav::chart::FabricFit::TooSmall, texts::kPictureTooSmall},
        {write(solidPicture(2, 50, Qt::blue), "narrow.bmp"), pav::chart::FabricFit::TooSmall, texts::kPictureTooSmall},
        {write(solidPicture(1000, 1, Qt::blue), "line.bmp"), pav::chart::FabricFit::TooSmall, texts::kPictureTooSmall},
        {write(solidPicture(20, 1000, Qt::blue), "thin.bmp"), pav::chart::FabricFit::TooThin, texts::kPictureTooThin},
        {write(solidPicture(10, 2000, Qt::blue), "tall.png", "PNG"), pav::chart::FabricFit::TooThin, texts::kPictureTooThin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_FALSE(model.loadSourcePicture(c.path));
        EXPECT_EQ(model.pictureFit(), c.fit);
        EXPECT_EQ(model.pictureFitText(), c.message);
        EXPECT_FALSE(model.pictureError().reason.empty());
        EXPECT_EQ(model.picture3(), picture);
        EXPECT_EQ(model.picPath, before);
        EXPECT_EQ(model.picture4Size(), picture4);
        EXPECT_FLOAT_EQ(model.xyRate, 0.5f);
        EXPECT_EQ(model.wChange.Value(), width);
        EXPECT_EQ(model.Hchange.Value(), height);
        EXPECT_EQ(model.zoom.Max(), zoomMax);
        EXPECT_EQ(model.zoom.Value(), zoomValue);
        EXPECT_EQ(model.ifScale, ifScale);
        EXPECT_EQ(model.moveX1, 7);
        EXPECT_EQ(model.moveY1, 3);
    }
    // The smallest pictures that fit are installed whole.
    for (const QSize size : {QSize(3, 2), QSize(20, 322)}) {
        SCOPED_TRACE(size.width());
        EXPECT_TRUE(model.loadSourcePicture(write(solidPicture(size.width(), size.height(), Qt::green), "small.bmp")));
        EXPECT_EQ(model.picture3()->size(), size);
        EXPECT_EQ(model.pictureFit(), pav::chart::FabricFit::Fits);
        EXPECT_EQ(model.moveX1, 0);
    }
}

TEST_F(MainWindow, PictureFormatComesFromTheContentAndTransparencyIsWhite) {
    model.formLoad();
    EXPECT_TRUE(model.loadSourcePicture(write(solidPicture(64, 48, Qt::green), "photo.bmp", "JPEG")));
    EXPECT_EQ(model.picture3()->size(), QSize(64, 48));
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    clear.setPixel(0, 0, qRgba(255, 0, 0, 255));
    clear.setPixel(1, 0, qRgba(0, 0, 0, 128));
    EXPECT_TRUE(model.loadSourcePicture(write(clear, "clear.png", "PNG")));
    EXPECT_EQ(picture4At(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture4At(1, 0), qRgb(127, 127, 127));
    EXPECT_EQ(picture4At(5, 5), qRgb(255, 255, 255));
}

// ------------------------------------------------------------------ fabric and zoom

TEST_F(MainWindow, SizeLabelAndFrameFollowTheBars) {
    model.formLoad();
    model.Hchange.setValue(132);
    model.wChange.setValue(200);
    EXPECT_EQ(model.label1(), "绣布：宽高200x132");
    const FrameGeometry& f = model.fabricFrame();
    EXPECT_DOUBLE_EQ(f.width, 3000);
    EXPECT_DOUBLE_EQ(f.left, 15 * (15 + 4));     // (230 - 200) / 2 + 4
    EXPECT_DOUBLE_EQ(f.top, 15 * (8 + 59));      // 8 + (250 - 132) / 2
    model.Hchange.setValue(131);
    EXPECT_DOUBLE_EQ(model.fabricFrame().top, 15 * (8 + 59.5));  // half pixels stay exact
}

struct WholeModeCase {
    QSize picture;
    int zoom;
    double picW;
    int picH;
    const char* label;
};

TEST_F(MainWindow, WholeModeKeepsTheAspectWithinTheLargestFabric) {
    const std::vector<WholeModeCase> cases = {
        {{100, 200}, 200, 125, 250, "绣布：宽高125x250"},  // twice as high as wide
        {{200, 100}, 255, 230, 115, "绣布：宽高230x115"},  // flat
        {{200, 100}, 100, 100, 50, "绣布：宽高100x50"},
        // The height is worked out in single precision: 45 x 0.7f is 31.5 there
        // (31.4999995 in double), 230 x (301 / 460)f is 150.5.
        {{200, 140}, 45, 45, 32, "绣布：宽高45x32"},
        {{460, 301}, 255, 230, 150, "绣布：宽高230x150"},
    };
    for (const auto& c : cases) {
        startWith(solidPicture(c.picture.width(), c.picture.height(), Qt::red));
        model.command11Click();
        model.zoom.setValue(c.zoom);
        EXPECT_DOUBLE_EQ(model.picW, c.picW) << c.label;
        EXPECT_EQ(model.picH, c.picH) << c.label;
        EXPECT_EQ(model.label1(), c.label);
        EXPECT_EQ(model.picture4Size(), QSize(static_cast<int>(c.picW), c.picH)) << c.label;
        EXPECT_EQ(model.wChange.Value(), c.picW);
        EXPECT_EQ(model.Hchange.Value(), c.picH);
    }
}

TEST_F(MainWindow, FractionalWidthStaysWhenTheBarAlreadyHoldsIt) {
    startWith(solidPicture(30, 70, Qt::red));  // xyRate 7/3: 250 / xyRate = 107.14...
    model.command11Click();
    model.wChange.setValue(100);
    model.zoom.setValue(200);
    EXPECT_EQ(model.label1(), "绣布：宽高107x250");
    EXPECT_DOUBLE_EQ(model.picW, 107);  // the width bar changed to 107 and its handler made it whole
    model.zoom.setValue(201);           // same clamp, but the bar already holds 107
    EXPECT_NEAR(model.picW, 250 / static_cast<double>(7.0f / 3.0f), 1e-9);
    EXPECT_NEAR(model.stitchPictureWidth(), model.picW, 1e-9);
    EXPECT_EQ(model.label1(), "绣布：宽高107x250");
}

TEST_F(MainWindow, WholeModeButtonResamplesOnlyWhenTheZoomChanges) {
    startWith(quadrantPicture(200, 100));  // fabric 230 x 250 after the install
    model.command11Click();  // zoom becomes the frame's width: the picture is stretched onto the fabric
    EXPECT_EQ(model.ifScale, 0);
    EXPECT_EQ(model.picture4Size(), QSize(230, 115));
    EXPECT_EQ(picture4At(229, 114), qRgb(255, 255, 0));
    model.command1Click();
    seen.fabrics = 0;
    model.command11Click();  // the bar already equals the frame's width
    EXPECT_EQ(seen.fabrics, 0);
}

// "还原色彩" and a new picture leave the box at the picture's own size; "全图" then
// stretches the whole picture onto the fabric again, though the zoom bar keeps its value.
TEST_F(MainWindow, WholeModeAfterRestoreOrImportShowsTheWholePicture) {
    for (const bool reimport : {false, true}) {
        SCOPED_TRACE(reimport ? "imported again" : "restored colours");
        startWith(quadrantPicture(400, 400));
        model.command11Click();
        ASSERT_EQ(model.picture4Size(), QSize(230, 230));
        if (reimport) install(quadrantPicture(400, 400));
        else model.label11Click();
        ASSERT_EQ(model.picture4Size(), QSize(400, 400)); // a crop: the fabric shows its top-left quarter
        model.command11Click();
        EXPECT_EQ(model.ifScale, 0);
        EXPECT_EQ(model.picture4Size(), QSize(230, 230));
        EXPECT_EQ(picture4At(229, 229), qRgb(255, 255, 0)); // the lower right quadrant is on the fabric
        EXPECT_EQ(model.label1(), "绣布：宽高230x230");
    }
}

TEST_F(MainWindow, ZoomAndRestoreBringTheWindowBackToTheCorner) {
    startWith(quadrantPicture(400, 400));
    model.picture4MouseDown(100, 0);
    model.picture4MouseUp(0, 0);
    ASSERT_EQ(model.moveX1, 50);
    model.zoom.setValue(800);
    EXPECT_EQ(model.moveX1, 0);
    EXPECT_EQ(model.picture4Left(), 0);
    model.picture4MouseDown(100, 0);
    model.picture4MouseUp(0, 0);
    model.label11Click();
    EXPECT_EQ(model.moveX1, 0);
    EXPECT_EQ(model.picture4Left(), 0);
    EXPECT_EQ(model.picture4Size(), QSize(400, 400));
}

TEST_F(MainWindow, WidePhotosInstallAndZoomOverTheWholeBar) {
    model.formLoad();
    install(quadrantPicture(3000, 2000));
    EXPECT_EQ(model.zoom.Max(), 32767);
    for (int z : {2184, 2185, 3000, 32767}) {
        model.zoom.setValue(z);
        EXPECT_EQ(model.picture4Size(), QSize(z, static_cast<int>(roundHalfEven(z * 2.0 / 3)))) << z;
    }
    // At 32767 px wide the bottom-right quadrant is still there, far out.
    EXPECT_EQ(picture4At(30000, 20000), qRgb(255, 255, 0));
    EXPECT_EQ(picture4At(40000, 20000), qRgb(255, 255, 255));  // beyond the box
    EXPECT_LT(model.pixelBytes(), 256LL << 20);
}

TEST_F(MainWindow, HugeJpegStaysWithinMemory) {
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(qRgb(30, 120, 200));
    for (int y = 2000; y < 4000; ++y)
        for (int x = 3000; x < 6000; x += 1) photo.setPixel(x, y, qRgb(220, 40, 40));
    const std::string path = write(photo, "big.jpg", "JPEG");
    photo = QImage();
    model.formLoad();
    ASSERT_TRUE(model.loadSourcePicture(path));
    EXPECT_EQ(model.picture3()->size(), QSize(6000, 4000));
    EXPECT_EQ(model.zoom.Max(), 32767);
    for (int z : {32, 500, 6000, 32767}) model.zoom.setValue(z);
    model.moveX1 = 25000;  // far into the bottom-right quadrant at 32767 px wide
    model.moveY1 = 18000;
    model.ColorBit = 16;
    model.command4Click();
    const QColor reduced = QColor::fromRgb(picture4At(25000, 18000));
    EXPECT_GT(reduced.red(), 150);
    EXPECT_LT(model.pixelBytes(), 256LL << 20);
}

// ------------------------------------------------------------------ preview

TEST_F(MainWindow, PreviewFillsTheMatrixAndWhitensTheRest) {
    startWith(solidPicture(400, 400, Qt::red));
    model.Hchange.setValue(250);
    model.wChange.setValue(230);
    model.previewRoutine();
    EXPECT_EQ(cell(229, 249), kRed);
    EXPECT_EQ(cell(230, 5), kWhite);
    EXPECT_EQ(cell(5, 250), kWhite);
    // Grey grid on each block's top row and left column, stitches inside.
    const QImage& p = model.picture1();
    EXPECT_EQ(p.pixel(0, 0), qRgb(200, 200, 200));
    EXPECT_EQ(p.pixel(4, 1), qRgb(200, 200, 200));
    EXPECT_EQ(p.pixel(5, 5), qRgb(255, 0, 0));
}

// A new picture (the browser's OK, the gallery's "应用") or "全图" frames the fabric
// anew: the effect preview of the old framing goes until the next preview.
TEST_F(MainWindow, NewPictureOrWholeModeClearsTheStalePreview) {
    const auto previewIsWhite = [&] {
        const QImage& p = model.picture1();
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                if (p.pixel(x, y) != qRgb(255, 255, 255)) return false;
        return true;
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"install", [&] { install(solidPicture(300, 300, Qt::blue)); }},
        {"whole mode", [&] { model.command11Click(); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        startWith(solidPicture(300, 300, Qt::red));
        model.previewRoutine();
        ASSERT_FALSE(previewIsWhite());
        seen.previews = 0;
        step();
        EXPECT_TRUE(previewIsWhite());
        EXPECT_GT(seen.previews, 0);
        EXPECT_EQ(model.previewDone(), 1); // only the import buttons and generation clear it
    }
}

TEST_F(MainWindow, CellSizeStaysBetweenThreeAndEight) {
    model.formLoad();
    for (int i = 0; i < 6; ++i) model.label5Click();
    EXPECT_EQ(model.cellSize(), 8);
    for (int i = 0; i < 7; ++i) model.label6Click();
    EXPECT_EQ(model.cellSize(), 3);
}

// ------------------------------------------------------------------ panning

struct DragCase {
    const char* name;
    double downX, downY, upX, upY;
    int startX, startY;
    int expectX, expectY;
    bool moves;  // Picture4 moved / preview redrawn
};

const std::vector<DragCase> kDrags = {
    {"click", 50, 50, 50, 50, 10, 10, 10, 10, false},
    {"2 px right", 50, 50, 52, 50, 10, 10, 9, 10, false},
    {"3 px right from 10", 50, 50, 53, 50, 10, 10, 8, 10, true},
    {"3 px right from 11", 50, 50, 53, 50, 11, 10, 10, 10, true},
    {"3 px left", 53, 50, 50, 50, 10, 10, 12, 10, true},
    {"vertical only", 50, 50, 50, 80, 10, 20, 10, 5, false},
    {"far right at the origin", 0, 50, 200, 50, 0, 0, 0, 0, true},
};

TEST_F(MainWindow, DraggingPicture4MovesTheWindowAtHalfSpeed) {
    startWith(quadrantPicture(1000, 1000));
    for (const auto& d : kDrags) {
        model.moveX1 = d.startX;
        model.moveY1 = d.startY;
        const double leftBefore = model.picture4Left();
        model.picture4MouseDown(d.downX, d.downY);
        model.picture4MouseUp(d.upX, d.upY);
        EXPECT_EQ(model.moveX1, d.expectX) << d.name;
        EXPECT_EQ(model.moveY1, d.expectY) << d.name;
        if (d.moves) {
            EXPECT_DOUBLE_EQ(model.picture4Left(), -15.0 * d.expectX) << d.name;
            EXPECT_DOUBLE_EQ(model.picture4Top(), -15.0 * d.expectY) << d.name;
        } else {
            EXPECT_DOUBLE_EQ(model.picture4Left(), leftBefore) << d.name;
        }
    }
    // The next preview reads the source at the new offsets.
    model.moveX1 = 600;
    model.moveY1 = 0;
    model.previewRoutine();
    EXPECT_EQ(cell(0, 0), kGreen);
}

TEST_F(MainWindow, DraggingThePreviewScrollsItAtHalfSpeed) {
    model.formLoad();
    for (const auto& d : kDrags) {
        model.previewRoutine();  // the view origin back at 0, 0
        for (int i = 0; i < d.startX; ++i) {  // reach the start column with 2-pixel drags (no redraw)
            model.picture1MouseDown(2, 0);
            model.picture1MouseUp(0, 0);
        }
        for (int i = 0; i < d.startY; ++i) {
            model.picture1MouseDown(0, 2);
            model.picture1MouseUp(0, 0);
        }
        ASSERT_EQ(model.viewX(), d.startX) << d.name;
        const int before = seen.previews;
        model.picture1MouseDown(d.downX, d.downY);
        model.picture1MouseUp(d.upX, d.upY);
        EXPECT_EQ(model.viewX(), d.expectX) << d.name;
        EXPECT_EQ(model.viewY(), d.expectY) << d.name;
        EXPECT_EQ(seen.previews > before, d.moves) << d.name;
    }
}

TEST_F(MainWindow, PreviewStopsAtTheLargestFabricAndShowsWhiteThere) {
    startWith(solidPicture(400, 400, Qt::red));
    model.label5Click();  // cell size does not move the view
    model.picture1MouseDown(1000, 0);
    model.picture1MouseUp(0, 0);
    EXPECT_EQ(model.viewX(), 230);
    EXPECT_EQ(model.picture1().pixel(7, 7), qRgb(255, 255, 255));
    model.label6Click();
    EXPECT_EQ(model.viewX(), 230);
    model.previewRoutine();
    EXPECT_EQ(model.viewX(), 0);
}

// ------------------------------------------------------------------ text tool

TEST_F(MainWindow, StampedTextShowsInTheNextPreview) {
    startWith(solidPicture(400, 400, Qt::white));
    model.label7Click();
    EXPECT_TRUE(model.textEntryOpen());
    model.text1Click();
    EXPECT_EQ(model.text1(), "");
    model.setText1("HELLO");
    model.text1Click();  // a second click keeps what was typed
    EXPECT_EQ(model.text1(), "HELLO");
    model.command8Click();
    EXPECT_FALSE(model.textEntryOpen());
    ASSERT_TRUE(model.label8Visible());

    model.picture4MouseMove(100, 60);
    const QRect label = model.label8Rect();
    EXPECT_EQ(label.left() + label.width(), 100);
    EXPECT_EQ(label.top() + label.height(), 60);
    model.previewRoutine();
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kWhite}));

    model.picture4MouseDown(100, 60);
    EXPECT_FALSE(model.label8Visible());
    const auto colours = fabricColours();
    EXPECT_TRUE(colours.count(rgb(0, 0, 0))) << "no black stitch";
    // The text lies up and to the left of the press point.
    for (int y = 0; y < model.picH; ++y)
        for (int x = 0; x < static_cast<int>(model.picW); ++x)
            if (cell(x, y) == 0) {
                EXPECT_LT(x, 100);
                EXPECT_LT(y, 60);
            }
    // A new zoom removes it.
    ASSERT_EQ(model.zoom.Value(), 117);
    model.zoom.setValue(400);
    ASSERT_EQ(model.picture4Size(), QSize(400, 400));
    model.previewRoutine();
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kWhite}));
}

TEST_F(MainWindow, EmptyTextStampsNothingButStillPreviews) {
    startWith(solidPicture(300, 300, Qt::white));
    model.label7Click();
    model.setText1("");
    model.command8Click();
    model.generate();  // consumes the start-up preview
    model.label8Click();
    EXPECT_FALSE(model.label8Visible());
    EXPECT_EQ(model.previewDone(), 1);
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kWhite}));
    model.command9Click();
    model.picture4MouseDown(10, 10);  // no label floats: only the press point
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kWhite}));
}

// ------------------------------------------------------------------ N most frequent colours

class TopColours : public MainWindow {
protected:
    // A 20 x 20 fabric, so that the 20 x 20 sample grid reads every stitch.
    void SetUp() override {
        MainWindow::SetUp();
        model.formLoad();
        model.wChange.setValue(20);
        model.Hchange.setValue(20);
    }
    // Paints the fabric from a list of (colour, stitch count) in row-major order.
    void paint(const std::vector<std::pair<std::int32_t, int>>& runs) {
        int i = 0;
        for (const auto& [colour, n] : runs)
            for (int k = 0; k < n; ++k, ++i) model.stitchColours().at(i % 20, i / 20) = colour;
        ASSERT_EQ(i, 400);
    }
};

TEST_F(TopColours, NothingChangesWhenNReachesTheSampledCount) {
    paint({{kRed, 100}, {kGreen, 100}, {kBlue, 200}});
    seen.previews = 0;
    model.reduceToTopColours(4);
    model.reduceToTopColours(3);
    EXPECT_EQ(seen.previews, 0);
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kRed, kGreen, kBlue}));
}

TEST_F(TopColours, TiesGoToTheColourMetFirstAndEquidistantStitchesToTheLowerEntry) {
    const std::int32_t black = rgb(0, 0, 0), grey = rgb(100, 100, 100), white = rgb(200, 200, 200);
    paint({{black, 199}, {white, 199}, {grey, 2}});
    model.reduceToTopColours(2);
    // grey lies exactly between black and white: it takes black, entry 1.
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{black, white}));
    EXPECT_EQ(cell(19, 19), black);
}

TEST_F(TopColours, TheSwapsDecideTheOrderOfEqualCounts) {
    // Counts 1, 1, 398 in the order met: the first pass swaps entries 1 and 3,
    // which puts the second colour ahead of the first.
    const std::int32_t first = rgb(255, 0, 0), second = rgb(250, 0, 0), most = rgb(0, 0, 255);
    paint({{first, 1}, {second, 1}, {most, 398}});
    model.reduceToTopColours(2);
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{second, most}));
    EXPECT_EQ(cell(0, 0), second);
    // Picture4 holds the reduced stitches too.
    EXPECT_EQ(picture4At(0, 0), qRgb(250, 0, 0));
}

// ------------------------------------------------------------------ reduction driver

TEST_F(MainWindow, DriverReducesThroughTheStitchPictureFile) {
    startWith(solidPicture(300, 300, QColor(128, 128, 128)));
    model.ColorBit = 1;
    model.reductionDriver();
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{rgb(0, 0, 0), kWhite}));
    EXPECT_TRUE(QFileInfo::exists("tmppicv.bmp"));
    EXPECT_EQ(model.label4(), "减色处理完毕");
    EXPECT_TRUE(sink.messages.empty());
    // Reductions compound until colours are restored.
    model.label11Click();
    model.previewRoutine();
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{rgb(128, 128, 128)}));
}

TEST_F(MainWindow, ForcedReductionReadsTheFabricAsItIsNow) {
    // Whichever control runs it, the N-colour reduction works on the picture
    // now on the fabric, not on the stitches of an earlier preview.
    struct Entry {
        const char* name;
        void (Form1Model::*click)();
    };
    const std::vector<Entry> entries = {
        {"超级减色", &Form1Model::reductionDriver},
        {"生成", &Form1Model::generate},
        {"效果预览->", &Form1Model::command4Click},
    };
    for (const Entry& e : entries) {
        startWith(solidPicture(50, 50, Qt::white));
        model.previewRoutine();
        install(quadrantPicture(400, 400));  // not previewed yet
        model.ColorBit = 99;
        model.rdColorNum = 2;
        (model.*e.click)();
        // Red and blue are sampled most; green and yellow are nearest to red.
        EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kRed, kBlue})) << e.name;
        EXPECT_EQ(picture4At(229, 0), qRgb(255, 0, 0)) << e.name;
        EXPECT_EQ(model.label4(), "减色处理完毕") << e.name;
    }
    // The forced preview counts as a preview for "生成".
    model.command5Click();
    model.command4Click();
    model.generate();
    EXPECT_EQ(nav.calls, (std::vector<std::string>{"chart", "browser beside", "chart"}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(MainWindow, BestThreadsTakeThePlaceOfEveryModeAndKeepThePictureBefore) {
    // Four pure quadrants and four threads: each quadrant becomes one DMC thread near it,
    // whatever mode the dialog left (grey, or the forced reduction to two colours).
    struct Entry {
        const char* name;
        void (Form1Model::*click)();
        std::int32_t colorBit;
    };
    const std::vector<Entry> entries = {
        {"超级减色", &Form1Model::reductionDriver, 2},
        {"生成", &Form1Model::generate, 99},
        {"效果预览->", &Form1Model::command4Click, 4},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.name);
        startWith(solidPicture(50, 50, Qt::white));
        model.previewRoutine();
        install(quadrantPicture(400, 400));  // not previewed yet
        model.ColorBit = e.colorBit;
        model.rdColorNum = 2;
        model.colourChoice = {4, pav::colour::Dither::FloydSteinberg, pav::colour::Cleanup::Light};
        (model.*e.click)();

        const std::set<std::int32_t> colours = fabricColours();
        EXPECT_EQ(colours.size(), 4u);
        EXPECT_EQ(colours.count(kRed) + colours.count(kGreen) + colours.count(kBlue), 0u); // threads, not the pure colours
        const std::int32_t topLeft = cell(0, 0);
        EXPECT_GT(pav::palette::redOf(topLeft), 150);
        EXPECT_LT(pav::palette::greenOf(topLeft), 100);
        EXPECT_EQ(picture4At(229, 0), pav::image::toQRgb(cell(229, 0)));
        EXPECT_EQ(model.label4(), "减色处理完毕");
        EXPECT_EQ(model.swatches(), pav::chart::Swatches::ThreadColours); // the legend shows the threads' own colours

        const pav::colour::RgbGrid* before = model.stitchesBeforeReduction();
        ASSERT_NE(before, nullptr);
        EXPECT_EQ(before->width, 230);
        EXPECT_EQ(before->at(0, 0), kRed);
        EXPECT_EQ(before->at(229, 229), rgb(255, 255, 0));
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(MainWindow, ModesKeepTheStitchesTheyReduced) {
    startWith(solidPicture(300, 300, QColor(128, 128, 128)));
    model.ColorBit = 1;
    model.reductionDriver();
    ASSERT_EQ(fabricColours(), (std::set<std::int32_t>{rgb(0, 0, 0), kWhite}));
    const pav::colour::RgbGrid* before = model.stitchesBeforeReduction();
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->at(5, 5), rgb(128, 128, 128));
    EXPECT_EQ(model.swatches(), pav::chart::Swatches::ThreadColours);
    model.ColorBit = 4;
    EXPECT_EQ(model.swatches(), pav::chart::Swatches::Grey);
    model.ColorBit = 1;
    EXPECT_EQ(model.fitCriterion(), pav::colour::FitCriterion::Rgb);
    model.colourChoice.criterion = pav::colour::FitCriterion::Ciede2000;
    EXPECT_EQ(model.fitCriterion(), pav::colour::FitCriterion::Ciede2000);
}

// "效果预览->" then "生成" reduces twice; the chart's figures are measured against the
// picture's stitches, not against the first reduction's, which would read as no difference.
TEST_F(MainWindow, ReducingAgainKeepsTheStitchesOfThePicture) {
    struct Case {
        const char* name;
        std::int32_t colorBit;
        int bestThreads;
    };
    const Case cases[] = {{"best threads", 0, 4}, {"black and white", 1, 0}, {"forced", 99, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startWith(quadrantPicture(400, 400));
        model.ColorBit = c.colorBit;
        model.rdColorNum = 2;
        model.colourChoice = {c.bestThreads, pav::colour::Dither::None, pav::colour::Cleanup::Off};
        model.command4Click();
        model.generate();
        model.command4Click();
        const pav::colour::RgbGrid* before = model.stitchesBeforeReduction();
        ASSERT_NE(before, nullptr);
        EXPECT_EQ(before->at(0, 0), kRed);
        EXPECT_EQ(before->at(229, 229), rgb(255, 255, 0));

        // A new framing is a new picture: its stitches are kept again.
        model.command11Click();
        model.command4Click();
        EXPECT_EQ(model.stitchesBeforeReduction()->at(0, 0), kRed);
    }
}

TEST_F(MainWindow, UnwritableStitchPictureLeavesMatrixAndPicture4Alone) {
    startWith(solidPicture(300, 300, Qt::red));
    ASSERT_TRUE(QDir().mkdir("tmppicv.bmp"));  // a folder of that name cannot be written as a file
    model.moveX1 = 40;  // the fabric would now read other pixels
    model.stitchColours().at(3, 3) = kGreen;
    model.ColorBit = 16;
    model.reductionDriver();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "错误！");
    EXPECT_NE(sink.messages[0].text.find("tmppicv.bmp"), std::string::npos);
    EXPECT_EQ(cell(3, 3), kGreen);
    EXPECT_EQ(picture4At(45, 5), qRgb(255, 0, 0));
    model.command3Click();  // saving the effect stops the same way
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(scratch.file("xiaoguo001.bmp"))));
}

// ------------------------------------------------------------------ generate and save

TEST_F(MainWindow, GenerateNeedsAFreshPreview) {
    startWith(solidPicture(100, 100, Qt::red));
    model.autoColor = 1;
    model.previewRoutine();
    model.generate();
    model.generate();
    EXPECT_EQ(nav.calls, (std::vector<std::string>{"chart"}));
    const Message expected{"   生成绣图前请先点击效果预览键，并且强烈建议您使用超级减色属性  ", "Korvane make life fun",
                           pav::MessageIcon::None};
    EXPECT_EQ(sink.messages, (std::vector<Message>{expected}));
    model.previewRoutine();
    model.command5Click();  // importing a picture asks for a new preview too
    model.generate();
    EXPECT_EQ(nav.calls, (std::vector<std::string>{"chart", "browser beside"}));
}

TEST_F(MainWindow, SavedEffectsAreNumberedInTheProgramFolder) {
    startWith(solidPicture(300, 300, QColor(128, 128, 128)));
    model.ColorBit = 16;
    for (int i = 1; i <= 10; ++i) model.command3Click();
    const std::string tenth = scratch.file("xiaoguo010.bmp");
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(tenth)));
    ASSERT_EQ(sink.messages.size(), 10u);
    EXPECT_EQ(sink.messages.back(), (Message{"绣图效果图保存到" + tenth, "Korvane", pav::MessageIcon::None}));
    EXPECT_EQ(model.label4(), "绣图效果图保存到" + tenth);
    EXPECT_EQ(QImage(QString::fromStdString(tenth)).size(), QSize(230, 250));
}

TEST_F(MainWindow, EffectWithoutReductionIsWhatThePreviewShows) {
    for (int mode : {0, 99}) {
        startWith(quadrantPicture(100, 100));
        model.wChange.setValue(100);
        model.Hchange.setValue(100);
        model.ColorBit = mode;
        model.rdColorNum = 3;
        model.command4Click();
        model.command3Click();
        const QImage saved(QString::fromStdString(sink.messages.back().text.substr(std::string("绣图效果图保存到").size())));
        ASSERT_EQ(saved.size(), QSize(100, 100)) << mode;
        for (int y = 0; y < 100; y += 7)
            for (int x = 0; x < 100; x += 7) {
                const QRgb p = saved.pixel(x, y);
                EXPECT_EQ(qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p), cell(x, y)) << mode << " " << x << "," << y;
            }
    }
}

// Started from a folder that cannot take files (here one deleted under it), the
// preview and the effect save work through the user's cache folder.
TEST_F(MainWindow, WorkingFilesGoToTheCacheWhenTheCurrentFolderIsNotWritable) {
    pav::testing::ScratchHome home;
    startWith(solidPicture(100, 100, Qt::red));
    const QString previous = QDir::currentPath();
    const QString gone = QString::fromStdString(home.path("gone"));
    ASSERT_TRUE(QDir().mkpath(gone) && QDir::setCurrent(gone) && QDir(gone).removeRecursively());
    model.ColorBit = 4;
    model.command4Click();
    model.command3Click();
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(home.cache() + "/tmppicv.bmp")).isFile());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "绣图效果图保存到" + scratch.file("xiaoguo001.bmp"));
}

TEST_F(MainWindow, EffectGoesToThePicturesFolderWhenTheProgramFolderIsNotWritable) {
    pav::testing::ScratchHome home;
    startWith(solidPicture(100, 100, Qt::red));
    model.setProgramFolder(scratch.file("no such folder"));
    model.ColorBit = 4;
    model.command3Click();
    const std::string saved = home.pictures() + "/xiaoguo001.bmp";
    EXPECT_TRUE(QFileInfo(QString::fromStdString(saved)).isFile());
    EXPECT_EQ(sink.messages, (std::vector<Message>{{"绣图效果图保存到" + saved, "Korvane", pav::MessageIcon::None}}));
}

TEST_F(MainWindow, EffectThatCannotBeSavedIsReportedWithItsReason) {
    pav::testing::ScratchHome home;
    // Neither the program folder nor the pictures folder can be made: the home is a file.
    QDir(QString::fromStdString(home.home())).removeRecursively();
    QFile(QString::fromStdString(home.home())).open(QIODevice::WriteOnly);
    startWith(solidPicture(100, 100, Qt::red));
    model.setProgramFolder(scratch.file("no such folder"));
    model.ColorBit = 4;
    model.command3Click();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "错误！");
    EXPECT_EQ(sink.messages[0].text,
              "无法保存绣图效果图：" + home.pictures() + "/xiaoguo001.bmp\n路径中有一部分不是文件夹");
    EXPECT_NE(model.label4().rfind("绣图效果图保存到", 0), 0u);
}

// While the chart window generates or prints, it reads the stitch data through its event turns:
// the main-window commands that would rewrite that data do nothing until it is done.
TEST_F(MainWindow, CommandsThatRewriteTheStitchesWaitWhileTheChartWindowWorks) {
    startWith(quadrantPicture(100, 100));
    model.ColorBit = 16;
    model.command4Click();
    model.setText1("HELLO");
    model.command8Click();
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"generate", [&] { model.generate(); }},
        {"edit", [&] { model.label9Click(); }},
        {"save effect", [&] { model.command3Click(); }},
        {"stamp by press", [&] { model.picture4MouseDown(60, 60); }},
        {"stamp by label", [&] { model.label8Click(); }},
    };
    auto matrix = [&] {
        std::vector<std::int32_t> cells;
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 230; ++x) cells.push_back(cell(x, y));
        return cells;
    };
    const auto before = matrix();
    model.setMainControlsEnabled(false);
    for (const auto& [name, run] : commands) {
        run();
        EXPECT_EQ(matrix(), before) << name;
        EXPECT_TRUE(nav.calls.empty()) << name;
        EXPECT_TRUE(sink.messages.empty()) << name;
        EXPECT_TRUE(model.label8Visible()) << name;  // the text still floats, ready to be stamped
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(scratch.file("xiaoguo001.bmp"))));

    model.setMainControlsEnabled(true);
    model.label9Click();
    model.generate();
    model.picture4MouseDown(60, 60);
    EXPECT_EQ(nav.calls, (std::vector<std::string>{"editor", "chart"}));
    EXPECT_FALSE(model.label8Visible());
    EXPECT_NE(matrix(), before);
}

// ------------------------------------------------------------------ controls that open windows

TEST_F(MainWindow, ControlsOpenTheOtherWindows) {
    model.command6Click();
    model.menuGallery();
    model.menuImportFile();
    model.showSettings();
    model.menuAbout();
    model.menuCapture();
    model.label9Click();
    model.unload();
    EXPECT_EQ(nav.calls, (std::vector<std::string>{"gallery beside", "gallery", "browser", "settings", "about",
                                                   "capture", "editor", "close others"}));
}

TEST_F(MainWindow, HintsAndTheSizeCheckBox) {
    model.formLoad();
    model.hover(HintLabel::Label5);
    EXPECT_EQ(model.label4(), "增加颜色，得到更逼真效果。需要更多绣线");
    model.hover(HintLabel::Label10);
    EXPECT_EQ(model.label4(), "只要10种颜色就可以绣出真彩般的照片效果，大大节约绣线。这就是Korvane的神奇科技!");
    model.hover(HintLabel::Label7);
    EXPECT_EQ(model.label4(), "加入文字");
    model.check1Click(true);
    EXPECT_EQ(model.label4(), "可以通过滚动条直接改变绣图的大小");
    model.check1Click(false);
    EXPECT_EQ(model.label4(), "可以通过滚动条移动显示图像");
}

TEST_F(MainWindow, CapturedBlockLandsWhereTheFabricReads) {
    startWith(solidPicture(500, 500, Qt::white));
    model.moveX1 = 30;
    model.moveY1 = 20;
    model.copyIntoPicture4(solidPicture(230, 250, Qt::blue), QPoint(model.moveX1, model.moveY1));
    model.previewRoutine();
    EXPECT_EQ(fabricColours(), (std::set<std::int32_t>{kBlue}));
}

TEST_F(MainWindow, ChartWindowSwitchesTheMainControls) {
    model.formLoad();
    model.setMainControlsEnabled(false);
    EXPECT_FALSE(model.mainControlsEnabled());
    EXPECT_FALSE(model.zoom.Enabled());
    EXPECT_FALSE(model.wChange.Enabled());
    model.setMainControlsEnabled(true);
    EXPECT_TRUE(model.Hchange.Enabled());
    EXPECT_EQ(model.stitchPictureHeight(), 117);
}

} // namespace
