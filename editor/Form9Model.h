#pragma once
// The chart colour editor: merges one thread of a chart into another, shows the
// result on a one-pixel-per-stitch thumbnail, undoes replacements newest first,
// and on "完成" hands the edited chart to its host.
//
// The editor edits a Chart value: the colour list holds threads of that chart
// (indices into its threads, those with stitches, in thread order), the swatches
// show each thread's colour, and a replacement of thread A by thread B gives every
// stitch whose thread is A thread B and its colour. Each replacement is a command
// on an undo stack. The model owns the pictures it draws (thumbnail, magnified
// view, the two swatch lists) as QImages; the view only shows them and forwards presses.

#include "chart/Chart.h"
#include "editor/ColourEdits.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace pav::editor {

// What the editor needs from the rest of the program.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // "完成": the edited chart, for the chart window to show or generate from.
    virtual void finishEditing(const chart::Chart& edited) = 0;
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
    // At most 201 replacements are recorded.
    static constexpr int kReplaceLimit = 201;
    static constexpr std::int32_t kNone = -1;

    static constexpr const char* kCaption = "绣图颜色替换－用来减少绣图颜色";
    static constexpr const char* kInitialCounter = "颜色总数：0 替换0处";

    enum class ListSide { Source, Target };

    explicit Form9Model(EditorHost* host);

    void setObserver(Form9Observer* observer) { m_observer = observer; }

    // Opening on a chart: what the chart window shows, or what it would generate.
    // False, with nothing open, for a chart without cells.
    bool open(const chart::Chart& chart);
    bool isOpen() const { return m_open; }

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
    // The threads chosen to replace and to replace with (indices into the chart's threads), kNone for none.
    std::int32_t srcColor() const { return m_srcColor; }
    std::int32_t dstColor() const { return m_dstColor; }
    // The thread of colour-list entry i (1-based).
    int listThread(int i) const { return m_list[static_cast<std::size_t>(i - 1)]; }
    // The thread colour a swatch label shows for a chosen thread, kNone for none.
    std::int32_t swatchRgb(std::int32_t thread) const;
    int replaceCount() const { return m_edits.size(); }
    bool undoEnabled() const { return m_undoEnabled; }
    const QString& counterText() const { return m_counter; }
    // The user chose another language: a counter already composed is composed again.
    void languageChanged();
    // The chart as edited so far, and as it was opened.
    const chart::Chart& chart() const { return m_chart; }
    const chart::Chart& openedChart() const { return m_opened; }
    // The chart "完成" hands over: threads left without stitches leave the legend,
    // unless part stitches, back stitches, knots or beads use them.
    chart::Chart editedChart() const;
    // The rectangle of colour-list entry i (1-based) in either list.
    static QRect swatchRect(int i);

private:
    void notify(Form9Observer::Part part);
    void resetForOpening();
    void drawColorLists();
    void paintListGrid(int rows);
    void drawMagnified();
    void replaceColor(int src, int dst);
    void undoReplace();
    void setCounter();
    bool isListed(int thread) const;
    std::int32_t threadColor(int thread) const;
    int listEntryAt(int x, int y) const;
    void pick(ListSide side, int thread);

    EditorHost* m_host;
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

    chart::Chart m_opened; // as handed over: the magnified view shows it until the next opening
    chart::Chart m_chart;  // as edited
    // The colour list: threads of the chart, m_colorTotal of them counted.
    std::vector<int> m_list;
    int m_colorTotal = 0;
    std::int32_t m_srcColor = kNone;
    std::int32_t m_dstColor = kNone;
    EditStack m_edits;
    bool m_undoEnabled = false;
    QString m_counter = QString::fromUtf8(kInitialCounter);

    // Magnified view: presses counted since opening, and the marker origin and
    // number of cells of the last drawing (for picking).
    int m_thumbnailPresses = 0;
    QPoint m_magnifiedOrigin;
    int m_magnifiedCellsPainted = 0;
};

} // namespace pav::editor
