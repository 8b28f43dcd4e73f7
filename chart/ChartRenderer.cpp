#include "chart/ChartRenderer.h"
#include "base/Rounding.h"

#include "chart/ChartFonts.h"
#include "chart/StitchMarks.h"
#include "chart/SymbolStamps.h"
#include "image/RgbValue.h"
#include "palette/RgbValues.h"
#include "base/UiText.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPen>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>


namespace pav::chart {
namespace {

const QColor kThinLine(166, 166, 166);
const QColor kHeavyLine(66, 66, 66);
const QColor kLetter(255, 11, 11);

using image::toQColor;
using image::toQRgb;

// Pen widths are device pixels whatever the painter's scale.
QPen devicePen(const QColor& color, int width, Qt::PenCapStyle cap) {
    QPen pen(color);
    pen.setWidth(width);
    pen.setCosmetic(true);
    pen.setCapStyle(cap);
    return pen;
}

// Thin lines include both end points, like a row of set pixels.
QPen thinPen(const ChartGeometry& geometry) {
    return devicePen(kThinLine, geometry.thinPen, Qt::SquareCap);
}

void line(QPainter& painter, double x1, double y1, double x2, double y2) {
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void useFont(QPainter& painter, const QFont& font, const QColor& color = Qt::black) {
    painter.setFont(font);
    painter.setPen(color);
}

bool whole(double value) {
    return value == std::floor(value);
}

// A one-pixel thin line set straight in a 1:1 canvas, where the raster engine would
// set the very same pixels: every end point on a whole pixel, both ends included.
// Empty when the painter's own line must be drawn.
DirectPixels thinLinePixels(QPainter& painter, const ChartGeometry& g, std::initializer_list<double> ends) {
    if (g.thinPen != 1) return {};
    for (const double end : ends)
        if (!whole(end)) return {};
    return directPixels(painter);
}

// A thin line from (x1, y1) to (x2, y2), either horizontal or vertical.
void thinLine(QPainter& painter, const DirectPixels& direct, double x1, double y1, double x2, double y2) {
    if (direct)
        direct.fill(QRect(QPoint(static_cast<int>(x1), static_cast<int>(y1)),
                          QPoint(static_cast<int>(x2), static_cast<int>(y2))),
                    kThinLine.rgb());
    else
        line(painter, x1, y1, x2, y2);
}

// Thin row lines, then thin column lines, each line an abort check.
bool drawThinLines(QPainter& painter, const ChartGeometry& g, int w, int h, const JobControl& job) {
    const double right = g.leftMargin + g.cell * w;
    const double bottom = g.gridTop + g.cell * h;
    painter.setPen(thinPen(g));
    const DirectPixels direct =
        thinLinePixels(painter, g, {g.rowLineStart, g.leftMargin, g.gridTop, g.cell, g.columnLineOverrun});
    job.progress(0, h);
    for (int y = 0; y < h; ++y) {
        thinLine(painter, direct, g.rowLineStart, g.gridTop + g.cell * y, right, g.gridTop + g.cell * y);
        if (!job.carryOn()) return false;
        job.progress(y + 1, h);
    }
    job.progress(0, w);
    for (int x = 0; x < w; ++x) {
        const double lineX = g.leftMargin + g.cell * x;
        thinLine(painter, direct, lineX, g.gridTop, lineX, bottom + g.columnLineOverrun);
        if (!job.carryOn()) return false;
        job.progress(x + 1, w);
    }
    return true;
}

// The y range of the painter's coordinates that lands on its canvas when it draws
// 1:1 onto an image, as onto a band of a sheet: what lies wholly outside it needs
// no drawing. None for printers and scaled painters, where everything is drawn.
struct CanvasRows {
    double top = 0;
    double bottom = 0; // one past the last
};
std::optional<CanvasRows> canvasRows(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image) return std::nullopt;
    const std::optional<QPoint> shift = wholePixelShift(painter);
    if (!shift) return std::nullopt;
    return CanvasRows{double(-shift->y()), double(-shift->y() + device->height())};
}

// The rows 0 .. rows - 1 of a block of cells that can put pixels on the painter's
// canvas, a cell's margin each way.
struct RowSpan {
    int first = 0;
    int end = 0; // one past the last
};
RowSpan rowsOnCanvas(QPainter& painter, const ChartGeometry& g, int rows) {
    const std::optional<CanvasRows> canvas = canvasRows(painter);
    if (!canvas || g.cell <= 0) return RowSpan{0, rows};
    const int first = static_cast<int>(std::floor((canvas->top - g.gridTop) / g.cell)) - 1;
    const int end = static_cast<int>(std::ceil((canvas->bottom - g.gridTop) / g.cell)) + 1;
    return RowSpan{std::clamp(first, 0, rows), std::clamp(end, 0, rows)};
}

// Whether a line of text in the painter's font whose box starts at top falls
// wholly off the canvas, with a line's height to spare either way.
bool textOffCanvas(QPainter& painter, double top) {
    const std::optional<CanvasRows> canvas = canvasRows(painter);
    if (!canvas) return false;
    const double line = QFontMetricsF(painter.font(), painter.device()).height();
    return top >= canvas->bottom + line || top + 2 * line <= canvas->top;
}

std::int32_t blockColourOf(const ChartGeometry& g, const Chart& chart, int x, int y) {
    if (!g.blocksInThreadColour) return chart.blockColour(x, y);
    return chart.threads()[static_cast<std::size_t>(chart.threadAt(x, y))].rgb;
}

// The colour blocks leave each cell's grid lines visible; every block is an abort check.
// Where every edge falls on whole pixels of a 1:1 canvas the blocks are set straight in its pixels.
// A cell with no stitch stays blank.
bool drawColourBlocks(QPainter& painter, const ChartGeometry& g, const GridInput& in, bool blocks,
                      const JobControl& job) {
    const QRect& cells = in.cells;
    job.progress(0, cells.height());
    if (!blocks) return true;
    const bool pixelBlocks =
        whole(g.cell) && whole(g.leftMargin) && whole(g.gridTop) && whole(g.blockInset) && whole(g.blockSize);
    const DirectPixels direct = pixelBlocks ? directPixels(painter) : DirectPixels{};
    // Blocks that fill their cells merge with their row's neighbours of the same colour.
    const bool touching = g.blockInset == 0 && g.blockSize == g.cell && !direct;
    const RowSpan drawn = rowsOnCanvas(painter, g, cells.height());
    for (int row = 0; row < cells.height(); ++row) {
        const int y = cells.top() + row;
        if (row < drawn.first || row >= drawn.end) {
            job.progress(row + 1, cells.height());
            continue;
        }
        for (int column = 0; column < cells.width(); ++column) {
            const int x = cells.left() + column;
            if (touching && in.chart.stitched(x, y)) {
                const std::int32_t colour = blockColourOf(g, in.chart, x, y);
                int run = 1;
                while (column + run < cells.width() && in.chart.stitched(x + run, y) &&
                       blockColourOf(g, in.chart, x + run, y) == colour) {
                    if (!job.carryOn()) return false;
                    ++run;
                }
                painter.fillRect(QRectF(g.leftMargin + g.cell * column, g.gridTop + g.cell * row, g.cell * run,
                                        g.cell),
                                 toQColor(colour));
                column += run - 1;
            } else if (in.chart.stitched(x, y)) {
                const QRectF block(g.leftMargin + g.cell * column + g.blockInset,
                                   g.gridTop + g.cell * row + g.blockInset, g.blockSize, g.blockSize);
                const std::int32_t colour = blockColourOf(g, in.chart, x, y);
                if (direct)
                    direct.fill(block.toRect(), toQRgb(colour));
                else
                    painter.fillRect(block, toQColor(colour));
            }
            if (!job.carryOn()) return false;
        }
        job.progress(row + 1, cells.height());
    }
    return true;
}

void drawClosingLines(QPainter& painter, const ChartGeometry& g, int w, int h) {
    const double right = g.leftMargin + g.cell * w;
    const double bottom = g.gridTop + g.cell * h;
    painter.setPen(thinPen(g));
    const DirectPixels direct = thinLinePixels(painter, g, {g.rowLineStart, g.leftMargin, g.gridTop, g.cell});
    thinLine(painter, direct, g.rowLineStart, bottom, right, bottom);
    thinLine(painter, direct, right, g.gridTop, right, bottom);
}

// Rows count 01 .. 16 and start again; a letter marks every 16th column; each
// column carries its number as three stacked digits. All of them count from
// the chart's origin, whatever block of cells is drawn.
void drawNumbering(QPainter& painter, const ChartGeometry& g, QRect cells) {
    const double bottom = g.gridTop + g.cell * cells.height();
    useFont(painter, g.arialFont);
    for (int row = 0; row < cells.height(); ++row) {
        const int y = cells.top() + row;
        const QString label = QStringLiteral("%1").arg(y % 16 + 1, 2, 10, QLatin1Char('0'));
        writeText(painter, g, QPointF(g.leftMargin, g.gridTop + g.cell * row) + g.rowLabelOffset, label);
    }
    painter.setPen(kLetter);
    for (int column = 0; column < cells.width(); ++column) {
        const int x = cells.left() + column;
        if (x < 16 || x % 16 != 0) continue;
        const QString letter(QChar(u'A' + x / 16 - 1));
        writeText(painter, g, QPointF(g.leftMargin + g.cell * column, bottom) + g.letterOffset, letter);
    }
    painter.setPen(Qt::black);
    for (int column = 0; column < cells.width(); ++column) {
        const QString digits = QStringLiteral("%1").arg(cells.left() + column + 1, 3, 10, QLatin1Char('0'));
        for (int d = 0; d < 3; ++d)
            writeText(painter, g, QPointF(g.leftMargin + g.cell * column + g.digitDx, bottom + g.digitDy[d]),
                      digits.mid(d, 1));
    }
}

// Every 16th grid line of the chart is heavy, and only when the chart has more
// than 16 rows and columns; a block's own edges are never heavy.
void drawHeavyLines(QPainter& painter, const ChartGeometry& g, const Chart& chart, QRect cells) {
    if (chart.width() <= 16 || chart.height() <= 16) return;
    const double right = g.leftMargin + g.cell * cells.width();
    const double bottom = g.gridTop + g.cell * cells.height();
    painter.setPen(devicePen(kHeavyLine, g.heavyPen, Qt::FlatCap));
    for (int row = 1; row < cells.height(); ++row) {
        const int j = cells.top() + row;
        if (j % 16 == 0 && j <= chart.height() - 1)
            line(painter, g.leftMargin, g.gridTop + g.cell * row, right, g.gridTop + g.cell * row);
    }
    for (int column = 1; column < cells.width(); ++column) {
        const int i = cells.left() + column;
        if (i % 16 == 0 && i <= chart.width() - 1)
            line(painter, g.leftMargin + g.cell * column, g.gridTop, g.leftMargin + g.cell * column, bottom);
    }
}

// A legend text's width from its corner to the cell's right line (on the
// canvas 38 - 4 - 1 pixels: the line is one of the cell's 38).
double legendTextRoom(const ChartGeometry& g) {
    return g.legendCellWidth - g.legendTextOffset.x() - g.legendCellWidth / 38;
}

// Writes text in the painter's font or, when the text would run past width,
// narrowed (down to 60 %) and then made smaller, so that it ends within its cell
// and keeps as much of its height as it can.
void writeTextWithin(QPainter& painter, const ChartGeometry& g, QPointF topLeft, const QString& text, double width) {
    if (textOffCanvas(painter, topLeft.y())) return;
    const QFont font = painter.font();
    const auto advance = [&](const QFont& f) { return QFontMetricsF(f, painter.device()).horizontalAdvance(text); };
    const double wide = advance(font);
    if (wide <= width || width <= 0) return writeText(painter, g, topLeft, text);
    QFont fitted = font;
    int stretch = std::max(60, static_cast<int>(100 * width / wide));
    fitted.setStretch(stretch);
    // Widths are hinted to whole pixels on the canvas: step down until it fits.
    while (advance(fitted) > width && stretch > 60) fitted.setStretch(--stretch);
    for (double size = font.pointSizeF(); advance(fitted) > width && size > 1.5;) {
        size -= 0.25;
        fitted.setPointSizeF(size);
    }
    painter.setFont(fitted);
    writeText(painter, g, topLeft, text);
    painter.setFont(font);
}

// The chart coordinates from..to (inclusive) that are multiples of every, in order.
std::vector<int> multiplesIn(int from, int to, int every) {
    std::vector<int> found;
    if (every <= 0) return found;
    for (int i = (from + every - 1) / every * every; i <= to; i += every) found.push_back(i);
    return found;
}

// Pattern pages: a heavy line every patternEvery stitches of the chart and on the
// chart's own edges, wherever such a line falls within the block, its edges included.
void drawPatternHeavyLines(QPainter& painter, const ChartGeometry& g, const Chart& chart, QRect cells) {
    const double right = g.leftMargin + g.cell * cells.width();
    const double bottom = g.gridTop + g.cell * cells.height();
    const auto heavy = [&](int i, int edge) { return i % g.patternEvery == 0 || i == edge; };
    const auto lines = [&] {
        for (int j = cells.top(); j <= cells.top() + cells.height(); ++j)
            if (heavy(j, chart.height()))
                line(painter, g.leftMargin, g.gridTop + g.cell * (j - cells.top()), right,
                     g.gridTop + g.cell * (j - cells.top()));
        for (int i = cells.left(); i <= cells.left() + cells.width(); ++i)
            if (heavy(i, chart.width()))
                line(painter, g.leftMargin + g.cell * (i - cells.left()), g.gridTop,
                     g.leftMargin + g.cell * (i - cells.left()), bottom);
    };
    if (g.heavyHaloPen > 0) {
        painter.setPen(devicePen(g.heavyHalo, g.heavyHaloPen, Qt::FlatCap));
        lines();
    }
    painter.setPen(devicePen(kHeavyLine, g.heavyPen, Qt::SquareCap));
    lines();
}

void arrow(QPainter& painter, QPointF tip, QPointF towards, double size) {
    // towards: the unit direction the arrow points in.
    const QPointF back = tip - towards * size;
    const QPointF side(-towards.y() * size * 0.45, towards.x() * size * 0.45);
    const QPointF corners[3] = {tip, back + side, back - side};
    painter.drawPolygon(corners, 3);
}

// Pattern pages: 10, 20, ... above each column line and left of each row line that
// is a multiple of patternEvery, and the arrows at the chart's middle row and column.
void drawPatternNumbering(QPainter& painter, const ChartGeometry& g, const Chart& chart, QRect cells) {
    useFont(painter, g.arialFont);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double right = g.leftMargin + g.cell * cells.width();
    const double bottom = g.gridTop + g.cell * cells.height();
    const double numbersTop = g.gridTop - g.numberGap - metrics.ascent();
    for (const int x : multiplesIn(std::max(1, cells.left()), cells.left() + cells.width(), g.patternEvery)) {
        const QString number = QString::number(x);
        const double lineX = g.leftMargin + g.cell * (x - cells.left());
        painter.drawText(QPointF(lineX - metrics.horizontalAdvance(number) / 2, g.gridTop - g.numberGap), number);
    }
    for (const int y : multiplesIn(std::max(1, cells.top()), cells.top() + cells.height(), g.patternEvery)) {
        const QString number = QString::number(y);
        const double lineY = g.gridTop + g.cell * (y - cells.top());
        painter.drawText(QPointF(g.leftMargin - g.numberGap - metrics.horizontalAdvance(number),
                                 lineY + metrics.capHeight() / 2),
                         number);
    }
    if (g.arrowSize <= 0) return;
    const double numbersLeft =
        g.leftMargin - g.numberGap - metrics.horizontalAdvance(QString::number(chart.height()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHeavyLine);
    const double middleX = chart.width() / 2.0, middleY = chart.height() / 2.0;
    if (middleX >= cells.left() && middleX <= cells.left() + cells.width()) {
        const double x = g.leftMargin + g.cell * (middleX - cells.left());
        arrow(painter, QPointF(x, numbersTop - g.numberGap), QPointF(0, 1), g.arrowSize);
        arrow(painter, QPointF(x, bottom + g.numberGap), QPointF(0, -1), g.arrowSize);
    }
    if (middleY >= cells.top() && middleY <= cells.top() + cells.height()) {
        const double y = g.gridTop + g.cell * (middleY - cells.top());
        arrow(painter, QPointF(numbersLeft - g.numberGap, y), QPointF(1, 0), g.arrowSize);
        arrow(painter, QPointF(right + g.numberGap, y), QPointF(-1, 0), g.arrowSize);
    }
    painter.setBrush(Qt::NoBrush);
}

// Where the symbol of cell (x, y) starts on its baseline.
QPointF symbolOrigin(const ChartGeometry& g, int x, int y) {
    const QPointF origin(g.leftMargin + g.cell * x + g.symbolDx, g.gridTop + g.cell * y + g.symbolBaseline);
    return g.snapText ? QPointF(roundHalfEven(origin.x()), roundHalfEven(origin.y())) : origin;
}

// On a canvas drawn 1:1 in whole-pixel cells every glyph is kept inside its
// cell's interior, the cell less its grid lines; elsewhere glyphs go as drawn.
SymbolFitter symbolFitter(QPainter& painter, const ChartGeometry& g) {
    QPaintDevice* device = painter.device();
    const bool pixels = device != nullptr && device->devType() == QInternal::Image &&
                        wholePixelShift(painter) && g.snapText && whole(g.cell) &&
                        whole(g.symbolDx) && whole(g.symbolBaseline);
    if (!pixels) return SymbolFitter(g.symbolFont, kCanvasDotsPerMeter, kCanvasDotsPerMeter, std::nullopt);
    const auto* image = static_cast<const QImage*>(device);
    const int cell = static_cast<int>(g.cell), dx = static_cast<int>(g.symbolDx);
    const int baseline = static_cast<int>(g.symbolBaseline);
    return SymbolFitter(g.symbolFont, image->dotsPerMeterX(), image->dotsPerMeterY(),
                        QRect(1 - dx, 1 - baseline, cell - 1, cell - 1));
}

} // namespace


void writeText(QPainter& painter, const ChartGeometry& geometry, QPointF topLeft, const QString& text) {
    if (textOffCanvas(painter, topLeft.y())) return;
    double x = topLeft.x();
    double baseline = topLeft.y() + textAscent(painter.font(), painter.device());
    if (geometry.snapText) {
        x = roundHalfEven(x);
        baseline = roundHalfEven(baseline);
    }
    painter.drawText(QPointF(x, baseline), text);
}

int drawTitle(QPainter& painter, const ChartGeometry& g, const QString& title, const QString& subtitle) {
    useFont(painter, g.songFont);
    const QFontMetricsF metrics(painter.font(), painter.device());
    writeText(painter, g, QPointF((g.sheetWidth - metrics.horizontalAdvance(title)) / 2, g.titleTop), title);
    const double subtitleTop = metrics.height() + g.titleTop + g.subtitleGap;
    writeText(painter, g, QPointF(g.leftMargin, subtitleTop), subtitle);
    // The pen stands one line below the subtitle; the block ends one more line and a gap lower.
    return roundedInt(subtitleTop + 2 * metrics.height() + g.titleBottomGap);
}

std::optional<GridDrawn> drawGrid(QPainter& painter, const ChartGeometry& g, const GridInput& in,
                                  const JobControl& job) {
    GridDrawn drawn;
    const int w = in.cells.width(), h = in.cells.height();
    const auto blocks = [&] {
        drawn.blocks = in.style != ChartStyle::SymbolsOnly; // the style as the block pass starts
        return drawColourBlocks(painter, g, in, drawn.blocks, job);
    };
    const auto lines = [&] { return drawThinLines(painter, g, w, h, job); };
    const bool done = g.blocksUnderLines ? blocks() && lines() : lines() && blocks();
    if (!done) return std::nullopt;
    drawClosingLines(painter, g, w, h);
    if (g.patternMarks) {
        drawPatternNumbering(painter, g, in.chart, in.cells);
        drawPatternHeavyLines(painter, g, in.chart, in.cells);
    } else {
        drawNumbering(painter, g, in.cells);
        drawHeavyLines(painter, g, in.chart, in.cells);
    }
    drawn.bottom = roundedInt(g.gridTop + g.cell * h + g.gridBottomGap);
    return drawn;
}

// The symbols of each row as runs of glyphs, one run per ink; a symbol the face
// has no single glyph for is written as text, where the painter finds it a face.
bool drawSymbolRuns(QPainter& painter, const ChartGeometry& g, const SymbolInput& in, const JobControl& job) {
    QRawFont face = QRawFont::fromFont(g.symbolFont);
    face.setPixelSize(g.symbolFont.pointSizeF() * painter.device()->logicalDpiY() / 72);
    struct Glyph {
        quint32 index = 0;
        double dx = 0; // from the cell's left edge
        double advance = 0;
        QString text;  // when there is no single glyph
    };
    // A space after each symbol makes every cell's symbol a word of its own to a
    // reader of the text (a PDF's text layer), however close the glyphs stand.
    const QList<quint32> spaces = g.symbolWords ? face.glyphIndexesForString(QStringLiteral(" ")) : QList<quint32>{};
    const quint32 space = spaces.size() == 1 ? spaces[0] : 0;
    std::vector<Glyph> glyphs;
    const QFontMetricsF metrics(g.symbolFont, painter.device());
    for (const ChartThread& thread : in.chart.threads()) {
        Glyph glyph;
        glyph.text = QString::fromStdString(thread.symbol);
        const QList<quint32> indexes = face.glyphIndexesForString(glyph.text);
        if (indexes.size() == 1 && indexes[0] != 0) {
            glyph.index = indexes[0];
            glyph.advance = face.advancesForGlyphIndexes(indexes).value(0).x();
            glyph.dx = (g.cell - glyph.advance) / 2;
            glyph.text.clear();
        } else {
            glyph.dx = (g.cell - metrics.horizontalAdvance(glyph.text)) / 2;
        }
        glyphs.push_back(glyph);
    }
    struct Run {
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    const auto flush = [&](Run& run, const QColor& ink) {
        if (run.indexes.isEmpty()) return;
        QGlyphRun glyphRun;
        glyphRun.setRawFont(face);
        glyphRun.setGlyphIndexes(run.indexes);
        glyphRun.setPositions(run.positions);
        painter.setPen(ink);
        painter.drawGlyphRun(QPointF(0, 0), glyphRun);
        run = Run{};
    };
    const QRect& cells = in.cells;
    job.progress(0, cells.height());
    for (int row = 0; row < cells.height(); ++row) {
        Run black, white;
        const int y = cells.top() + row;
        for (int column = 0; column < cells.width(); ++column) {
            const int x = cells.left() + column;
            if (!job.carryOn()) return false;
            const int thread = in.chart.threadAt(x, y);
            if (thread == kNoStitch) continue;
            const Glyph& glyph = glyphs[static_cast<std::size_t>(thread)];
            const bool onDark = in.overBlocks && symbolInk(blockColourOf(g, in.chart, x, y)) == Qt::white;
            const QPointF origin(g.leftMargin + g.cell * column + glyph.dx, g.gridTop + g.cell * row + g.symbolBaseline);
            if (!glyph.text.isEmpty()) {
                painter.setPen(onDark ? Qt::white : Qt::black);
                painter.setFont(g.symbolFont);
                painter.drawText(origin, glyph.text);
                continue;
            }
            Run& run = onDark ? white : black;
            run.indexes.push_back(glyph.index);
            run.positions.push_back(origin);
            if (space != 0) {
                run.indexes.push_back(space);
                run.positions.push_back(origin + QPointF(glyph.advance, 0));
            }
        }
        flush(black, Qt::black);
        flush(white, Qt::white);
        job.progress(row + 1, cells.height());
    }
    return true;
}

bool drawSymbols(QPainter& painter, const ChartGeometry& g, const SymbolInput& in, const JobControl& job,
                 SymbolStamps* stamps) {
    if (g.symbolRuns && !stamps) return drawSymbolRuns(painter, g, in, job);
    useFont(painter, g.symbolFont);
    const DirectPixels direct = stamps ? directPixels(painter) : DirectPixels{};
    SymbolFitter fitter = symbolFitter(painter, g);
    std::vector<QString> symbols;
    for (const ChartThread& thread : in.chart.threads()) symbols.push_back(QString::fromStdString(thread.symbol));
    const QFont* font = &g.symbolFont;
    const QRect& cells = in.cells;
    const RowSpan drawn = rowsOnCanvas(painter, g, cells.height());
    job.progress(0, cells.height());
    for (int row = 0; row < cells.height(); ++row) {
        const int y = cells.top() + row;
        if (row < drawn.first || row >= drawn.end) {
            job.progress(row + 1, cells.height());
            continue;
        }
        for (int column = 0; column < cells.width(); ++column) {
            const int x = cells.left() + column;
            if (!job.carryOn()) return false;
            const int thread = in.chart.threadAt(x, y);
            if (thread == kNoStitch) continue;
            const QString& symbol = symbols[static_cast<std::size_t>(thread)];
            if (symbol.isEmpty()) continue;
            const QRgb ink = in.overBlocks ? symbolInk(blockColourOf(g, in.chart, x, y)).rgb() : qRgb(0, 0, 0);
            const SymbolPlacement& place = fitter.placementFor(symbol);
            const QPointF origin = symbolOrigin(g, column, row) + QPointF(place.shift);
            if (stamps) {
                stamps->draw(painter, direct, origin.toPoint(), symbol, ink, place.font);
            } else {
                if (font != &place.font) painter.setFont(*(font = &place.font));
                painter.setPen(QColor::fromRgb(ink));
                painter.drawText(origin, symbol);
            }
        }
        job.progress(row + 1, cells.height());
    }
    return true;
}

bool renderChart(QPainter& painter, const ChartGeometry& geometry, const Chart& chart, QRect cells,
                 ChartStyle style, const JobControl& job) {
    cells &= allCells(chart);
    const std::optional<GridDrawn> grid = drawGrid(painter, geometry, GridInput{chart, cells, style}, job);
    if (!grid) return false;
    const bool symbols = style != ChartStyle::BlocksOnly;
    if (symbols && !drawSymbols(painter, geometry, SymbolInput{chart, cells, grid->blocks}, job)) return false;
    drawStitchMarks(painter, geometry, MarkInput{chart, cells, grid->blocks, symbols});
    return true;
}

int drawLegendGrid(QPainter& painter, const ChartGeometry& g, int chartW, int /*chartH*/, int maxColor) {
    const LegendLayout layout = legendLayout(g, chartW, maxColor);
    const double top = g.legendTop;
    const double cw = g.legendCellWidth;
    const double ch = g.legendCellHeight;
    painter.setPen(thinPen(g));
    const DirectPixels direct = thinLinePixels(painter, g, {g.leftMargin, top, cw, ch});
    for (int r = 0; r <= layout.rows; ++r)
        thinLine(painter, direct, g.leftMargin, top + ch * r, g.leftMargin + cw * layout.cellsAcross, top + ch * r);
    for (int k = 0; k <= layout.cellsAcross; ++k)
        thinLine(painter, direct, g.leftMargin + cw * k, top, g.leftMargin + cw * k, top + ch * layout.rows);
    useFont(painter, g.legendFont);
    const double room = legendTextRoom(g);
    for (int r = 0; r < layout.rows; r += 3) {
        const QPointF corner = QPointF(g.leftMargin, top + ch * r) + g.legendTextOffset;
        writeTextWithin(painter, g, corner, pav::uiText("符号"), room);
        writeTextWithin(painter, g, corner + QPointF(0, ch), pav::uiText("线号"), room);
        writeTextWithin(painter, g, corner + QPointF(0, 2 * ch), pav::uiText("数量"), room);
    }
    return roundedInt(top + ch * (layout.rows + 2));
}

void drawLegendEntries(QPainter& painter, const ChartGeometry& g, const LegendInput& in,
                       const JobControl& job) {
    std::vector<int> legend = in.chart.legend();
    if (legend.size() > static_cast<std::size_t>(palette::kListCapacity)) legend.resize(palette::kListCapacity);
    const int entries = static_cast<int>(legend.size());
    const LegendLayout layout = legendLayout(g, in.chart.width(), entries);
    const double cw = g.legendCellWidth;
    const double ch = g.legendCellHeight;
    const double room = legendTextRoom(g);
    useFont(painter, g.legendFont);
    int i = 0;
    for (int r = 0; r < layout.rows; r += 3) {
        for (int k = 1; k <= layout.colourCells; ++k) {
            // Cells after the last legend entry stay empty.
            if (++i > entries) return;
            const ChartThread& thread = in.chart.threads()[static_cast<std::size_t>(legend[i - 1])];
            const QPointF cell(g.leftMargin + cw * k, g.legendTop + ch * r);
            const QPointF text = cell + g.legendTextOffset;
            if (!g.swatch.isEmpty()) {
                const std::int32_t swatch = swatchColor(thread.rgb, in.swatches);
                painter.fillRect(g.swatch.translated(cell), toQColor(swatch));
                job.letEventsRun();
                painter.setPen(symbolInk(swatch));
            }
            // A text wider than its cell is cut at the cell's edge rather than run into the next entry.
            if (g.clipLegendText) painter.setClipRect(QRectF(cell.x() + 1, cell.y(), cw - 1, 3 * ch));
            writeTextWithin(painter, g, text, QString::fromStdString(thread.symbol), room);
            painter.setPen(Qt::black);
            writeTextWithin(painter, g, text + QPointF(0, ch), QString::fromStdString(thread.number), room);
            writeTextWithin(painter, g, text + QPointF(0, 2 * ch), QString::number(thread.count), room);
            painter.setClipping(false);
        }
    }
}

void drawFooter(QPainter& painter, const ChartGeometry& g, int chartW, int chartH) {
    useFont(painter, g.songFont);
    writeText(painter, g, QPointF(g.leftMargin, g.footerTop) + g.footerOffset, footerText(chartW, chartH));
}









} // namespace pav::chart
