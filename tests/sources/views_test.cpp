// The browser, gallery and capture windows clicked as a user would, offscreen.

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include "FakeSourceHost.h"
#include "app/views/WindowPlacement.h"
#include "SourceFixtures.h"
#include "sources/SourceTexts.h"
#include "sources/views/Form2View.h"
#include "sources/views/Form6View.h"
#include "sources/views/SourceWindows.h"

using namespace pav::sources;
using namespace pav::sources::test;

namespace {

QListWidgetItem* itemNamed(QListWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void clickItem(QListWidget* list, const QString& name, bool twice = false) {
    QListWidgetItem* item = itemNamed(list, name);
    QVERIFY2(item, qPrintable(name));
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Closed windows delete themselves at the next turn of the event loop.
void settle() {
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Where a window asked to open at `at` lands: there, moved inside the screen's
// available area where it would reach past it.
QPoint placedOnScreen(QWidget* window, QPoint at) {
    const QRect area = window->screen()->availableGeometry();
    return pav::app::placedInside(QRect(at, window->frameGeometry().size()), area).topLeft();
}

} // namespace

class SourcesViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        host = std::make_unique<FakeSourceHost>();
        paths = {};
        messages.shown.clear();
        // The browser reopens where the last OK was: the fixture's folder, on the drive holding it.
        paths.lastDir = pictures.root();
        paths.lastDrive = driveOf(SystemDrives().list(), pictures.root());
        writePicture(program.filePath("动漫/cat.jpg"), Qt::red);
        writePicture(program.filePath("风景/hill.jpg"), Qt::blue);
        windows =
            std::make_unique<SourceWindows>(*host, paths, messages, nullptr, program.path().toStdString());
    }
    void cleanup() { windows.reset(); }

    void browserPreviewsAndInstallsOnDoubleClick() {
        QPointer<Form2View> browser = windows->openBrowser(true);
        QCOMPARE(browser->pos(), placedOnScreen(browser, QPoint(220, 143)));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Pavlenta       -Korvane inc."));
        const auto labels = browser->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) {
            return l->text() == QStringLiteral("选择转换成绣图的图片或则照片：");
        }));
        QCOMPARE(browser->okButton()->text(), QStringLiteral("确定"));
        QCOMPARE(browser->cancelButton()->text(), QStringLiteral("取消"));
        QVERIFY(itemNamed(browser->fileList(), "readme.txt")); // no name pattern

        clickItem(browser->fileList(), "a.jpg");
        QVERIFY(!browser->previewBox()->pixmap().isNull());

        clickItem(browser->fileList(), "a.jpg", true);
        settle();
        QCOMPARE(host->loads, std::vector{pictures.file("a.jpg")});
        QVERIFY(browser.isNull());
        QVERIFY(messages.shown.empty());
    }

    void browserRefusesMixedCaseAndStaysOpen() {
        QPointer<Form2View> browser = windows->openBrowser(false);
        clickItem(browser->fileList(), "c.Jpg");
        QTest::mouseClick(browser->okButton(), Qt::LeftButton);
        settle();
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].first, std::string(kBadPictureText));
        QVERIFY(host->loads.empty());
        QVERIFY(!browser.isNull() && browser->isVisible());
        QTest::mouseClick(browser->cancelButton(), Qt::LeftButton);
        settle();
        QVERIFY(browser.isNull());
    }

    void browserFolderTreeAndDriveThatIsNotReady() {
        FakeDrives drives(pictures.root());
        paths.lastDrive = pictures.root();
        auto* browser = new Form2View(*host, paths, messages, drives);
        QTreeWidget* tree = browser->folderTree();
        QCOMPARE(tree->currentItem()->text(0), QString::fromStdString(pictures.root()));
        QTreeWidgetItem* sub = tree->currentItem()->child(0);
        QCOMPARE(sub->text(0), QStringLiteral("sub"));
        emit tree->itemActivated(sub, 0);
        settle();
        QCOMPARE(browser->model().folder(), pictures.root() + "/sub");
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("sub"));

        emit browser->driveList()->activated(1);
        settle();
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(browser->driveList()->currentIndex(), 0);
        QCOMPARE(browser->model().folder(), pictures.root() + "/sub");
        delete browser;
    }

    void galleryCategoriesAndApplyClosingTheBrowser() {
        QPointer<Form6View> gallery = windows->openGallery(true);
        QCOMPARE(gallery->pos(), placedOnScreen(gallery, QPoint(420, 143)));
        QCOMPARE(gallery->applyButton()->text(), QStringLiteral("应用Apply)"));
        QCOMPARE(gallery->quitButton()->text(), QStringLiteral("退出"));
        QVERIFY(itemNamed(gallery->fileList(), "cat.jpg"));

        QTest::mouseClick(gallery->categoryButton(5), Qt::LeftButton); // 风景
        QCOMPARE(gallery->categoryButton(5)->text(), QStringLiteral("风景"));
        QVERIFY(!gallery->categoryButton(5)->isEnabled());
        QVERIFY(gallery->categoryButton(0)->isEnabled());
        QVERIFY(itemNamed(gallery->fileList(), "hill.jpg"));

        QPointer<Form2View> browser = windows->openBrowser(true);
        clickItem(gallery->fileList(), "hill.jpg");
        QVERIFY(!gallery->previewBox()->pixmap().isNull());
        QTest::mouseClick(gallery->applyButton(), Qt::LeftButton);
        settle();
        QCOMPARE(host->loads, std::vector{program.filePath("风景/hill.jpg").toStdString()});
        QVERIFY(browser.isNull());
        QVERIFY(!gallery.isNull());

        QTest::mouseClick(gallery->quitButton(), Qt::LeftButton);
        settle();
        QVERIFY(gallery.isNull());
    }

    void captureOffscreenIsRefusedWithAMessage() {
        QVERIFY(windows->startCapture() == nullptr);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].second, std::string("Korvane"));
        QCOMPARE(host->hides, 0);
        QVERIFY(host->copiedAt.empty());
    }

private:
    PictureFolder pictures;
    QTemporaryDir program;
    std::unique_ptr<FakeSourceHost> host;
    PicturePaths paths;
    RecordingMessages messages;
    std::unique_ptr<SourceWindows> windows;
};

QTEST_MAIN(SourcesViewsTest)
#include "views_test.moc"
