// The main window's widgets, clicked as a user would, on the offscreen platform.

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestSupport.h"
#include "app/Form1Model.h"
#include "app/views/Form1View.h"
#include "app/views/MainWidgets.h"

using namespace pav::app;
using namespace pav::app::testing;

class Form1ViewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_previous;
    RecordingSink m_sink;
    RecordingNavigation m_nav;
    std::unique_ptr<Form1Model> m_model;
    std::unique_ptr<Form1View> m_view;

    template <class T>
    T* control(const char* name) {
        T* found = m_view->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QString label4() { return control<QLabel>("Label4")->text(); }

private slots:
    void init() {
        pav::image::initDither();
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        // The start picture: red on the left half, blue on the right.
        QImage logo(240, 200, QImage::Format_RGB32);
        logo.fill(Qt::red);
        for (int y = 0; y < 200; ++y)
            for (int x = 120; x < 240; ++x) logo.setPixel(x, y, qRgb(0, 0, 255));
        QVERIFY(logo.save("logo.dll", "BMP"));
        m_sink.messages.clear();
        m_nav.calls.clear();
        m_model = std::make_unique<Form1Model>(m_sink);
        m_model->setNavigation(&m_nav);
        m_model->setProgramFolder(m_dir.path().toStdString());
        m_view = std::make_unique<Form1View>(*m_model);
        m_view->show();
        m_model->formLoad();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup() {
        m_view.reset();
        m_model.reset();
        QDir::setCurrent(m_previous);
    }

    // Keys as in other desktop programs: Ctrl+O imports a picture, F1 is the manual,
    // Alt and a menu's letter opens that menu.
    void keyboardReachesTheCommands() {
        m_view->activateWindow();
        QTest::keyClick(m_view.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_nav.calls, std::vector<std::string>{"browser"});
        QCOMPARE(control<QAction>("helpManual")->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QCOMPARE(control<QAction>("helpManual")->text(), QString("使用说明"));

        const QList<QAction*> menus = m_view->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        const Qt::Key letters[] = {Qt::Key_F, Qt::Key_S, Qt::Key_H};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(m_view.get(), letters[i], Qt::AltModifier);
            QCOMPARE(m_view->menuBar()->activeAction(), menus[i]);
            QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : m_view.get(),
                            Qt::Key_Escape);
        }
        QCOMPARE(menus[0]->text(), QString("文件")); // the captions stay as they are
    }

    void opensAtItsFixedSizeWithTheCaptions() {
        QCOMPARE(m_view->size(), QSize(600, 462));
        m_view->resize(900, 700);
        QCOMPARE(m_view->size(), QSize(600, 462));
        QCOMPARE(m_view->windowTitle(), QString("Pavlenta"));
        const std::vector<std::pair<const char*, const char*>> buttons = {
            {"Command1", "局部"},     {"Command11", "全图"},     {"Command3", "保存效果"}, {"Command4", "效果预览->"},
            {"Command5", "导入图片"}, {"Command6", "绣图图库"}, {"Command7", "绣图设置"}, {"Command8", "确定"},
            {"Command9", "清除"},
        };
        for (const auto& [name, caption] : buttons) QCOMPARE(control<QPushButton>(name)->text(), QString(caption));
        const std::vector<std::pair<const char*, const char*>> labels = {
            {"Label2", "生成"}, {"Label3", "打印"},     {"Label5", "+"},        {"Label6", "-"},       {"Label7", "A"},
            {"Label9", "编辑"}, {"Label10", "超级减色"}, {"Label11", "还原色彩"}, {"Label12", "超级减色"},
        };
        for (const auto& [name, caption] : labels) QCOMPARE(control<QLabel>(name)->text(), QString(caption));
        QCOMPARE(control<QCheckBox>("Check1")->text(), QString("选中它，就可以通过滚动条直接改变绣图的大小"));
        QStringList menus;
        for (QAction* a : m_view->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{"文件", "设置", "帮助"}));
        QCOMPARE(control<QLabel>("Label1")->text(), QString("绣布：宽高117x250"));
        QCOMPARE(label4(), QString("欢迎使用Pavlenta，动手把你的照片做成十字绣！"));
        QVERIFY(!control<QLineEdit>("Text1")->isVisible());
    }

    void barsAndModeButtonsDriveTheFabric() {
        auto* width = control<QScrollBar>("wChange");
        QCOMPARE(width->value(), 117);
        width->setValue(200);  // as a drag of the thumb would
        QCOMPARE(control<QLabel>("Label1")->text(), QString("绣布：宽高200x250"));
        QCOMPARE(control<QWidget>("Picture2")->width(), 200);

        QTest::mouseClick(control<QPushButton>("Command11"), Qt::LeftButton);
        QCOMPARE(m_model->ifScale, 0);
        QVERIFY(!control<QPushButton>("Command11")->isEnabled());
        QVERIFY(control<QPushButton>("Command1")->isEnabled());
        QCOMPARE(control<QScrollBar>("zoom")->value(), 200);
        QCOMPARE(control<QLabel>("Label1")->text(), QString("绣布：宽高200x167"));
    }

    void previewButtonReducesAndTheLabelsWork() {
        m_model->ColorBit = 16;
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(label4(), QString("减色处理完毕"));
        QVERIFY(QFileInfo::exists("tmppicv.bmp"));
        QTest::mouseClick(control<QLabel>("Label5"), Qt::LeftButton);
        QCOMPARE(m_model->cellSize(), 5);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(control<QLabel>("Label6"), &enter);
        QCOMPARE(label4(), QString("只要10种颜色就可以绣出真彩般的照片效果，大大节约绣线。这就是Korvane的神奇科技!"));
        QTest::mouseClick(control<QLabel>("Label2"), Qt::LeftButton);
        QCOMPARE(m_nav.calls, (std::vector<std::string>{"chart"}));
        QTest::mouseClick(control<QLabel>("Label3"), Qt::LeftButton);  // no new preview since
        QCOMPARE(m_sink.messages.size(), size_t(1));
    }

    void draggingTheFabricPansTheSource() {
        auto* fabric = m_view->fabricBox();
        QTest::mousePress(fabric, Qt::LeftButton, {}, QPoint(100, 50));
        QTest::mouseRelease(fabric, Qt::LeftButton, {}, QPoint(40, 50));
        QCOMPARE(m_model->moveX1, 30);
        QCOMPARE(fabric->picture4Origin(), QPoint(-30, 0));
        // The fabric now starts at column 30 of the picture: still red, blue from column 90.
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(m_model->stitchColours().at(89, 0), rgb(255, 0, 0));
        QCOMPARE(m_model->stitchColours().at(90, 0), rgb(0, 0, 255));
    }

    void textToolStampsWhereThePointerPresses() {
        QTest::mouseClick(control<QLabel>("Label7"), Qt::LeftButton);
        auto* text1 = control<QLineEdit>("Text1");
        QVERIFY(text1->isVisible());
        QTest::mouseClick(text1, Qt::LeftButton);
        QCOMPARE(text1->text(), QString());
        QTest::keyClicks(text1, "XY");
        QTest::mouseClick(control<QPushButton>("Command8"), Qt::LeftButton);
        QVERIFY(!text1->isVisible());
        auto* fabric = m_view->fabricBox();
        QTest::mouseMove(fabric, QPoint(80, 60));
        QVERIFY(fabric->label8()->isVisible());
        QCOMPARE(fabric->label8()->geometry().bottomRight() + QPoint(1, 1), QPoint(80, 60));
        QTest::mouseClick(fabric, Qt::LeftButton, {}, QPoint(80, 60));
        QVERIFY(!fabric->label8()->isVisible());
        bool black = false;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) black = black || m_model->stitchColours().at(x, y) == 0;
        QVERIFY(black);
    }

    void menusOpenTheOtherWindows() {
        QMenu* file = m_view->menuBar()->actions().at(0)->menu();
        QMenu* settings = m_view->menuBar()->actions().at(1)->menu();
        file->findChild<QAction*>("fop1")->trigger();
        settings->findChild<QAction*>("fset4")->trigger();
        settings->findChild<QAction*>("fset1")->trigger();
        QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
        QAction* openChart = file->findChild<QAction*>("openChartFile");
        QCOMPARE(openChart->text(), QStringLiteral("打开绣图文件..."));
        openChart->trigger();
        file->findChild<QAction*>("fop6")->trigger();
        QCOMPARE(m_nav.calls, (std::vector<std::string>{"browser", "gallery", "settings", "gallery beside",
                                                         "chart file", "close others"}));
        QVERIFY(!m_view->isVisible());
    }
};

QTEST_MAIN(Form1ViewTest)
#include "Form1View_qtest.moc"
