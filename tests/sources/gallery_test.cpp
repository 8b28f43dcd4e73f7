// The sample gallery: categories, listing, preview, Apply, missing folders, and the shipped pictures.

#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "FakeSourceHost.h"
#include "SourceFixtures.h"
#include "sources/Form6Model.h"
#include "sources/PictureFiles.h"
#include "sources/SourceTexts.h"

namespace pav::sources::test {
namespace {

constexpr int kAnime = 0, kBeauty = 1, kLandscape = 5;

class GalleryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApplication(); }

    // A program folder with two of the seven category folders; the others are missing.
    void SetUp() override {
        writePicture(program.filePath("动漫/cat.jpg"), Qt::red);
        writePicture(program.filePath("动漫/DOG.JPG"), Qt::green);
        writeText(program.filePath("动漫/notes.txt"));
        writePicture(program.filePath("风景/hill.jpg"), Qt::blue);
        model.setCloseBrowser([this] { ++browserCloses; });
    }
    std::string file(const char* relative) const { return program.filePath(relative).toStdString(); }
    std::vector<bool> buttons() const {
        std::vector<bool> enabled;
        for (int i = 0; i < Form6Model::categoryCount(); ++i)
            enabled.push_back(model.categoryEnabled(i));
        return enabled;
    }

    QTemporaryDir program;
    FakeSourceHost host;
    PicturePaths paths;
    RecordingMessages messages;
    Form6Model model{host, paths, messages, program.path().toStdString()};
    int browserCloses = 0;
};

TEST_F(GalleryTest, CategoriesSwitchTheListAndMarkTheCurrentButton) {
    model.load();
    EXPECT_EQ(buttons(), std::vector<bool>(7, true));
    EXPECT_EQ(model.files(), (std::vector<std::string>{"cat.jpg", "DOG.JPG", "notes.txt"}));

    model.chooseCategory(kLandscape);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, true, true, true, true, false, true}));
    EXPECT_EQ(model.folder(), file("风景"));
    EXPECT_EQ(model.files(), std::vector<std::string>{"hill.jpg"});

    // A missing category folder: the button still switches, the list stays, nothing is said.
    model.chooseCategory(kBeauty);
    EXPECT_EQ(buttons(), (std::vector<bool>{true, false, true, true, true, true, true}));
    EXPECT_EQ(model.folder(), file("风景"));
    EXPECT_EQ(model.files(), std::vector<std::string>{"hill.jpg"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GalleryTest, AnotherCategoryClearsThePreviewAndTheChoice) {
    model.load();
    model.clickFile(0);
    ASSERT_FALSE(model.preview().isNull());
    model.chooseCategory(kLandscape);
    EXPECT_TRUE(model.preview().isNull());
    EXPECT_EQ(model.selectedFile(), -1);
    model.clickFile(0);
    ASSERT_FALSE(model.preview().isNull());
    // A missing category folder keeps its list, and the picture chosen in it.
    model.chooseCategory(kBeauty);
    EXPECT_FALSE(model.preview().isNull());
    EXPECT_TRUE(model.apply());
    EXPECT_EQ(host.loads.back(), file("风景/hill.jpg"));
}

TEST_F(GalleryTest, OpensSilentlyWhenTheFirstCategoryIsMissing) {
    QDir(program.filePath("动漫")).removeRecursively();
    model.load();
    EXPECT_TRUE(model.files().empty());
    EXPECT_TRUE(model.folder().empty());
    EXPECT_FALSE(model.apply());
    EXPECT_TRUE(host.loads.empty());
    model.chooseCategory(kLandscape);
    EXPECT_EQ(model.files(), std::vector<std::string>{"hill.jpg"});
}

TEST_F(GalleryTest, PreviewsUpperCaseNamesTooAndKeepsThePictureForOthers) {
    model.load();
    const std::pair<int, QColor> steps[] = {{0, Qt::red}, {1, Qt::green}, {2, Qt::green}};
    for (const auto& [row, colour] : steps) {
        model.clickFile(row);
        const QColor shown = model.preview().pixelColor(12, 8);
        EXPECT_NEAR(shown.red(), colour.red(), 8) << row;
        EXPECT_NEAR(shown.green(), colour.green(), 8) << row;
    }
}

TEST_F(GalleryTest, ApplyingTwiceLoadsTheSecondOverTheFirstAndClosesTheBrowser) {
    model.load();
    model.clickFile(1);
    EXPECT_TRUE(model.apply());
    model.chooseCategory(kLandscape);
    model.clickFile(0);
    EXPECT_TRUE(model.apply());
    EXPECT_EQ(host.loads, (std::vector<std::string>{file("动漫/DOG.JPG"), file("风景/hill.jpg")}));
    EXPECT_EQ(paths.picPath, file("风景/hill.jpg"));
    EXPECT_GT(host.picture4.pixelColor(0, 0).blue(), 200); // the blue hill replaced the green dog
    EXPECT_LT(host.picture4.pixelColor(0, 0).green(), 50);
    EXPECT_EQ(browserCloses, 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GalleryTest, FailedApplyShowsTheMessageAndKeepsTheBrowser) {
    const std::pair<std::string, std::string> refusal{std::string(kBadPictureText), "Korvane"};
    model.load();
    EXPECT_FALSE(model.apply()); // nothing selected
    EXPECT_TRUE(host.loads.empty());
    EXPECT_TRUE(paths.picPath.empty());

    model.clickFile(2); // no name test here: notes.txt goes to the main window and fails there
    EXPECT_FALSE(model.apply());
    EXPECT_EQ(host.loads, std::vector{file("动漫/notes.txt")});
    EXPECT_EQ(paths.picPath, file("动漫/notes.txt"));

    host.refuseLoads = true;
    model.clickFile(0);
    EXPECT_FALSE(model.apply());
    EXPECT_EQ(messages.shown, std::vector(3, refusal));
    EXPECT_EQ(browserCloses, 0);
}

TEST(GalleryPlacementTest, OpensRightOfAndBelowTheMainWindow) {
    EXPECT_EQ(Form6Model::placement({100, 50}), QPoint(420, 143)); // 4800 and 1400 twips
    EXPECT_EQ(joinPath("/", Form6Model::categoryName(kAnime)), "/动漫");
}

// The build puts the shipped categories beside the programs: each has at least three pictures
// that the browser's name test accepts and that decode, and the whole gallery stays small.
TEST(ShippedGalleryTest, EveryCategoryHoldsPicturesBesideThePrograms) {
    ensureGuiApplication();
    // The tests run from the tests folder inside the build folder.
    QString buildDir = qEnvironmentVariable("PAV_BUILD_DIR");
    if (buildDir.isEmpty()) buildDir = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
    qint64 bytes = 0;
    for (std::string_view category : kGalleryCategories) {
        const std::string folder = joinPath(buildDir.toStdString(), std::string(category));
        int pictures = 0;
        for (const std::string& name : listFiles(folder)) {
            const std::string path = joinPath(folder, name);
            bytes += QFileInfo(QString::fromStdString(path)).size();
            EXPECT_TRUE(passesFileTypeTest(name)) << path;
            EXPECT_FALSE(decodePreview(path).isNull()) << path;
            ++pictures;
        }
        EXPECT_GE(pictures, 3) << folder;
    }
    EXPECT_LT(bytes, 5 * 1024 * 1024);
}

} // namespace
} // namespace pav::sources::test
