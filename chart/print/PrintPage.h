#pragma once
// Drawing the chart sheet on one printer or PDF page. The chart renderer does
// the drawing; this file only hands it the page's geometry: the millimetre
// layout of PrintLayout converted to device pixels. Thin lines are one device
// pixel wide and heavy lines two. The title, legend and footer keep the
// sheet's point sizes on paper (9 pt "宋体", 8 pt "Arial"); the symbols and the
// numbering keep the size they have against a cell on the canvas, up to those
// point sizes, so that a symbol stays inside its cell at any scale.

#include "chart/Chart.h"
#include "chart/ChartRenderer.h"
#include "chart/print/PrintLayout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include <optional>
#include <string>

namespace pav::print {

// What the page shows: a generated chart.
struct PrintSheet {
    const chart::Chart& chart; // an empty title prints "我的绣图"
    chart::ChartStyle style = chart::ChartStyle::SymbolsOnly;
    int colorBit = 0;          // the main window's reduction mode; 2 and 4 grey the swatches
};

// Status line texts of the job, in the order it shows them.
inline constexpr const char* kStatusDocument = "正在生成打印文档，请等待....";
inline constexpr const char* kStatusGrid = "正在绘制网格，请等待....";
inline constexpr const char* kStatusLegend = "正在绘制绣线表格，请等待....";
inline constexpr const char* kStatusSymbols = "正在绘制绣线符号，请等待....";
inline constexpr const char* kStatusPrinting = "正在打印，请等待....";
inline constexpr const char* kMarkLine = "Korvane inc.Printed";

// The printable area of a paged device in millimetres, and its dots per millimetre.
PaperSize paperSize(const QPagedPaintDevice& device);
double dotsPerMm(const QPaintDevice& device);
// Line heights of the sheet fonts on the device, in millimetres.
PaperText paperText(const QPaintDevice& device);

// The renderer's geometry of the page: every layout millimetre times dotsPerMm.
chart::ChartGeometry pageGeometry(const PaperLayout& layout, PaperSize page, double dotsPerMm);

// How much the grid's fonts shrink on paper: a canvas pixel becomes printCell / 10
// millimetres, so a font keeps its size against the cell at 96 * printCell / 254
// of its points; never enlarged.
double gridFontScale(double printCell);

// The page geometry for the grid: the symbol and numbering fonts scaled by
// gridFontScale, and the row labels and column digits, which must stay beside
// their row and under their column with those fonts, placed as on the canvas at
// the sheet's scale (a label one canvas pixel above its row, the digits two
// canvas pixels into their column).
chart::ChartGeometry gridGeometry(const chart::ChartGeometry& page, double printCell);

// The drawing steps of one page. Each returns, where it returns a position, the
// millimetres of the layout the following step starts from.
class PrintedPage {
public:
    PrintedPage(QPainter& painter, const PaperLayout& layout, PaperSize page, double dotsPerMm);

    int printTitle(const QString& title, const QString& subtitle);
    // Nothing when an abort check stopped it.
    std::optional<int> printGrid(const chart::GridInput& input, const chart::JobControl& job);
    int printLegendGrid(int chartW, int chartH, int maxColor);
    void printLegendEntries(const chart::LegendInput& input, const chart::JobControl& job);
    // The stitch total, then the mark line.
    void printFooter(int chartW, int chartH);
    // Every stitch's symbol, an abort check before each; false when stopped. Over
    // the colour blocks printGrid drew, a symbol on a dark block is written white.
    bool printSymbols(chart::SymbolInput input, const chart::JobControl& job);
    // Part stitches, back stitches, knots and beads over the symbols.
    void printStitchMarks(const chart::Chart& chart, bool symbols);

    const PaperLayout& layout() const { return m_layout; }
    const chart::ChartGeometry& geometry() const { return m_geometry; }
    const chart::ChartGeometry& gridGeometry() const { return m_grid; }

private:
    QPainter& m_painter;
    PaperLayout m_layout;
    double m_dotsPerMm;
    chart::ChartGeometry m_geometry; // title, legend and footer
    chart::ChartGeometry m_grid;     // grid, numbering and symbols
    bool m_blocksDrawn = false;
};

enum class PageResult { Drawn, Aborted };

// The page of printChart on an active painter: title block, grid, legend table
// and footer, then the symbols, each step announced through job.task's status.
// Aborted when the abort flag was seen cleared; what was drawn stays.
PageResult printChartPage(QPainter& painter, const QPagedPaintDevice& device, const PrintSheet& sheet,
                          const chart::JobControl& job);

} // namespace pav::print
