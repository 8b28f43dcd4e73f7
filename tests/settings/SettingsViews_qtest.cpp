// Clicks the real settings dialog and About box offscreen.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "settings/Form3View.h"
#include "settings/Form4View.h"

using namespace pav::settings;

namespace {

struct RecordingSink : pav::MessageSink {
    QStringList messages;
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon) override {
        messages << QString::fromStdString(title + "|" + text);
    }
};

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class SettingsViewsTest : public QObject {
    Q_OBJECT

    std::int32_t m_colorBit = 4;
    std::int32_t m_autoColor = 0;
    std::int32_t m_rdColorNum = 42;
    std::string m_title = "old";
    std::string m_range = "old";
    pav::chart::ColourChoice m_colours;
    Text1ClickMemory m_clicks;
    RecordingSink m_sink;
    std::unique_ptr<Form3Model> m_model;
    std::unique_ptr<Form3View> m_view;

    template <typename W> W* child(const char* name) {
        W* widget = m_view->findChild<W*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget %s", name);
        return widget;
    }
    QComboBox* combo(int n) {
        return child<QComboBox>(QByteArray("Combo" + QByteArray::number(n)).constData());
    }
    // Latin letters come as key presses, Chinese ones as the input method's commit.
    void type(QComboBox* box, const QString& latin, const QString& committed = {}) {
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), latin);
        if (committed.isEmpty()) return;
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QCoreApplication::sendEvent(box->lineEdit(), &commit);
    }
    void clickOk() { QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton); }

private slots:
    void init() {
        // Black and white in effect, no title: the dialog opens on the texts of a first opening.
        m_colorBit = 4;
        m_autoColor = 0;
        m_rdColorNum = 42;
        m_title = "";
        m_range = "DMC";
        m_colours = {};
        m_sink.messages.clear();
        m_model = std::make_unique<Form3Model>(
            ChartSettingsTarget{m_colorBit, m_autoColor, m_rdColorNum, m_title, m_range, m_colours}, m_clicks,
            m_sink);
        m_view = std::make_unique<Form3View>(*m_model);
        m_view->showSettings();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }
    void cleanup() {
        m_view.reset();
        m_model.reset();
    }

    void showsItsTextsExactly() {
        QCOMPARE(m_view->windowTitle(), QString("Pavlenta       -Korvane inc."));
        QCOMPARE(child<QLabel>("Label1")->text(), QString("设置生成绣图的属性："));
        QCOMPARE(child<QLabel>("Label2")->text(), QString("绣线类别："));
        QCOMPARE(child<QLabel>("Label3")->text(), QString("绣图名称："));
        QCOMPARE(child<QLabel>("Label4")->text(), QString("自动减色功能："));
        QCOMPARE(child<QLabel>("Label5")->text(), QString("减色方法："));
        QCOMPARE(child<QLabel>("Label6")->text(), QString("强制减色："));
        QCOMPARE(child<QPushButton>("Command1")->text(), QString("确定"));
        QCOMPARE(child<QPushButton>("Command2")->text(), QString("取消"));
        QCOMPARE(itemsOf(combo(1)), QStringList({"DMC", "CC", "DMC 全色", "Anchor", "Madeira"}));
        QCOMPARE(itemsOf(combo(2)), QStringList({"是", "否"}));
        QCOMPARE(itemsOf(combo(3)),
                 QStringList({"灰度图片", "低分辨彩色图", "高清黑白图片", "高分辨彩色图", "不做减色处理"}));
        QCOMPARE(combo(4)->count(), 58);
        QCOMPARE(combo(4)->itemText(57), QString("60色"));
        QCOMPARE(combo(1)->currentText(), QString("DMC"));
        QCOMPARE(combo(2)->currentText(), QString("是"));
        QCOMPARE(combo(3)->currentText(), QString("高清黑白图片"));
        QCOMPARE(combo(4)->currentText(), QString("不使用"));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString("给你的绣图起个名字"));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(combo(n)->isEditable());
        QVERIFY(!m_view->isModal());
    }

    void typedModeAndChosenItemsAreApplied() {
        type(combo(3), "8bit");
        combo(2)->setCurrentIndex(1); // 否
        combo(1)->setCurrentIndex(1); // CC
        clickOk();
        QCOMPARE(m_colorBit, 8);
        QCOMPARE(m_autoColor, 1);
        QCOMPARE(m_range, std::string("CC"));
        QCOMPARE(m_title, std::string()); // the hint is no title
        QVERIFY(!m_view->isVisible());
    }

    void forcedReductionWarnsAndCloses() {
        combo(4)->setCurrentIndex(57); // 60色
        clickOk();
        QCOMPARE(m_colorBit, 99);
        QCOMPARE(m_rdColorNum, 60);
        QCOMPARE(m_sink.messages,
                 QStringList({"Korvane inc.|  注意：强制减色功能还在测试完善中，请期待...   "}));
        QVERIFY(!m_view->isVisible());
    }

    void letterBeforeSuffixKeepsTheDialogOpen() {
        type(combo(4), "a", "色");
        clickOk();
        QCOMPARE(m_colorBit, 8);
        QCOMPARE(m_rdColorNum, 42);
        QVERIFY(m_view->isVisible());
        QCOMPARE(combo(4)->lineEdit()->selectedText(), QString("a色"));
        QCOMPARE(m_sink.messages, QStringList({"Korvane inc.|  强制减色的颜色数不是有效的数字，请重新输入。  "}));
    }

    void colourControlsSitBelowAndApply() {
        QCOMPARE(child<QLabel>("Label7")->text(), QString("智能配色："));
        QCOMPARE(child<QLabel>("Label8")->text(), QString("抖动："));
        QCOMPARE(child<QLabel>("Label9")->text(), QString("清除孤立针："));
        QCOMPARE(child<QLabel>("Label10")->text(), QString("匹配方法："));
        QCOMPARE(combo(5)->currentText(), QString("不使用"));
        QCOMPARE(combo(6)->currentText(), QString("无"));
        QCOMPARE(combo(7)->currentText(), QString("轻"));
        QCOMPARE(combo(8)->currentText(), QString("RGB"));
        QCOMPARE(itemsOf(combo(8)), QStringList({"RGB", "感知(CIEDE2000)"}));
        for (int n = 5; n <= 8; ++n) {
            QVERIFY(combo(n)->isEditable());
            QVERIFY(combo(n)->y() > combo(4)->y());
        }
        QVERIFY(child<QPushButton>("Command1")->y() > combo(8)->y());
        auto* specialty = child<QCheckBox>("Check1");
        QCOMPARE(specialty->text(), QString("允许特殊绣线（金属、夜光、段染）"));
        QVERIFY(!specialty->isChecked());
        QVERIFY(specialty->y() > combo(8)->y() && specialty->y() < child<QPushButton>("Command1")->y());
        specialty->setChecked(true);
        combo(1)->setCurrentIndex(3); // Anchor

        type(combo(5), "30");
        combo(6)->setCurrentIndex(1); // Floyd-Steinberg
        combo(7)->setCurrentIndex(2); // 强
        combo(8)->setCurrentIndex(1); // 感知(CIEDE2000)
        clickOk();
        QVERIFY(!m_view->isVisible());
        QCOMPARE(m_colours.bestThreads, 30);
        QVERIFY(m_colours.dither == pav::colour::Dither::FloydSteinberg);
        QVERIFY(m_colours.cleanup == pav::colour::Cleanup::Strong);
        QVERIFY(m_colours.criterion == pav::colour::FitCriterion::Ciede2000);
        QCOMPARE(m_colorBit, 4);
        QVERIFY(m_colours.allowSpecialty);
        QCOMPARE(QString::fromStdString(m_colours.threadRange), QString("Anchor"));
    }

    void badThreadCountShowsItsMessageAndPointsAtIt() {
        type(combo(5), "150");
        clickOk();
        QVERIFY(m_view->isVisible());
        QCOMPARE(m_sink.messages, QStringList({"Korvane inc.|  输入有错误：智能配色只能是“不使用”或2到100的数字  "}));
        QCOMPARE(combo(5)->lineEdit()->selectedText(), QString("150"));
        QCOMPARE(m_colorBit, 4);
        QCOMPARE(m_colours.bestThreads, 0);
    }

    void cancelAndEscapeChangeNothing() {
        type(combo(3), "1bit");
        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!m_view->isVisible());
        m_view->showSettings();
        QCOMPARE(combo(3)->currentText(), QString("高清黑白图片")); // reopened on the settings in effect
        type(combo(3), "1bit");
        QTest::keyClick(m_view.get(), Qt::Key_Escape);
        QVERIFY(!m_view->isVisible());
        QCOMPARE(m_colorBit, 4);
        QCOMPARE(m_title, std::string());
    }

    // The click memory lives for the whole test run, like the program's: only this test clicks Text1.
    void text1FirstClickOfTheRunClears() {
        QLineEdit* text1 = child<QLineEdit>("Text1");
        QTest::mouseClick(text1, Qt::LeftButton);
        QCOMPARE(text1->text(), QString());
        QTest::keyClicks(text1, "Kitty");
        QTest::mouseClick(text1, Qt::LeftButton);
        QCOMPARE(text1->text(), QString("Kitty"));
        m_view->showSettings(); // still open: nothing is reset
        QCOMPARE(text1->text(), QString("Kitty"));

        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        m_view->showSettings();
        QCOMPARE(text1->text(), QString("给你的绣图起个名字"));
        QTest::mouseClick(text1, Qt::LeftButton);
        QCOMPARE(text1->text(), QString("给你的绣图起个名字"));
    }

    void aboutBoxNamesTheProductAndClosesOnLabel1() {
        Form4Model model;
        Form4View about(model);
        about.showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QString("Korvane inc."));
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QString("Pavlenta     Version 2.4"));
        QLabel* label1 = about.findChild<QLabel*>("Label1");
        QCOMPARE(label1->text(), QString("==确定=="));
        QCOMPARE(label1->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!about.findChild<QLabel*>("Image1")->pixmap().isNull());
        QVERIFY(!about.isModal());
        QTest::mouseClick(label1, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    // The main window shows the box as any window (show, raise) and lets it delete itself on close.
    void aboutBoxLoadsWhenMadeAndUnloadsOnLabel1() {
        Form4Model model;
        QPointer<Form4View> about = new Form4View(model);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->findChild<QLabel*>("Label2")->text(), QString("Pavlenta     Version 2.4"));
        QTest::mouseClick(about->findChild<QLabel*>("Label1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(SettingsViewsTest)
#include "SettingsViews_qtest.moc"
