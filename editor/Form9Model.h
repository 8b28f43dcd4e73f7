#pragma once
// The chart colour editor: merges one thread of a prepared chart into another,
// shows the result on a one-pixel-per-stitch thumbnail, undoes replacements
// newest first, and on "完成" writes the edited stitches back into the
// program-wide stitch colour matrix for the chart window to generate from.
//
// The editor works on threads: the colour list holds thread rows, the swatches
// show each row's thread colour, and a replacement of thread A by thread B gives
// every stitch whose current thread is A the colour of B. The model owns the
// pictures it draws (thumbnail, magnified view, the two swatch lists) as QImages;
// the view only shows them and forwards presses.

#include "base/TaskDelegate.h"
#include "palette/ProgramState.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pav::editor {

// What the editor needs from the rest of the program.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // Shows the chart window (non-modal) after "完成" has written the matrix back.
    virtual void showChartWindow() = 0;
    // False while the chart window generates or prints from the stitch data and the
    // colour list: replace, undo and "完成", which write them, wait until then.
    virtual bool stitchDataFree() const { return true; }
};

class Form9Observer {
public:
    enum class Part {
        Opened,    // a new chart: sizes of every picture changed
        Thumbnail, // thumbnail pixels changed
        Marker,    // marker rectangle moved
        Magnified, // magnified view redrawn
        Lists,     // swatch lists redrawn, heights, scroll ranges and positions reset
        Scroll,    // one list scrolled
        Swatches,  // srcColor or dstColor changed
        Counter    // counter line text or the undo button's state changed
    };
    virtual ~Form9Observer() = default;
    virtual void form9Changed(Part part) = 0;
};

class Form9Model {
public:
    // Geometry of the swatch lists: 10 columns of 18 x 14 pixel cells over 195 pixels.
    static constexpr int kCellW = 18;
    static constexpr int kCellH = 14;
    static constexpr int kListDrawW = 195;
    static constexpr int kColumns = kListDrawW / kCellW;
    static constexpr int kListW = 196;
    static constexpr int kListInitialH = 600;
    // Magnified view: one stitch per 8-pixel cell, at most 385 x 327 pixels.
    static constexpr int kZoomCell = 8;
    static constexpr int kMagnifiedMaxW = 385;
    static constexpr int kMagnifiedMaxH = 327;
    // Recorded replacements: at most 201 are recorded, the arrays hold 300.
    static constexpr int kReplaceLimit = 201;
    static constexpr int kUndoCapacity = 300;
    static constexpr std::int32_t kNone = -1;

    static constexpr const char* kCaption = "绣图颜色替换－用来减少绣图颜色";
    static constexpr const char* kInitialCounter = "颜色总数：0 替换0处";

    enum class ListSide { Source, Target };

    Form9Model(palette::ProgramState& state, EditorHost* host, MessageSink* messages,
               const TaskDelegate* task = nullptr);

    void setObserver(Form9Observer* observer) { m_observer = observer; }

    // Opening: reads the stitch picture file ("tmpcolorv.bmp" when colorBit > 0,
    // otherwise "tmppicv.bmp") from folder (empty = where the working files are). A file
    // that is missing, unreadable or larger than the matrix gives a message and
    // false, and the editor holds no chart.
    bool open(int colorBit, const std::string& folder = std::string());
    // Opening on stitch data already in the program state (a chart that was not
    // made from the stitch picture, such as one read from a file): the thumbnail
    // shows the width x height stitch colours of the matrix. False, with nothing
    // open, for a size outside 1..321.
    bool openStitches(int width, int height);
    bool isOpen() const { return m_open; }
    static std::string stitchPictureName(int colorBit);

    // Pointer moves over the thumbnail: the marker's bottom-right corner follows.
    void moveOverThumbnail(int x, int y);
    // Press on the thumbnail: draws the magnified view from the marker's position.
    void pressThumbnail();
    // Presses that pick a colour: the magnified view and the left list pick the
    // colour to replace, the right list the target colour.
    void pressMagnified(int x, int y);
    void pressList(ListSide side, int x, int y);

    void replace(); // "<－替换"
    void undo();    // "撤销"
    void done();    // "完成"

    void setListScroll(ListSide side, int value);

    // --- state the view shows and tests read ---
    int chartW() const { return m_chartW; }
    int chartH() const { return m_chartH; }
    QRect marker() const { return m_marker; }
    const QImage& thumbnail() const { return m_thumbnail; }
    const QImage& magnified() const { return m_magnified; }
    const QImage& list(ListSide side) const { return side == ListSide::Source ? m_sourceList : m_targetList; }
    int listScroll(ListSide side) const { return side == ListSide::Source ? m_sourceScroll : m_targetScroll; }
    int listScrollMax() const { return m_listScrollMax; }
    int colorTotal() const { return m_colorTotal; }
    std::int32_t srcColor() const { return m_srcColor; }
    std::int32_t dstColor() const { return m_dstColor; }
    // The thread colour a swatch label shows for a chosen row, kNone for none.
    std::int32_t swatchRgb(std::int32_t row) const;
    int replaceCount() const { return m_replaceCount; }
    bool undoEnabled() const { return m_undoEnabled; }
    const QString& counterText() const { return m_counter; }
    // The user chose another language: a counter already composed is composed again.
    void languageChanged();
    bool magnifiedBusy() const { return m_magnifiedBusy; }
    std::int32_t editColor(int x, int y) const { return m_editMatrix.at(x, y); }
    // The thread row each stitch has now, replacements included (0 for no stitch).
    std::int32_t editThread(int x, int y) const { return m_editThreads.at(x, y); }
    // The rectangle of colour-list entry i (1-based) in either list.
    static QRect swatchRect(int i);

private:
    bool mayEdit() const;
    void notify(Form9Observer::Part part);
    void yieldNow() const;
    bool loadThumbnail(const std::string& path);
    void resetForOpening();
    void copyMatrices();
    void drawColorLists();
    void paintListGrid(int rows);
    void drawMagnified();
    void replaceColor(std::int32_t src, std::int32_t dst);
    void undoReplace();
    // Every stitch whose current thread is from takes thread to (matrix and
    // thumbnail); with `changed`, the stitches it changed are marked there.
    void recolorThread(std::int32_t from, std::int32_t to, std::vector<bool>* changed = nullptr);
    // The marked stitches take thread back to, whatever they hold now.
    void restoreStitches(const std::vector<bool>& changed, std::int32_t to);
    void setCounter();
    bool isListedRow(std::int32_t row) const;
    std::int32_t threadColor(std::int32_t row) const;
    int listEntryAt(int x, int y) const;
    void pick(ListSide side, std::int32_t row);

    palette::ProgramState& m_state;
    EditorHost* m_host;
    MessageSink* m_messages;
    const TaskDelegate* m_task;
    Form9Observer* m_observer = nullptr;

    bool m_open = false;
    int m_chartW = 0;
    int m_chartH = 0;
    QRect m_marker;
    QImage m_thumbnail;
    QImage m_magnified;
    QImage m_sourceList;
    QImage m_targetList;
    int m_sourceScroll = 0;
    int m_targetScroll = 0;
    int m_listScrollMax = 0;
    bool m_listsDrawn = false;

    int m_colorTotal = 0;
    std::int32_t m_srcColor = kNone;
    std::int32_t m_dstColor = kNone;
    palette::StitchMatrix m_editMatrix;  // working copy of the stitch colours
    palette::StitchMatrix m_editThreads; // the current thread row of each stitch

    int m_replaceCount = 0;
    std::array<std::int32_t, kUndoCapacity> m_undoFrom{};
    std::array<std::int32_t, kUndoCapacity> m_undoTo{};
    // The stitches each recorded replacement changed (one bit per stitch, row
    // by row), so that undo gives back exactly those and not the stitches that
    // held the target thread before.
    std::vector<std::vector<bool>> m_undoStitches = std::vector<std::vector<bool>>(kUndoCapacity);
    bool m_undoEnabled = false;
    QString m_counter = QString::fromUtf8(kInitialCounter);

    // Magnified view: presses counted since opening, the busy flag, and the
    // marker origin and number of cells of the last drawing (for picking).
    int m_thumbnailPresses = 0;
    bool m_magnifiedBusy = false;
    QPoint m_magnifiedOrigin;
    int m_magnifiedCellsPainted = 0;
    // Replace, undo and done let events run; a second press meanwhile is ignored.
    bool m_editing = false;
};

} // namespace pav::editor
