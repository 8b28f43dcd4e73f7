// The roads a user takes through the real windows: the start picture, the fabric
// size, a preview in each reduction mode, "生成", the chart window's "生成" and
// "保存", and "保存效果"; the settings dialog's choices on the next sheet; and
// the main window and the chart window acting on each other during a generation.
// The test runs in Chinese, and with PAV_TEST_LANG=en in English, where no window
// may show a Chinese text but the language menu's own name for Chinese.

#include <algorithm>
#include <memory>
#include <set>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AppTestSupport.h"
#include "ShownTexts.h"
#include "app/MainTexts.h"
#include "base/UiText.h"
#include "chart/window/ChartWindowTexts.h"
#include "program/ProgramWindows.h"
#include "app/views/Form1View.h"
#include "app/views/LanguageMemory.h"

using namespace pav::app;
using namespace pav::app::testing;

class RoadTest : public QObject {
    Q_OBJECT

    template <class T>
    static T* control(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    static QWidget* chartWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowTitle() == pav::uiText(pav::chart::texts::kWindowTitle) && w->isVisible()) return w;
        return nullptr;
    }

    static QWidget* settingsDialog() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == pav::uiText("Pavlenta       -Korvane inc.") && w->findChild<QComboBox*>("Combo4"))
                return w;
        return nullptr;
    }

    // The program as main.cpp builds it, over a scratch folder holding the start picture.
    struct Program {
        QTemporaryDir dir;
        QString previous = QDir::currentPath();
        RecordingSink sink;
        Form1Model model{sink};
        std::unique_ptr<Form1View> view;
        std::unique_ptr<ProgramWindows> windows;

        Program() {
            QDir::setCurrent(dir.path());
            QFile::copy(qEnvironmentVariable("PAV_SOURCE_DIR") + "/assets/logo.dll", "logo.dll");
            pav::image::initDither();
            model.setProgramFolder(dir.path().toStdString());
            view = std::make_unique<Form1View>(model);
            windows = std::make_unique<ProgramWindows>(model, *view, sink);
            windows->chartModel().setSaveFolder(dir.path());
            model.setNavigation(windows.get());
            view->show();
            model.formLoad();
        }
        ~Program() {
            model.setNavigation(nullptr);
            windows.reset();
            view.reset();
            QDir::setCurrent(previous);
        }
        // "效果预览->" then "生成": the chart window, shown.
        QWidget* openChartWindow() {
            QTest::mouseClick(control<QPushButton>(view.get(), "Command4"), Qt::LeftButton);
            QTest::mouseClick(control<QLabel>(view.get(), "Label2"), Qt::LeftButton);
            return chartWindow();
        }
    };

    static bool english() { return qEnvironmentVariable("PAV_TEST_LANG") == "en"; }

    // The texts of every visible window that are Chinese, but the language menu's names.
    static QStringList chineseTexts() {
        QStringList found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            for (const auto& [owner, text] : shownTexts(window))
                if (hasChinese(text) && text != texts::kMenuLanguage && text != texts::kLanguageChinese)
                    found << owner + ": " + text;
        }
        return found;
    }

    // Opens every window of the program: the chart window with a finished sheet, the settings
    // dialog, the About box, the picture browser, the gallery and the colour editor.
    static void openEveryWindow(Program& program) {
        program.model.ColorBit = 16;
        QWidget* chart = program.openChartWindow();
        QVERIFY(chart);
        QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
        QTRY_COMPARE(QString::fromStdString(program.windows->chartModel().command5Caption()), QString("打印"));
        program.windows->showSettings();
        program.windows->showAbout();
        QTest::mouseClick(control<QLabel>(program.view.get(), "Label9"), Qt::LeftButton);
        program.windows->showBrowser(false);
        program.windows->showGallery(false);
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) shown << window->metaObject()->className();
        QVERIFY2(shown.size() == 7, qPrintable(shown.join(", ")));
    }

private slots:
    void initTestCase() {
        // The language the menu chooses is kept in the settings of a test user, not the real one.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Pavlenta"), QStringLiteral("Pavlenta")).clear();
        if (english()) QVERIFY(pav::setUiLanguage(pav::UiLanguage::English));
    }

    // Every window, a chart generated, speaks the chosen language; so do the messages.
    void everyWindowSpeaksTheLanguage() {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
        openEveryWindow(program);
        program.windows->chartModel().setThresholdText("x"); // "输入有错误,只能是数字"
        QStringList said;
        for (const auto& m : program.sink.messages) said << QString::fromStdString(m.text);
        QVERIFY2(said == QStringList{QString(pav::chart::texts::kThresholdError)}, qPrintable(said.join(", ")));
        if (!english()) {
            QCOMPARE(control<QPushButton>(program.view.get(), "Command5")->text(), QString("导入图片"));
            QVERIFY(!chineseTexts().isEmpty());
            return;
        }
        const QStringList left = chineseTexts();
        QVERIFY2(left.isEmpty(), qPrintable(left.join("\n")));
        for (const auto& message : program.sink.messages)
            QVERIFY(!hasChinese(pav::uiText(message.text)) && !hasChinese(pav::uiText(message.title)));
        QCOMPARE(control<QPushButton>(program.view.get(), "Command5")->text(), QString("Open picture"));
    }

    // The menu "Language / 语言" turns every open window into the other language and back.
    void languageMenuSwitchesOpenWindows() {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
        openEveryWindow(program);
        const auto choose = [&](const char* action) { control<QAction>(program.view.get(), action)->trigger(); };
        choose("languageEn");
        QCOMPARE(pav::uiLanguage(), pav::UiLanguage::English);
        QCOMPARE(pav::app::rememberedLanguage(), std::optional(pav::UiLanguage::English)); // for the next start
        const QStringList left = chineseTexts();
        QVERIFY2(left.isEmpty(), qPrintable(left.join("\n")));
        QCOMPARE(control<QLineEdit>(program.view.get(), "Text1")->text(), QString("Type your text here"));
        // Nothing is cut off: the style list shows its longest item whole.
        auto* style = control<QComboBox>(chartWindow(), "Combo1");
        for (int i = 0; i < style->count(); ++i)
            QTRY_VERIFY2(style->width() >= style->fontMetrics().horizontalAdvance(style->itemText(i)) + 20,
                         qPrintable(style->itemText(i) + " in " + QString::number(style->width())));
        QCOMPARE(pav::uiText("星座"), QString("Constellations")); // Orion, Cassiopeia, the Big Dipper
        QVERIFY(control<QAction>(program.view.get(), "languageEn")->isChecked());

        choose("languageZh");
        QCOMPARE(pav::app::rememberedLanguage(), std::optional(pav::UiLanguage::Chinese));
        QVERIFY(chartWindow());
        QCOMPARE(control<QPushButton>(chartWindow(), "Command5")->text(), QString("打印"));
        QCOMPARE(control<QComboBox>(chartWindow(), "Combo1")->currentText(), QString("无色块绣图"));
        QCOMPARE(control<QLabel>(program.view.get(), "Label4")->text(), QString::fromStdString(program.model.label4()));
        if (english()) choose("languageEn");
    }
    // A new user's first road: the bundled start picture, no settings touched,
    // "效果预览->", "生成", and the chart window's "生成" gives a finished sheet.
    void startPictureChartsWithoutSettings() {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
        QCOMPARE(program.model.ColorBit, 0);
        QWidget* chart = program.openChartWindow();
        QVERIFY(chart);
        QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
        QTRY_COMPARE(control<QPushButton>(chart, "Command5")->text(), pav::uiText("打印"));
        QVERIFY(program.sink.messages.empty());
        const std::size_t listed = program.windows->chartModel().chart().legend().size();
        QVERIFY(listed > 5);
        QVERIFY(listed < 30);
    }

    void pictureToSavedChart() {
        Program program;
        Form1Model& model = program.model;
        Form1View& view = *program.view;
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        control<QScrollBar>(&view, "wChange")->setValue(150);
        QCOMPARE(control<QLabel>(&view, "Label1")->text(), pav::uiText("绣布：宽高") + "150x250");

        // Every mode previews, and each leaves at most its own number of colours.
        const std::vector<std::pair<int, size_t>> modes = {{1, 2}, {2, 4}, {3, 8}, {4, 16}, {8, 256}, {16, 216}, {99, 10}};
        for (const auto& [mode, most] : modes) {
            QTest::mouseClick(control<QPushButton>(&view, "Command4"), Qt::LeftButton);  // fresh stitches
            model.label11Click();
            model.ColorBit = mode;
            model.rdColorNum = 10;
            QTest::mouseClick(control<QPushButton>(&view, "Command4"), Qt::LeftButton);
            std::set<std::int32_t> colours;
            for (int y = 0; y < 250; ++y)
                for (int x = 0; x < 150; ++x) colours.insert(model.stitchColours().at(x, y));
            QVERIFY2(colours.size() <= most && colours.size() > 1, qPrintable(QString::number(mode)));
        }

        model.ColorBit = 16;
        QWidget* chart = program.openChartWindow();
        QVERIFY(chart);
        QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
        QTRY_COMPARE(control<QPushButton>(chart, "Command5")->text(), pav::uiText("打印"));
        QTest::mouseClick(control<QPushButton>(chart, "Command4"), Qt::LeftButton);
        const QImage sheet(program.dir.filePath("myxiu001.bmp"));
        QVERIFY(!sheet.isNull());
        QCOMPARE(sheet.width(), 10 * 150 + 83);

        QTest::mouseClick(control<QPushButton>(&view, "Command3"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(program.dir.filePath("xiaoguo001.bmp")));

        view.close();  // closing the main window closes the chart window too
        QTRY_VERIFY(!chartWindow());
    }

    // What the settings dialog applies reaches the next chart: its name, its range and the thread count.
    void settingsReachTheChart() {
        struct Case {
            QString name, range, mode, forced;
            int mostThreads;
            QString bestThreads = "不使用", match = "RGB";
        };
        // The best threads take the place of the grey mode; the chart matches them by CIEDE2000.
        const std::vector<Case> cases = {{"MyRose", "DMC", "高分辨彩色图", pav::uiText("不使用"), 216},
                                         {"Twelve", "CC", "高分辨彩色图", "12" + pav::uiText("色"), 12},
                                         {"Smart", "DMC", "高清黑白图片", pav::uiText("不使用"), 20, "20", "感知(CIEDE2000)"}};
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
        for (const Case& c : cases) {
            QTest::mouseClick(control<QPushButton>(program.view.get(), "Command7"), Qt::LeftButton);
            QWidget* dialog = settingsDialog();
            QVERIFY(dialog);
            control<QLineEdit>(dialog, "Text1")->setText(c.name);
            control<QComboBox>(dialog, "Combo1")->setEditText(c.range);
            control<QComboBox>(dialog, "Combo3")->setEditText(pav::uiText(c.mode.toStdString()));
            control<QComboBox>(dialog, "Combo4")->setEditText(c.forced);
            control<QComboBox>(dialog, "Combo5")->setEditText(pav::uiText(c.bestThreads.toStdString()));
            control<QComboBox>(dialog, "Combo8")->setEditText(pav::uiText(c.match.toStdString()));
            QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
            QTRY_VERIFY(!settingsDialog());

            QWidget* chart = program.openChartWindow();
            QVERIFY(chart);
            QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
            QTRY_COMPARE(control<QPushButton>(chart, "Command5")->text(), pav::uiText("打印"));
            pav::chart::Form7Model& sheet = program.windows->chartModel();
            QCOMPARE(QString::fromStdString(sheet.xiutuTitle()), c.name);
            QCOMPARE(QString::fromStdString(sheet.whichType()), c.range);
            const int threads = static_cast<int>(sheet.chart().legend().size());
            QVERIFY2(threads > 1 && threads <= c.mostThreads, qPrintable(c.name + " " + QString::number(threads)));
            QCOMPARE(program.model.fitCriterion() == pav::colour::FitCriterion::Ciede2000, c.match != "RGB");
            QLabel* quality = control<QLabel>(chart, "Quality");
            QVERIFY(quality->isVisible());
            QCOMPARE(quality->text(), QString::fromStdString(sheet.qualityText()));
            QVERIFY2(quality->text().endsWith("%"), qPrintable(quality->text()));
        }
    }

    // Closing the chart window, or the main window, while the chart window generates stops the
    // generation at its next check, gives the main window its controls back and leaves no window.
    void closingWhileGenerating() {
        for (const bool closeMain : {false, true}) {
            Program program;
            QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
            control<QScrollBar>(program.view.get(), "wChange")->setValue(230);
            QWidget* chart = program.openChartWindow();
            QVERIFY(chart);
            QPointer<QWidget> watched = chart;
            // Runs at the generation's first turn of the event loop.
            QTimer::singleShot(0, [&] {
                if (closeMain)
                    program.view->close();
                else
                    chart->close();
            });
            QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(program.windows->chartModel().command5Caption()), QString("中止"));
            QTRY_VERIFY(!watched);
            QVERIFY(program.model.mainControlsEnabled());
            QVERIFY(control<QScrollBar>(program.view.get(), "wChange")->isEnabled());
            QCOMPARE(program.view->isVisible(), !closeMain);
        }
    }

    // "编辑" or "生成" pressed in the main window during a generation leave the chart alone: it counts
    // the same threads as one generated undisturbed, and no other window opens on top of it.
    void mainCommandsWaitForTheGeneration() {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.view.get()));
        control<QScrollBar>(program.view.get(), "wChange")->setValue(230);
        program.model.ColorBit = 16;
        program.model.autoColor = 1;
        QWidget* chart = program.openChartWindow();
        QVERIFY(chart);
        pav::chart::Form7Model& sheet = program.windows->chartModel();
        QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
        const int undisturbed = static_cast<int>(sheet.chart().legend().size());
        QTest::mouseClick(control<QPushButton>(program.view.get(), "Command4"), Qt::LeftButton);

        for (const char* label : {"Label9", "Label2"}) {
            bool enabledInside = true;
            QTimer::singleShot(0, [&] {
                enabledInside = control<QLabel>(program.view.get(), label)->isEnabled();
                QTest::mouseClick(control<QLabel>(program.view.get(), label), Qt::LeftButton);
            });
            QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
            QCOMPARE(QString::fromStdString(sheet.command5Caption()), QString("打印"));
            QCOMPARE(static_cast<int>(sheet.chart().legend().size()), undisturbed);
            QVERIFY2(!enabledInside, label);
            QVERIFY(control<QLabel>(program.view.get(), label)->isEnabled());
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 2);
        QVERIFY(program.sink.messages.empty());
    }
};

QTEST_MAIN(RoadTest)
#include "Road_qtest.moc"
