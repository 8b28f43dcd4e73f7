// The first whole road as a new user takes it, through the real windows:
// the start picture, the fabric size, a preview in each reduction mode,
// "生成", the chart window's "生成" and "保存", and "保存效果".

#include <set>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestSupport.h"
#include "app/ProgramWindows.h"
#include "app/views/Form1View.h"

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
            if (w->windowTitle() == "生成我的绣图" && w->isVisible()) return w;
        return nullptr;
    }

private slots:
    void pictureToSavedChart() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QVERIFY(QFile::copy(qEnvironmentVariable("PAV_SOURCE_DIR") + "/assets/logo.dll", "logo.dll"));

        RecordingSink sink;
        pav::image::initDither();
        Form1Model model(sink);
        model.setProgramFolder(dir.path().toStdString());
        {
            Form1View view(model);
            ProgramWindows windows(model, view, sink);
            windows.chartModel().setSaveFolder(dir.path());
            model.setNavigation(&windows);
            view.show();
            model.formLoad();
            QVERIFY(QTest::qWaitForWindowExposed(&view));

            control<QScrollBar>(&view, "wChange")->setValue(150);
            QCOMPARE(control<QLabel>(&view, "Label1")->text(), QString("绣布：宽高150x250"));

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
                    for (int x = 0; x < 150; ++x) colours.insert(model.state().colors.at(x, y));
                QVERIFY2(colours.size() <= most && colours.size() > 1, qPrintable(QString::number(mode)));
            }

            model.ColorBit = 16;
            QTest::mouseClick(control<QPushButton>(&view, "Command4"), Qt::LeftButton);
            QTest::mouseClick(control<QLabel>(&view, "Label2"), Qt::LeftButton);
            QWidget* chart = chartWindow();
            QVERIFY(chart);
            QTest::mouseClick(control<QPushButton>(chart, "Command1"), Qt::LeftButton);
            QTRY_COMPARE(control<QPushButton>(chart, "Command5")->text(), QString("打印"));
            QTest::mouseClick(control<QPushButton>(chart, "Command4"), Qt::LeftButton);
            const QImage sheet(dir.filePath("myxiu001.bmp"));
            QVERIFY(!sheet.isNull());
            QCOMPARE(sheet.width(), 10 * 150 + 83);

            QTest::mouseClick(control<QPushButton>(&view, "Command3"), Qt::LeftButton);
            QVERIFY(QFileInfo::exists(dir.filePath("xiaoguo001.bmp")));

            view.close();  // closing the main window closes the chart window too
            QTRY_VERIFY(!chartWindow());
            model.setNavigation(nullptr);
        }
        QDir::setCurrent(previous);
    }
};

QTEST_MAIN(RoadTest)
#include "Road_qtest.moc"
