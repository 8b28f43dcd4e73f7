#include "EditorFixture.h"

#include "program/EditingEntry.h"
#include "app/Form1Model.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace pav::editor::test {
namespace {

using app::EditingResult;

const char* const kTooMany = "    绣图颜色太多，请减色后再生成。。。 ";

// Opens a real editor model on what the entry leaves behind.
class EditorOpener : public app::ColorEditorOpener {
public:
    explicit EditorOpener(palette::ProgramState& state) : editor(state, &host, &sink) {}
    bool openColorEditor(int colorBit) override {
        colorBits.push_back(colorBit);
        return editor.open(colorBit);
    }
    RecordingHost host;
    RecordingSink sink;
    Form9Model editor;
    std::vector<int> colorBits;
};

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
        ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
        fresh();
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    // A new main window and editor over an empty working folder.
    void fresh() {
        for (const char* name : {"tmppicv.bmp", "tmpcolorv.bmp"})
            QFile::remove(QString::fromUtf8(name));
        sink.messages.clear();
        main = std::make_unique<app::Form1Model>(sink);
        opener = std::make_unique<EditorOpener>(main->state());
    }

    // The fabric as the last preview left it, and its "tmppicv.bmp".
    void paintFabric(int w, int h, const std::function<std::int32_t(int, int)>& colourAt) {
        main->picW = w;
        main->picH = h;
        QImage picture(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                main->state().colors.at(x, y) = colourAt(x, y);
                picture.setPixel(x, y, qrgbOf(colourAt(x, y)));
            }
        }
        ASSERT_TRUE(picture.save(QStringLiteral("tmppicv.bmp"), "BMP"));
    }
    void writeStaleEditorPicture() {
        QImage stale(5, 5, QImage::Format_RGB32);
        stale.fill(Qt::blue);
        ASSERT_TRUE(stale.save(QStringLiteral("tmpcolorv.bmp"), "BMP"));
    }
    EditingResult run() { return app::runEditingEntry(*main, *opener); }
    std::int32_t threadRgb(int row) const { return palette::dmcThreads()[row - 1].color; }

    RecordingSink sink;
    std::unique_ptr<app::Form1Model> main;
    std::unique_ptr<EditorOpener> opener;

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

TEST_F(EditingEntryTest, MapsTheFabricToThreadRowsAndOpensTheEditorOnItsPicture) {
    struct Case {
        int colorBit;
        bool writesEditorPicture;
    };
    for (const Case& c : {Case{0, false}, Case{16, true}, Case{99, true}}) {
        SCOPED_TRACE(c.colorBit);
        fresh();
        writeStaleEditorPicture();
        // Two picture colours near thread A on the left, thread C's own colour on the right.
        const std::int32_t a1 = threadRgb(kRowA) ^ 1, a2 = threadRgb(kRowA) ^ 2, black = threadRgb(kRowC);
        paintFabric(20, 10, [&](int x, int y) { return x >= 12 ? black : (y % 2 ? a1 : a2); });
        main->ColorBit = c.colorBit;

        ASSERT_EQ(run(), EditingResult::Opened);
        EXPECT_EQ(main->label4(), "处理完毕"); // the work is done when the editor opens
        EXPECT_FALSE(main->busy());
        EXPECT_TRUE(sink.messages.empty());
        const auto& state = main->state();
        EXPECT_EQ(state.maxColor, 2);
        EXPECT_EQ(state.colorList[1], kRowA);
        EXPECT_EQ(state.colorList[2], kRowC);
        EXPECT_EQ(state.index.at(0, 0), kRowA);
        EXPECT_EQ(state.index.at(0, 1), kRowA);
        EXPECT_EQ(state.index.at(19, 9), kRowC);
        EXPECT_EQ(state.dmc[kRowC].color, 0); // the thread table is loaded for the editor

        const QImage written(QStringLiteral("tmpcolorv.bmp"));
        EXPECT_EQ(!written.isNull(), c.writesEditorPicture);
        if (c.writesEditorPicture) {
            EXPECT_EQ(written.size(), QSize(20, 10));
        }
        if (c.colorBit == 99) {
            EXPECT_EQ(rgbOf(written.pixel(0, 1)), a1); // the matrix's own colours
        }

        ASSERT_EQ(opener->colorBits, std::vector<int>{c.colorBit});
        EXPECT_TRUE(opener->editor.isOpen());
        EXPECT_EQ(opener->editor.chartW(), 20);
        EXPECT_EQ(opener->editor.colorTotal(), 2);
    }
}

// After a restart "tmppicv.bmp" is still the last run's picture; with ColorBit 0
// the editor must show the stitches it edits, not that file.
TEST_F(EditingEntryTest, WithColorBitZeroTheEditorShowsTheMatrixNotAnEarlierRunsPicture) {
    const std::int32_t black = threadRgb(kRowC);
    paintFabric(20, 10, [&](int, int) { return black; });
    QImage earlier(30, 12, QImage::Format_RGB32);
    earlier.fill(Qt::yellow);
    ASSERT_TRUE(earlier.save(QStringLiteral("tmppicv.bmp"), "BMP"));
    main->ColorBit = 0;
    ASSERT_EQ(run(), EditingResult::Opened);
    EXPECT_EQ(opener->editor.chartW(), 20);
    ASSERT_EQ(opener->editor.thumbnail().size(), QSize(20, 10));
    EXPECT_EQ(rgbOf(opener->editor.thumbnail().pixel(5, 5)), black);
}

TEST_F(EditingEntryTest, FiveHundredColoursAreAcceptedTheFiveHundredAndFirstStops) {
    struct Case {
        int w, h;
        EditingResult result;
    };
    for (const Case& c : {Case{25, 20, EditingResult::Opened}, Case{167, 3, EditingResult::TooManyColours}}) {
        SCOPED_TRACE(c.w * c.h);
        fresh();
        paintFabric(c.w, c.h, [&](int x, int y) {
            const int i = y * c.w + x;
            return palette::makeRgb(i & 255, (i >> 8) * 90, 60);
        });
        EXPECT_EQ(run(), c.result);
        EXPECT_FALSE(main->busy());
        if (c.result == EditingResult::Opened) {
            EXPECT_TRUE(sink.messages.empty());
            EXPECT_EQ(opener->colorBits.size(), 1u);
        } else {
            ASSERT_EQ(sink.messages.size(), 1u);
            EXPECT_EQ(sink.messages[0].text, kTooMany);
            EXPECT_EQ(sink.messages[0].title, "Korvane inc.");
            EXPECT_TRUE(opener->colorBits.empty());
        }
    }
}

TEST_F(EditingEntryTest, WithoutAStitchPictureOrAWritableEditorPictureTheEditorStaysShut) {
    // Never a stitch picture: the bitmap message, and nothing else happens.
    ASSERT_EQ(run(), EditingResult::NoStitchPicture);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "不能识别的位图！");
    EXPECT_EQ(sink.messages[0].title, "错误！");
    EXPECT_TRUE(opener->colorBits.empty());

    // "tmpcolorv.bmp" cannot be written: a message instead of an editor on a missing picture.
    sink.messages.clear();
    paintFabric(8, 8, [](int x, int) { return palette::makeRgb(30 * x, 0, 0); });
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("tmpcolorv.bmp")));
    main->ColorBit = 16;
    EXPECT_EQ(run(), EditingResult::CannotWrite);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, "错误！");
    EXPECT_NE(sink.messages[0].text.find("tmpcolorv.bmp"), std::string::npos);
    EXPECT_FALSE(main->busy());
    EXPECT_TRUE(opener->colorBits.empty());
}

} // namespace
} // namespace pav::editor::test
