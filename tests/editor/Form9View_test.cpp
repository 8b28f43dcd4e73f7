#include "EditorFixture.h"

#include "editor/Form9View.h"
#include "editor/ImageBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace pav::editor::test {
namespace {

using Side = Form9Model::ListSide;

class Form9ViewTest : public EditorTest {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "editor_view_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        // Two threads side by side, then a third: A | B | C columns.
        stageThreads(30, 20, [](int x, int) { return x < 10 ? kRowA : x < 20 ? kRowB : kRowC; });
        view = std::make_unique<Form9View>(&host);
    }
    void TearDown() override { view.reset(); }

    void clickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    void clickEntry(Side side, int i) { clickAt(view->listBox(side), Form9Model::swatchRect(i).center()); }
    QColor swatchShown(QLabel* label) const { return label->palette().color(QPalette::Window); }
    QColor threadColour(int row) const { return QColor(qrgbOf(threadRgb(row))); }

    std::unique_ptr<Form9View> view;
};

TEST_F(Form9ViewTest, WindowCarriesItsCaptionsAndOpensOnlyOnAChartWithCells) {
    EXPECT_EQ(view->windowTitle(), QStringLiteral("绣图颜色替换－用来减少绣图颜色"));
    EXPECT_EQ(view->replaceButton()->text(), QStringLiteral("<－替换"));
    EXPECT_EQ(view->undoButton()->text(), QStringLiteral("撤销"));
    EXPECT_EQ(view->doneButton()->text(), QStringLiteral("完成"));
    EXPECT_EQ(view->counterLabel()->text(), QStringLiteral("颜色总数：0 替换0处"));
    EXPECT_EQ(view->listFrame(Side::Source)->toolTip(), QStringLiteral("点击替换颜色"));
    QStringList captions;
    for (const QLabel* label : view->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"替换颜色", "目标颜色", "数量："})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;

    EXPECT_FALSE(view->openColorEditor(chart::Chart()));
    EXPECT_FALSE(view->isVisible());

    ASSERT_TRUE(view->openColorEditor(staged));
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->undoButton()->isEnabled());
    EXPECT_EQ(view->thumbnailBox()->size(), QSize(30, 20));
    EXPECT_EQ(view->magnifiedBox()->size(), QSize(60, 40));
    // The scroll bars sit at the right edge inside their list frames.
    const QFrame* frame = view->listFrame(Side::Target);
    const QScrollBar* bar = view->listScrollBar(Side::Target);
    EXPECT_EQ(bar->geometry().right(), frame->width() - 5);
    EXPECT_EQ(bar->height(), frame->height() - 3);
}

TEST_F(Form9ViewTest, ClicksPickReplaceUndoAndFinish) {
    ASSERT_TRUE(view->openColorEditor(staged));
    QTest::mouseMove(view->thumbnailBox(), QPoint(29, 19));
    clickAt(view->thumbnailBox(), QPoint(29, 19));
    EXPECT_EQ(view->model().marker().topLeft(), QPoint(22, 14));

    clickEntry(Side::Source, 1);
    clickEntry(Side::Target, 2);
    EXPECT_EQ(swatchShown(view->sourceSwatch()), threadColour(kRowA));
    EXPECT_EQ(swatchShown(view->targetSwatch()), threadColour(kRowB));

    for (Side side : {Side::Source, Side::Target})
        view->listScrollBar(side)->setValue(10);
    EXPECT_EQ(view->listBox(Side::Source)->y(), 2 - 10);
    QTest::mouseClick(view->replaceButton(), Qt::LeftButton);
    EXPECT_EQ(view->counterLabel()->text(), QStringLiteral("颜色总数：2  替换1 处"));
    EXPECT_TRUE(view->undoButton()->isEnabled());
    for (Side side : {Side::Source, Side::Target}) {
        EXPECT_EQ(view->listScrollBar(side)->value(), 0);
        EXPECT_EQ(view->listBox(side)->y(), 2);
    }

    QTest::mouseClick(view->undoButton(), Qt::LeftButton);
    EXPECT_EQ(view->counterLabel()->text(), QStringLiteral("颜色总数：3  替换0 处"));
    EXPECT_FALSE(view->undoButton()->isEnabled());

    QTest::mouseClick(view->doneButton(), Qt::LeftButton);
    EXPECT_EQ(host.shown, 1);
    EXPECT_TRUE(view->isVisible()); // the editor stays open
}

} // namespace
} // namespace pav::editor::test
