// The chart window's widgets, clicked offscreen: captions, generation, abort,
// the threshold box, panning and saving.

#include "ChartFakes.h"

#include "chart/window/Form7View.h"
#include "chart/window/PrintDialog.h"
#include "palette/ThreadPalette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QWheelEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pav;
using namespace pav::chart;
using namespace pav::chart::test;

class Form7ViewTest : public QObject {
    Q_OBJECT

    FakeHost m_host;
    RecordingSink m_sink;
    std::unique_ptr<Form7Model> m_model;
    std::unique_ptr<Form7View> m_view;
    std::int64_t m_clock = 1000; // the model's milliseconds

    template <typename Widget> Widget* child(const char* name) {
        auto* widget = m_view->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }
    static QStringList items(QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        return texts;
    }

private slots:
    void init() {
        m_host = FakeHost{};
        m_host.width = 90;
        m_host.height = 70;
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 90; ++x)
                m_host.stitches.at(x, y) =
                    palette::dmcThreads()[static_cast<std::size_t>((x / 6 + y / 7) % 9 * 11)].color;
        m_sink.messages.clear();
        m_model = std::make_unique<Form7Model>(m_host, m_sink);
        m_model->setClock([this] { return m_clock; });
        m_view = std::make_unique<Form7View>(*m_model);
        m_view->resize(700, 500);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup() {
        m_view.reset();
        m_model.reset();
    }

    void controlsCarryTheirCaptionsAndItems() {
        QCOMPARE(items(child<QComboBox>("Combo1")),
                 QStringList({"生成绣图色块", "无色块绣图", "仅生成色块"}));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString("无色块绣图"));
        auto* combo2 = child<QComboBox>("Combo2");
        QVERIFY(combo2->isEditable());
        QCOMPARE(items(combo2), QStringList({"0", "5", "10", "15", "20", "25", "35", "40", "45", "50"}));
        QCOMPARE(combo2->currentText(), QString("20"));
        QCOMPARE(child<QLabel>("Label2")->text(), QString("可忽略颜色出现次数"));
        QCOMPARE(child<QCheckBox>("Check1")->text(), QString("显示全部色块"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QString("生成"));
        QCOMPARE(child<QPushButton>("Command5")->text(), QString("中止"));
        QCOMPARE(child<QPushButton>("Command4")->text(), QString("保存"));
        QCOMPARE(child<QLabel>("Label1")->text(), QString("准备开始生成绣图,请等待约10秒 ..."));
        QVERIFY(child<QLabel>("Label1")->isVisible());
        QCOMPARE(child<QWidget>("Picture3")->size(), m_model->canvas().size());
    }

    void generateThenPanAndSaveTheWholeSheet() {
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(child<QPushButton>("Command5")->text(), QString("打印"));
        QVERIFY(!child<QLabel>("Label1")->isVisible());
        QVERIFY(child<QPushButton>("Command1")->isEnabled());
        QCOMPARE(m_host.enabledCalls, (std::vector<bool>{false, true}));

        auto* canvas = child<QWidget>("Picture3");
        auto* viewport = child<QWidget>("Picture2");
        auto* h = child<QScrollBar>("Hchange");
        auto* v = child<QScrollBar>("Vchange");
        QCOMPARE(canvas->size(), QSize(10 * 90 + 83, m_model->canvas().height()));
        QCOMPARE(h->maximum(), canvas->width() - viewport->width());
        QCOMPARE(v->maximum(), canvas->height() - viewport->height());
        h->setValue(h->maximum());
        v->setValue(v->maximum());
        QCOMPARE(canvas->pos(), QPoint(-h->maximum(), -v->maximum()));

        QTemporaryDir folder;
        m_model->setSaveFolder(folder.path());
        QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
        const QImage saved(folder.filePath("myxiu001.bmp"), "BMP");
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), m_model->canvas());
        QCOMPARE(m_sink.messages.back().title, std::string("Korvane,make life fun!"));

        // Ctrl+S saves as "保存" does.
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        QTest::keyClick(m_view.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo(folder.filePath("myxiu002.bmp")).isFile());
    }

    void abortClickDuringTheJobEndsIt() {
        // The click waits in the event queue until the job first lets events run.
        QTimer::singleShot(0, child<QPushButton>("Command5"), &QPushButton::click);
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!m_model->genRunning());
        QCOMPARE(child<QPushButton>("Command5")->text(), QString("中止"));
        QVERIFY(child<QPushButton>("Command1")->isEnabled());
        QVERIFY(child<QPushButton>("Command4")->isEnabled());
        QCOMPARE(m_host.enabledCalls, (std::vector<bool>{false, true}));
    }

    void closingTheWindowStopsTheJob() {
        QTimer::singleShot(0, m_view.get(), &QWidget::close);
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!m_model->genRunning());
        QCOMPARE(m_model->command5Caption(), std::string("中止"));
    }

    void aWindowThatDeletesItselfOnCloseOutlivesTheJob() {
        auto* window = new Form7View(*m_model);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QPointer<Form7View> alive(window);
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        // A job that goes on letting events run after the window was closed under it.
        bool diedDuringJob = false;
        m_model->setPrintHandler([&] {
            QTimer::singleShot(0, window, &QWidget::close);
            for (int i = 0; i < 5 && alive; ++i) {
                QTest::qSleep(20);
                window->events().letEventsRun();
            }
            diedDuringJob = !alive;
        });
        m_clock += Form7Model::kCommand5SettleMs;
        QTest::mouseClick(window->findChild<QPushButton*>("Command5"), Qt::LeftButton);
        QVERIFY(!diedDuringJob);
        QVERIFY(alive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
    }

    // Printing asks first: a cancelled print dialog prints nothing and leaves the window as it was.
    // With no printer at all, a message says so before any dialog.
    void printingOpensThePrintDialogFirst() {
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        print::PrintJob job(*m_model, m_sink);
        job.setEvents(&m_view->events());
        bool asked = false;
        QString title;
        // The timers' context: a timer that has not fired by the return goes with it,
        // rather than firing in a later test onto this frame's variables.
        QObject scope;
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QTimer::singleShot(0, &scope, [&] {
                asked = QApplication::activeModalWidget() != nullptr;
                if (asked) QApplication::activeModalWidget()->close();
            });
            QCOMPARE(print::printFromDialog(m_view.get(), job), std::optional(print::PrintOutcome::Failed));
            QVERIFY(!asked);
            QCOMPARE(m_sink.messages.size(), std::size_t(1));
            QCOMPARE(m_sink.messages[0].text, std::string(texts::kNoPrinterText));
            QVERIFY(!m_model->printing());
            return;
        }
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            asked = dialog != nullptr;
            if (dialog) title = dialog->windowTitle();
            if (dialog) dialog->reject();
            else if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
        });
        const std::optional<print::PrintOutcome> outcome = print::printFromDialog(m_view.get(), job);
        QVERIFY(asked);
        QCOMPARE(title, pav::uiText(texts::kPrintCaption)); // "Print" in English
        QVERIFY(!outcome);
        QCOMPARE(m_model->command5Caption(), std::string("打印"));
        QVERIFY(!m_model->printing());
        QVERIFY(m_sink.messages.empty());
        QCOMPARE(m_host.enabledCalls, (std::vector<bool>{false, true}));
    }

    // "导出PDF" and "分页图样..." need a completed chart, and no second job may start while one
    // runs; "保存" stays available during a print.
    void exportButtonFollowsTheChartAndTheRunningJob() {
        auto* exportPdf = child<QPushButton>("ExportPdf");
        QCOMPARE(exportPdf->text(), QStringLiteral("导出PDF"));
        auto* pattern = child<QPushButton>("Pattern");
        QCOMPARE(pattern->text(), QStringLiteral("分页图样..."));
        int exports = 0, patterns = 0;
        m_view->setPrintJobHooks([&] { ++exports; }, [] { return false; }, [&] { ++patterns; });
        QVERIFY(!exportPdf->isEnabled());
        QVERIFY(!pattern->isEnabled());
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(exportPdf->isEnabled());
        QTest::mouseClick(exportPdf, Qt::LeftButton);
        QTest::mouseClick(pattern, Qt::LeftButton);
        QCOMPARE(exports, 1);
        QCOMPARE(patterns, 1);
        m_model->setPrinting(true);
        QVERIFY(!exportPdf->isEnabled());
        QVERIFY(!pattern->isEnabled());
        QVERIFY(!child<QPushButton>("Command5")->isEnabled());
        QVERIFY(!child<QPushButton>("Command1")->isEnabled());
        QVERIFY(child<QPushButton>("Command4")->isEnabled());
        m_model->setPrinting(false);
        QVERIFY(exportPdf->isEnabled());
        QVERIFY(child<QPushButton>("Command5")->isEnabled());
        QVERIFY(child<QPushButton>("Command1")->isEnabled());
    }

    // The wheel over the chart scrolls it down and up; with Shift, sideways.
    void wheelScrollsTheCanvas() {
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        auto* canvas = child<QWidget>("Picture3");
        auto* h = child<QScrollBar>("Hchange");
        auto* v = child<QScrollBar>("Vchange");
        QVERIFY(h->maximum() > 100 && v->maximum() > 100);
        const auto wheel = [&](int angle, Qt::KeyboardModifiers modifiers) {
            const QPointF at(20, 20);
            QWheelEvent event(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, modifiers,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas, &event);
        };
        const int notch = QApplication::wheelScrollLines() * v->singleStep();
        wheel(-120, Qt::NoModifier);
        QCOMPARE(v->value(), notch);
        QCOMPARE(h->value(), 0);
        QCOMPARE(canvas->pos(), QPoint(0, -notch));
        wheel(120, Qt::NoModifier);
        QCOMPARE(v->value(), 0);
        wheel(-240, Qt::ShiftModifier);
        QCOMPARE(h->value(), 2 * notch);
        QCOMPARE(v->value(), 0);
        QCOMPARE(canvas->pos(), QPoint(-2 * notch, 0));
    }

    // Typing is checked when editing ends: an emptied box or a half-typed number
    // is no error; a text that is not a number gives the message and "0".
    void thresholdBoxChecksWhenEditingEnds() {
        auto* combo2 = child<QComboBox>("Combo2");
        QVERIFY(combo2->width() >= combo2->fontMetrics().horizontalAdvance(QStringLiteral("999")) + 16);
        QLineEdit* edit = combo2->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "30");
        QCOMPARE(combo2->currentText(), QString("30"));
        QVERIFY(m_sink.messages.empty());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_model->thresholdText(), std::string("30"));
        QVERIFY(m_sink.messages.empty());
        QCOMPARE(items(combo2).size(), 10); // a typed value is not added to the list

        for (const char* typed : {"abc", ""}) {
            m_sink.messages.clear();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, typed);
            QVERIFY(m_sink.messages.empty());
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(combo2->currentText(), QString("0"));
            QCOMPARE(m_sink.messages.size(), std::size_t(1));
            QCOMPARE(m_sink.messages[0].text, std::string("输入有错误,只能是数字"));
            QCOMPARE(m_sink.messages[0].title, std::string("Korvane"));
        }

        m_sink.messages.clear();
        combo2->setCurrentIndex(5);
        emit combo2->textActivated(combo2->currentText());
        QCOMPARE(m_model->thresholdText(), std::string("25"));
        QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
        QCOMPARE(combo2->currentText(), QString("0"));
        QVERIFY(m_sink.messages.empty());
    }

    void styleListDrivesTheModel() {
        child<QComboBox>("Combo1")->setCurrentIndex(2);
        QCOMPARE(m_model->style(), ChartStyle::BlocksOnly);
    }
};

QTEST_MAIN(Form7ViewTest)
#include "form7_view_test.moc"
