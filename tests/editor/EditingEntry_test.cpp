// "编辑" from the main window: the editor opens on the chart the chart window
// makes of the same stitches, by the same thread range, threshold and matching
// rule, and "完成" hands the edited stitches back for the next "生成".
#include "EditorFixture.h"

#include "app/Form1Model.h"
#include "chart/window/Form7Model.h"
#include "program/EditingEntry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace pav::editor::test {
namespace {

using app::EditingResult;
using colour::FitCriterion;

const char* const kTooMany = "    绣图颜色太多，请减色后再生成。。。 ";

struct Message {
    std::string text;
    std::string title;
};

class RecordingSink : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string& title, MessageIcon) override {
        messages.push_back({text, title});
    }
    std::vector<Message> messages;
};

// The editor as the program wires it: "完成" gives the edited stitches to the main window.
class ProgramEditor : public ColorEditorOpener, public EditorHost {
public:
    explicit ProgramEditor(app::Form1Model& main) : m_main(main) {}
    bool openColorEditor(const chart::Chart& chart) override {
        ++opened;
        return editor.open(chart);
    }
    void finishEditing(const chart::Chart& edited) override { app::takeEditedChart(m_main, edited); }
    Form9Model editor{this};
    int opened = 0;

private:
    app::Form1Model& m_main;
};

// A photograph-like fabric: 4 x 4 patches of soft gradients, a few dozen threads,
// some of them under the threshold.
std::int32_t photo(int x, int y) {
    const int px = x / 4, py = y / 4;
    return palette::makeRgb((px * 29 + py * 7) % 256, (py * 23) % 200 + 30, (px * py * 5) % 180 + 40);
}
std::int32_t stripes(int x, int) {
    return x < 10 ? threadRgb(kRowA) : threadRgb(kRowC);
}

class EditingEntryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "editing_entry_test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    }
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_folder.path())); // an empty working folder
        main = std::make_unique<app::Form1Model>(sink);
        window = std::make_unique<chart::Form7Model>(*main, sink);
        window->load();
        program = std::make_unique<ProgramEditor>(*main);
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    // The fabric as a preview leaves it: w x h stitches (16 or more each way, as the bars allow).
    void paintFabric(int w, int h, const std::function<std::int32_t(int, int)>& colourAt) {
        main->wChange.setValue(w);
        main->Hchange.setValue(h);
        ASSERT_EQ(main->stitchPictureWidth(), w);
        ASSERT_EQ(main->stitchPictureHeight(), h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) main->stitchColours().at(x, y) = colourAt(x, y);
    }
    EditingResult edit() { return app::runEditingEntry(*main, window->chartRequest(), *program); }
    const chart::Chart& generate() {
        window->command1Clicked(TaskDelegate{});
        EXPECT_EQ(window->command5Caption(), "打印");
        return window->chart();
    }
    Form9Model& editor() { return program->editor; }

    RecordingSink sink;
    std::unique_ptr<app::Form1Model> main;
    std::unique_ptr<chart::Form7Model> window;
    std::unique_ptr<ProgramEditor> program;

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

// The same threads, stitches and legend.
::testing::AssertionResult sameChart(const chart::Chart& a, const chart::Chart& b) {
    if (a.width() != b.width() || a.height() != b.height()) return ::testing::AssertionFailure() << "sizes differ";
    if (a.threads().size() != b.threads().size())
        return ::testing::AssertionFailure() << a.threads().size() << " threads, not " << b.threads().size();
    for (std::size_t t = 0; t < a.threads().size(); ++t) {
        const chart::ChartThread &p = a.threads()[t], &q = b.threads()[t];
        if (p.row != q.row || p.rgb != q.rgb || p.number != q.number || p.count != q.count || p.listed != q.listed ||
            p.symbol != q.symbol)
            return ::testing::AssertionFailure() << "thread " << t << " differs (" << p.number << ", " << q.number << ")";
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.threadAt(x, y) != b.threadAt(x, y) || a.blockColour(x, y) != b.blockColour(x, y))
                return ::testing::AssertionFailure() << "cell " << x << "," << y << " differs";
    return ::testing::AssertionSuccess();
}

TEST_F(EditingEntryTest, TheEditorsThreadsAreTheChartWindowsForEveryRuleRangeAndThreshold) {
    paintFabric(60, 40, photo);
    for (const FitCriterion criterion : {FitCriterion::Rgb, FitCriterion::Ciede2000}) {
        for (const char* range : {"DMC", "CC"}) {
            for (const char* threshold : {"20", "0"}) {
                SCOPED_TRACE(testing::Message() << static_cast<int>(criterion) << " " << range << " " << threshold);
                main->colourChoice.criterion = criterion;
                window->setWhichType(range);
                window->setThresholdText(threshold);
                ASSERT_EQ(edit(), EditingResult::Opened);
                EXPECT_TRUE(sameChart(editor().openedChart(), generate()));
                EXPECT_GT(editor().colorTotal(), 1);
            }
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(EditingEntryTest, StartedInAnEmptyFolderItOpensAndWritesItsWorkingPicture) {
    for (const int colorBit : {0, 16, 99}) {
        SCOPED_TRACE(colorBit);
        QFile::remove(QStringLiteral("tmppicv.bmp"));
        QFile::remove(QStringLiteral("tmpcolorv.bmp"));
        paintFabric(20, 16, stripes);
        main->ColorBit = colorBit;
        ASSERT_EQ(edit(), EditingResult::Opened);
        EXPECT_TRUE(sink.messages.empty()); // no "不能识别的位图！"
        EXPECT_EQ(main->label4(), "处理完毕"); // the work is done when the editor opens
        EXPECT_FALSE(main->busy());
        EXPECT_TRUE(editor().isOpen());
        EXPECT_EQ(editor().colorTotal(), 2);
        const QImage written(QString::fromStdString(app::editorPictureName(colorBit)));
        ASSERT_EQ(written.size(), QSize(20, 16));
        EXPECT_EQ(rgbOf(written.pixel(15, 3)), threadRgb(kRowC));
        EXPECT_EQ(QFile::exists(QStringLiteral("tmpcolorv.bmp")), colorBit > 0);
    }
}

TEST_F(EditingEntryTest, AfterANewPictureTheEditorShowsTheNewChart) {
    paintFabric(20, 16, stripes);
    ASSERT_EQ(edit(), EditingResult::Opened);
    paintFabric(40, 30, photo);
    ASSERT_EQ(edit(), EditingResult::Opened);
    EXPECT_EQ(program->opened, 2);
    EXPECT_EQ(editor().chartW(), 40);
    EXPECT_TRUE(sameChart(editor().openedChart(), generate()));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(rgbOf(editor().thumbnail().pixel(x, y)), photo(x, y));
}

TEST_F(EditingEntryTest, AfterAMergeTheOverviewShowsTheEditedChartWhole) {
    paintFabric(40, 30, photo);
    ASSERT_EQ(edit(), EditingResult::Opened);
    editor().pressThumbnail();
    const QPoint first = Form9Model::swatchRect(1).center(), second = Form9Model::swatchRect(2).center();
    editor().pressList(Form9Model::ListSide::Source, first.x(), first.y());
    editor().pressList(Form9Model::ListSide::Target, second.x(), second.y());
    editor().replace();
    ASSERT_EQ(editor().replaceCount(), 1);
    const chart::Chart& edited = editor().chart();
    for (int y = 0; y < edited.height(); ++y)
        for (int x = 0; x < edited.width(); ++x)
            ASSERT_EQ(rgbOf(editor().thumbnail().pixel(x, y)), edited.blockColour(x, y)) << x << "," << y;
}

TEST_F(EditingEntryTest, AfterAMergeDoneAndGenerateTheMergedThreadIsGone) {
    paintFabric(60, 40, photo);
    main->colourChoice.criterion = FitCriterion::Ciede2000;
    ASSERT_EQ(edit(), EditingResult::Opened);
    editor().pressThumbnail();
    const int merged = editor().listThread(1), into = editor().listThread(2);
    const int mergedRow = editor().chart().threads()[static_cast<std::size_t>(merged)].row;
    const int stitchesBefore = editor().chart().threads()[static_cast<std::size_t>(into)].count +
                               editor().chart().threads()[static_cast<std::size_t>(merged)].count;
    const QPoint first = Form9Model::swatchRect(1).center(), second = Form9Model::swatchRect(2).center();
    editor().pressList(Form9Model::ListSide::Source, first.x(), first.y());
    editor().pressList(Form9Model::ListSide::Target, second.x(), second.y());
    editor().replace();
    editor().done();

    const chart::Chart& charted = generate();
    for (const chart::ChartThread& thread : charted.threads()) {
        if (thread.row != mergedRow) continue;
        EXPECT_EQ(thread.count, 0);
        EXPECT_FALSE(thread.listed);
    }
    int intoCount = 0;
    for (const chart::ChartThread& thread : charted.threads())
        if (thread.row == editor().chart().threads()[static_cast<std::size_t>(into)].row) intoCount = thread.count;
    EXPECT_EQ(intoCount, stitchesBefore);
    EXPECT_TRUE(sameChart(charted, editor().editedChart()) || charted.threads().size() < editor().chart().threads().size());
}

TEST_F(EditingEntryTest, FiveHundredColoursAreAcceptedTheFiveHundredAndFirstStops) {
    struct Case {
        int distinct;
        EditingResult result;
    };
    for (const Case& c : {Case{500, EditingResult::Opened}, Case{501, EditingResult::TooManyColours}}) {
        SCOPED_TRACE(c.distinct);
        sink.messages.clear();
        program->opened = 0;
        window->setThresholdText("0");
        paintFabric(32, 16, [&](int x, int y) {
            const int i = std::min(y * 32 + x, c.distinct - 1);
            return palette::makeRgb(i & 255, (i >> 8) * 90, 60);
        });
        EXPECT_EQ(edit(), c.result);
        EXPECT_FALSE(main->busy());
        if (c.result == EditingResult::Opened) {
            EXPECT_EQ(program->opened, 1);
        } else {
            ASSERT_EQ(sink.messages.size(), 1u);
            EXPECT_EQ(sink.messages[0].text, kTooMany);
            EXPECT_EQ(sink.messages[0].title, "Korvane inc.");
            EXPECT_EQ(program->opened, 0);
        }
    }
}

TEST_F(EditingEntryTest, AWorkingPictureThatCannotBeWrittenKeepsTheEditorShut) {
    paintFabric(16, 16, [](int x, int) { return palette::makeRgb(30 * x, 0, 0); });
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("tmpcolorv.bmp")));
    main->ColorBit = 16;
    EXPECT_EQ(edit(), EditingResult::CannotWrite);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "错误！");
    EXPECT_NE(sink.messages[0].text.find("tmpcolorv.bmp"), std::string::npos);
    EXPECT_FALSE(main->busy());
    EXPECT_EQ(program->opened, 0);
}

} // namespace
} // namespace pav::editor::test
