#pragma once
// The one renderer of the chart sheet: title block, grid with colour blocks,
// numbering, symbols, legend table and footer. Every function draws with the
// painter it is given in the units of the geometry, so the on-screen canvas
// (pixels) and a printer page (millimetres) share the same code. On the canvas
// every line, block and swatch lands on the exact pixels of the sheet layout.

#include "base/TaskDelegate.h"
#include "chart/Chart.h"
#include "chart/ChartGeometry.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <optional>
#include <string>

namespace pav::chart {

class SymbolStamps;

// How a long pass lets events run, shows its progress and learns of an abort.
struct JobControl {
    const TaskDelegate* task = nullptr;
    const bool* running = nullptr; // the abort flag: false asks the pass to stop

    void letEventsRun() const {
        if (task) task->letEventsRun();
    }
    // An abort check: lets events run first, then reads the flag.
    bool carryOn() const {
        letEventsRun();
        return running == nullptr || *running;
    }
    void progress(int done, int total) const {
        if (task) task->report(done, total);
    }
};

// 96 dots per inch, the resolution the sheet's fonts are sized for.
inline constexpr int kCanvasDotsPerMeter = 3780;

// A white canvas at that resolution.
QImage newCanvas(int width, int height);

// The title centred on the sheet and the subtitle at the left margin; returns the y below them.
int drawTitle(QPainter& painter, const ChartGeometry& geometry, const QString& title,
              const QString& subtitle);

// A block of a chart's cells: cell (x, y) of the chart is drawn at column
// x - cells.left(), row y - cells.top() of the grid whose corner the geometry
// places. Numbering and heavy lines count from the chart's own origin, so a
// page of a pattern and the whole sheet are the same call with another block.
struct GridInput {
    const Chart& chart;
    QRect cells;             // within the chart
    const ChartStyle& style; // read when the colour-block pass starts
};

// Every cell of the chart.
inline QRect allCells(const Chart& chart) {
    return QRect(0, 0, chart.width(), chart.height());
}

struct GridDrawn {
    int bottom = 0;      // the y below the numbering band
    bool blocks = false; // whether the colour blocks were drawn
};

// Thin lines, colour blocks, closing lines, row labels, column letters and digits
// and heavy lines; nothing when an abort check stopped it (what was drawn stays).
std::optional<GridDrawn> drawGrid(QPainter& painter, const ChartGeometry& geometry, const GridInput& input,
                                  const JobControl& job);

struct SymbolInput {
    const Chart& chart;
    QRect cells; // within the chart, placed as GridInput's
    // Whether the colour blocks are under the symbols: symbols on dark blocks turn white.
    bool overBlocks = false;
};

// The symbol of every stitch, row by row, with an abort check per stitch; false when
// stopped. stamps, when given, draws the symbols from cached glyph images (canvas only).
bool drawSymbols(QPainter& painter, const ChartGeometry& geometry, const SymbolInput& input,
                 const JobControl& job, SymbolStamps* stamps = nullptr);

// Part stitches, back stitches, knots and beads are drawn over the symbols by
// drawStitchMarks (StitchMarks.h).

// Legend table lines and row captions; returns the y of the footer reference line.
int drawLegendGrid(QPainter& painter, const ChartGeometry& geometry, int chartW, int chartH, int maxColor);

struct LegendInput {
    const Chart& chart; // its listed threads, in order
    int colorBit = 0;   // the main window's reduction mode; 2 and 4 grey the swatches
};

// Per legend entry: swatch, symbol, thread number and quantity of one thread;
// the table is as wide as the chart.
void drawLegendEntries(QPainter& painter, const ChartGeometry& geometry, const LegendInput& input,
                       const JobControl& job);

// The total line below the legend.
void drawFooter(QPainter& painter, const ChartGeometry& geometry, int chartW, int chartH);

// The symbol colour over a block or swatch: black, or white where the background
// is too dark for black to be read (whichever contrasts more).
QColor symbolInk(std::int32_t background);

// The painter's shift in whole pixels when it draws onto its device 1:1: no scaling,
// no rotation, and a translation (if any) by whole pixels, as onto a band of a sheet.
std::optional<QPoint> wholePixelShift(const QPainter& painter);

// The pixels of a 32-bit canvas that a painter draws onto 1:1 (no scaling, no
// clipping, at most a whole-pixel shift): hot loops set whole pixels there
// directly, in the painter's coordinates. Empty for printers and scaled painters,
// which take the painter's own calls.
struct DirectPixels {
    QRgb* bits = nullptr;
    qsizetype stride = 0; // in pixels
    int width = 0;
    int height = 0;
    QPoint shift; // from the painter's coordinates to the canvas's pixels

    explicit operator bool() const { return bits != nullptr; }
    void set(int x, int y, QRgb colour) const {
        x += shift.x();
        y += shift.y();
        if (x >= 0 && x < width && y >= 0 && y < height) bits[y * stride + x] = colour;
    }
    void fill(QRect rect, QRgb colour) const;
};
DirectPixels directPixels(QPainter& painter);

// The swatch colour of a thread: grey modes show (R + G + B) / 3 unless green and blue are both 255.
std::int32_t swatchColor(std::int32_t rgb, int colorBit);

// The title and the thread range a sheet shows when none was set.
inline constexpr const char* kDefaultTitle = "我的绣图";
inline constexpr const char* kDefaultRange = "DMC";
QString chartTitle(const std::string& title);
std::string chartRange(const std::string& whichType);

// Grid, symbols, part stitches, back stitches, knots and beads of a block of cells, as one call: the pages of a pattern and
// any other drawing of part of a chart. Nothing is drawn after an abort.
bool renderChart(QPainter& painter, const ChartGeometry& geometry, const Chart& chart, QRect cells,
                 ChartStyle style, const JobControl& job = {});

// The title block texts.
QString chartSubtitle(const std::string& whichType, int maxColor, int chartW, int chartH);
QString footerText(int chartW, int chartH);

// Writes text with its top-left corner at topLeft in the painter's current font.
void writeText(QPainter& painter, const ChartGeometry& geometry, QPointF topLeft, const QString& text);

} // namespace pav::chart
