#include "chart/print/PrintPage.h"

#include "chart/StitchMarks.h"

#include "chart/ChartFonts.h"

#include <QFontMetricsF>
#include <QPageLayout>

#include <algorithm>
#include <cmath>

namespace pav::print {
namespace {

constexpr double kMmPerInch = 25.4;

// How far the thin column lines run below the grid: over the three stacked
// digits of the column numbers, up to where the column letters start.
constexpr double kColumnLineOverrun = 8;

void say(const chart::JobControl& job, const char* text) {
    if (job.task) job.task->say(text);
}

} // namespace

PaperSize paperSize(const QPagedPaintDevice& device) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    return PaperSize{area.width(), area.height()};
}

double dotsPerMm(const QPaintDevice& device) {
    return device.logicalDpiY() / kMmPerInch;
}

PaperText paperText(const QPaintDevice& device) {
    // QFontMetricsF needs a non-const device only to read its resolution.
    auto* target = const_cast<QPaintDevice*>(&device);
    const double perMm = dotsPerMm(device);
    return PaperText{QFontMetricsF(chart::songFont(), target).height() / perMm,
                     QFontMetricsF(chart::arialFont(), target).height() / perMm};
}

chart::ChartGeometry pageGeometry(const PaperLayout& p, PaperSize page, double d) {
    chart::ChartGeometry g;
    const double u = p.printCell;
    g.sheetWidth = page.width * d;
    g.cell = u * d;
    g.titleTop = p.titleTop * d;
    g.leftMargin = p.leftMargin * d;
    g.gridTop = p.gridTop * d;
    g.legendTop = p.legendTop * d;
    g.footerTop = p.footerTop * d;
    g.subtitleGap = 3 * d;
    g.titleBottomGap = 2 * d;
    g.rowLineStart = 0.3 * p.leftMargin * d;
    g.columnLineOverrun = kColumnLineOverrun * d;
    g.blockInset = 0.01 * d;
    g.blockSize = (u - 0.02) * d;
    g.blocksUnderLines = true;
    g.symbolDx = 0.01 * d;
    g.symbolBaseline = u * d; // the cell's bottom line, as on the canvas
    g.rowLabelOffset = QPointF(-18.0 / 5 * d, -1 * d);
    g.letterOffset = QPointF(-1 * d, 42.0 / 5 * d);
    g.digitDx = 0.5 * d;
    g.digitDy = {0.5 * d, 3 * d, 5.5 * d};
    g.gridBottomGap = 10 * d;
    g.legendCellWidth = kLegendCellWidth * d;
    g.legendCellHeight = kLegendCellHeight * d;
    // The paper table is laid out in whole millimetres, over the page when the grid is too narrow.
    g.legendCellsAcross = p.legend.cellsAcross;
    // The texts sit in their 8 x 3 mm cells as the canvas's sit in its 38 x 14
    // pixel ones: the same corner offset and the font the same share of the row.
    // The paper row's height over the canvas row's (14 pixels at 96 dots per inch).
    const double legendScale = kLegendCellHeight / (14 * kMmPerInch / 96);
    g.legendTextOffset = QPointF(4.0 / 38 * kLegendCellWidth * d, 1.0 / 14 * kLegendCellHeight * d);
    g.swatch = QRectF(); // a 3 mm row leaves no room for a swatch
    g.clipLegendText = true;
    g.footerOffset = QPointF(2 * d, kFooterLineDown * d);
    g.thinPen = 1;
    g.heavyPen = 2;
    g.snapText = false;
    g.songFont = chart::songFont();
    g.legendFont = g.songFont;
    g.legendFont.setPointSizeF(g.songFont.pointSizeF() * legendScale);
    // The canvas draws symbols a size smaller only because the Ming face's
    // capitals, fitted to whole pixels at 9 pt, are a pixel too tall for a cell;
    // paper has no pixel grid, and the 9 pt face scaled to the cell fits it.
    g.symbolFont = chart::songFont();
    g.arialFont = chart::arialFont();
    return g;
}

double gridFontScale(double printCell) {
    const double canvasPixelMm = kMmPerInch / 96;
    return std::min(1.0, printCell / 10 / canvasPixelMm);
}

chart::ChartGeometry gridGeometry(const chart::ChartGeometry& page, double printCell) {
    chart::ChartGeometry grid = page;
    const double scale = gridFontScale(printCell);
    grid.symbolFont.setPointSizeF(page.symbolFont.pointSizeF() * scale);
    grid.arialFont.setPointSizeF(page.arialFont.pointSizeF() * scale);
    const double canvasPixel = page.cell / 10;
    grid.rowLabelOffset.setY(-1 * canvasPixel);
    grid.digitDx = 2 * canvasPixel;
    // A row's symbols as glyph runs: far fewer operations than a text per stitch.
    grid.symbolRuns = true;
    return grid;
}

PrintedPage::PrintedPage(QPainter& painter, const PaperLayout& layout, PaperSize page, double dotsPerMm)
    : m_painter(painter), m_layout(layout), m_dotsPerMm(dotsPerMm),
      m_geometry(pageGeometry(layout, page, dotsPerMm)),
      m_grid(print::gridGeometry(m_geometry, layout.printCell)) {}

int PrintedPage::printTitle(const QString& title, const QString& subtitle) {
    chart::drawTitle(m_painter, m_geometry, title, subtitle);
    return m_layout.titleBottom;
}

std::optional<int> PrintedPage::printGrid(const chart::GridInput& input, const chart::JobControl& job) {
    const std::optional<chart::GridDrawn> drawn = chart::drawGrid(m_painter, m_grid, input, job);
    if (!drawn) return std::nullopt;
    m_blocksDrawn = drawn->blocks;
    return m_layout.gridBottom;
}

int PrintedPage::printLegendGrid(int chartW, int chartH, int maxColor) {
    chart::drawLegendGrid(m_painter, m_geometry, chartW, chartH, maxColor);
    return m_layout.legendBottom;
}

void PrintedPage::printLegendEntries(const chart::LegendInput& input, const chart::JobControl& job) {
    chart::drawLegendEntries(m_painter, m_geometry, input, job);
}

void PrintedPage::printFooter(int chartW, int chartH) {
    chart::drawFooter(m_painter, m_geometry, chartW, chartH);
    m_painter.setFont(m_geometry.arialFont);
    m_painter.setPen(Qt::black);
    chart::writeText(m_painter, m_geometry, m_layout.mark * m_dotsPerMm, QString::fromLatin1(kMarkLine));
}

bool PrintedPage::printSymbols(chart::SymbolInput input, const chart::JobControl& job) {
    if (!m_blocksDrawn) input.overBlocks = false;
    return chart::drawSymbols(m_painter, m_grid, input, job);
}

void PrintedPage::printStitchMarks(const chart::Chart& chart, bool symbols) {
    chart::drawStitchMarks(m_painter, m_grid, chart::MarkInput{chart, chart::allCells(chart), m_blocksDrawn, symbols});
}

PageResult printChartPage(QPainter& painter, const QPagedPaintDevice& device, const PrintSheet& sheet,
                          const chart::JobControl& job) {
    const chart::Chart& c = sheet.chart;
    const int listed = static_cast<int>(c.legend().size());
    const PaperSize page = paperSize(device);
    const PaperChart chart{c.width(), c.height(), listed};
    PrintedPage paper(painter, layOutPaper(chart, page, paperText(device)), page, dotsPerMm(device));

    say(job, kStatusDocument);
    paper.printTitle(chart::chartTitle(c.title),
                     chart::chartSubtitle(chart::chartRange(c.rangeName), listed, c.width(), c.height()));

    say(job, kStatusGrid);
    const chart::GridInput grid{c, chart::allCells(c), sheet.style};
    if (!paper.printGrid(grid, job)) return PageResult::Aborted;

    say(job, kStatusLegend);
    paper.printLegendGrid(c.width(), c.height(), listed);
    paper.printLegendEntries(chart::LegendInput{c, sheet.colorBit}, job);
    paper.printFooter(c.width(), c.height());

    job.progress(0, c.height());
    say(job, kStatusSymbols);
    const bool symbols = sheet.style != chart::ChartStyle::BlocksOnly;
    if (symbols && !paper.printSymbols(chart::SymbolInput{c, chart::allCells(c), true}, job))
        return PageResult::Aborted;
    paper.printStitchMarks(c, symbols);
    return PageResult::Drawn;
}

} // namespace pav::print
