// The file browser: the file-type test, OK and its refusals, preview, the remembered folder, drives.

#include <algorithm>

#include <QImageReader>
#include <gtest/gtest.h>

#include "FakeSourceHost.h"
#include "SourceFixtures.h"
#include "sources/Form2Model.h"
#include "sources/PictureFiles.h"
#include "sources/SourceTexts.h"

namespace pav::sources::test {
namespace {

const std::pair<std::string, std::string> kRefusal{std::string(kBadPictureText), std::string(kMessageTitle)};

TEST(FileTypeTest, LastThreeCharactersCaseSensitive) {
    struct Case {
        const char* name;
        bool loadable;
        bool previewed;
    };
    const Case cases[] = {
        {"a.jpg", true, true},    {"a.bmp", true, true},    {"a.gif", true, true},    {"a.JPG", true, false},
        {"a.BMP", true, false},   {"a.GIF", true, false},   {"a.Jpg", false, false},  {"a.jPG", false, false},
        {"a.jpeg", false, false}, {"a.png", false, false},  {"", false, false},       {"jpg", true, true},
        {"pg", false, false},     {"照片.jpg", true, true}, {"照片图", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(passesFileTypeTest(c.name), c.loadable) << c.name;
        EXPECT_EQ(hasLowerCasePictureType(c.name), c.previewed) << c.name;
    }
}

TEST(PictureFilesTest, JoinsWithOneSeparator) {
    EXPECT_EQ(joinPath("/home/u", "a.jpg"), "/home/u/a.jpg");
    EXPECT_EQ(joinPath("/", "a.jpg"), "/a.jpg");
    EXPECT_EQ(joinPath("/media/usb/", "动漫"), "/media/usb/动漫");
}

class BrowserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    // Opens the browser in the fixture's folder, as a user coming back to it would.
    void open(const std::string& folder) {
        model.load(folder);
        ASSERT_EQ(model.folder(), folder);
    }
    void select(const std::string& name) {
        const auto& files = model.files();
        const auto it = std::find(files.begin(), files.end(), name);
        ASSERT_NE(it, files.end()) << name;
        model.clickFile(static_cast<int>(it - files.begin()));
    }

    struct Closes : Form2Observer {
        void closeRequested() override { ++count; }
        int count = 0;
    };

    PictureFolder pictures;
    FakeDrives drives{pictures.root()};
    FakeSourceHost host;
    PicturePaths paths;
    RecordingMessages messages;
    Form2Model model{host, paths, messages, drives};
    Closes closes;
    void SetUp() override { model.setObserver(&closes); }
};

TEST_F(BrowserTest, ListsEveryFileWithoutPatternAndTheFolderChain) {
    open(pictures.root() + "/sub");
    EXPECT_TRUE(model.files().empty());
    ASSERT_EQ(model.folderEntries().size(), 3u);
    EXPECT_EQ(model.folderEntries()[0].path, pictures.root());
    EXPECT_TRUE(model.folderEntries()[1].current);
    EXPECT_EQ(model.folderEntries()[2].name, "deeper");
    EXPECT_EQ(model.folderEntries()[2].depth, 2);

    model.openFolder(pictures.root());
    const std::vector<std::string> expected = {"a.jpg", "b.JPG", "c.Jpg",     "d.jpeg",
                                               "e.bmp", "f.gif", "notes.gif", "readme.txt"};
    EXPECT_EQ(model.files(), expected);
}

TEST_F(BrowserTest, OkInstallsTheChosenFileAndRemembersItsFolder) {
    for (const char* name : {"a.jpg", "b.JPG", "e.bmp"}) {
        open(pictures.root());
        select(name);
        EXPECT_TRUE(model.ok()) << name;
        EXPECT_EQ(host.loads.back(), pictures.file(name));
        EXPECT_EQ(paths.picPath, pictures.file(name));
    }
    EXPECT_EQ(paths.lastDir, pictures.root());
    EXPECT_EQ(paths.lastDrive, pictures.root());
    EXPECT_EQ(closes.count, 3);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(host.picture4.pixelColor(0, 0).red(), 0); // the cyan BMP went in last
}

TEST_F(BrowserTest, RefusedNamesLeaveEverythingAsItWas) {
    paths.picPath = "/before.jpg";
    for (const char* name : {"c.Jpg", "d.jpeg", "readme.txt", ""}) {
        open(pictures.root());
        if (*name) select(name);
        EXPECT_FALSE(model.ok()) << name;
    }
    EXPECT_EQ(messages.shown, std::vector(4, kRefusal));
    EXPECT_TRUE(host.loads.empty());
    EXPECT_EQ(paths.picPath, "/before.jpg");
    EXPECT_TRUE(paths.lastDir.empty());
    EXPECT_EQ(closes.count, 0);
}

TEST_F(BrowserTest, FailedInstallKeepsPathAndFolderAndStaysOpen) {
    // A text file with a picture's name passes the name test and fails in decoding;
    // a real picture the main window refuses (too wide for the zoom bar) fails the same way.
    struct Case {
        const char* name;
        bool hostRefuses;
    };
    for (const Case c : {Case{"notes.gif", false}, Case{"a.jpg", true}}) {
        paths = {};
        messages.shown.clear();
        host.refuseLoads = c.hostRefuses;
        open(pictures.root());
        select(c.name);
        EXPECT_FALSE(model.ok());
        EXPECT_EQ(messages.shown, std::vector{kRefusal});
        EXPECT_EQ(paths.picPath, pictures.file(c.name));
        EXPECT_EQ(paths.lastDir, pictures.root());
        EXPECT_EQ(host.loads.back(), pictures.file(c.name));
    }
    EXPECT_EQ(closes.count, 0);
}

// A picture the main window cannot chart gets the main window's reason instead of the one box.
TEST_F(BrowserTest, AHostRefusalWithAReasonShowsTheReason) {
    host.refuseLoads = true;
    host.refusalText = "   图片太小   ";
    open(pictures.root());
    select("a.jpg");
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(messages.shown, (std::vector<std::pair<std::string, std::string>>{{"   图片太小   ", "Korvane"}}));
    EXPECT_EQ(closes.count, 0);
}

TEST_F(BrowserTest, DoubleClickIsOk) {
    open(pictures.root());
    model.doubleClickFile(0); // a.jpg
    EXPECT_EQ(host.loads, std::vector{pictures.file("a.jpg")});
    EXPECT_EQ(closes.count, 1);
}

TEST_F(BrowserTest, PreviewsLowerCaseNamesAndKeepsTheOldPictureOtherwise) {
    struct Step {
        const char* name;
        QColor shown;
    };
    open(pictures.root());
    const Step steps[] = {{"a.jpg", Qt::red},     {"b.JPG", Qt::red},          {"notes.gif", Qt::red},
                          {"f.gif", Qt::magenta}, {"readme.txt", Qt::magenta}, {"e.bmp", Qt::cyan}};
    for (const Step& s : steps) {
        select(s.name);
        ASSERT_FALSE(model.preview().isNull()) << s.name;
        const QColor c = model.preview().pixelColor(12, 8);
        EXPECT_NEAR(c.red(), s.shown.red(), 8) << s.name;
        EXPECT_NEAR(c.green(), s.shown.green(), 8) << s.name;
        EXPECT_NEAR(c.blue(), s.shown.blue(), 8) << s.name;
    }
}

TEST_F(BrowserTest, PreviewsAPhotoTooLargeToDecodeWhole) {
    // Decoding at full size goes past the decoder's memory limit, as a camera's 50-megapixel
    // photo does with the default limit: the preview is decoded at the size it is shown at.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(3); // megabytes; the photo needs 7.7 at full size
    writePicture(pictures.path("big.jpg"), Qt::red, "JPG", QSize(1600, 1200));
    open(pictures.root());
    select("big.jpg");
    QImageReader::setAllocationLimit(limit);
    ASSERT_FALSE(model.preview().isNull());
    EXPECT_LE(model.preview().width(), 480);
    EXPECT_EQ(model.preview().width() * 3, model.preview().height() * 4);
    EXPECT_GT(model.preview().pixelColor(100, 100).red(), 240);
    EXPECT_LT(model.preview().pixelColor(100, 100).green(), 16);
}

TEST_F(BrowserTest, ReopensWhereTheLastAcceptedOkWas) {
    const std::string sub = pictures.root() + "/sub";
    writePicture(QString::fromStdString(sub + "/s.jpg"), Qt::red);
    open(sub);
    select("s.jpg");
    ASSERT_TRUE(model.ok());

    // A later visit that only cancels does not move the remembered folder.
    Form2Model second{host, paths, messages, drives};
    second.load("/");
    EXPECT_EQ(second.folder(), sub);
    second.openFolder(pictures.root());
    second.cancel();
    Form2Model third{host, paths, messages, drives};
    third.load("/");
    EXPECT_EQ(third.folder(), sub);

    // A remembered folder that has gone opens its nearest parent.
    paths.lastDir = sub + "/gone/away";
    Form2Model fourth{host, paths, messages, drives};
    fourth.load("/");
    EXPECT_EQ(fourth.folder(), sub);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BrowserTest, DriveThatIsNotReadyIsReportedAndNothingMoves) {
    open(pictures.root() + "/sub");
    EXPECT_FALSE(model.chooseDrive("/nowhere"));
    EXPECT_EQ(model.drive(), pictures.root());
    EXPECT_EQ(model.folder(), pictures.root() + "/sub");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].first.find("/nowhere"), std::string::npos);
    EXPECT_EQ(messages.shown[0].second, "Korvane");

    // A remembered drive that has gone: reported, and the browser starts at the current folder.
    paths.lastDrive = "/nowhere";
    paths.lastDir = "/nowhere/pictures";
    Form2Model again{host, paths, messages, drives};
    again.load(pictures.root());
    EXPECT_EQ(again.folder(), pictures.root());
    EXPECT_EQ(messages.shown.size(), 2u);

    EXPECT_TRUE(model.chooseDrive(pictures.root()));
    EXPECT_EQ(model.folder(), pictures.root());
}

TEST(BrowserPlacementTest, OpensRightOfAndBelowTheMainWindow) {
    // 1800 twips = 120 pixels, 1400 twips = 93.3 pixels.
    EXPECT_EQ(Form2Model::placement({100, 50}), QPoint(220, 143));
}

TEST(SystemDrivesTest, TheFileSystemRootComesFirstAndIsReady) {
    SystemDrives drives;
    const auto list = drives.list();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front().root, "/");
    EXPECT_TRUE(drives.isReady("/"));
    EXPECT_FALSE(drives.isReady("/no/such/volume"));
    EXPECT_EQ(driveOf(list, "/usr/share"), driveOf(list, "/usr/share/doc"));
}

} // namespace
} // namespace pav::sources::test
