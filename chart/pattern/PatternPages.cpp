#include "chart/pattern/PatternPages.h"

#include "chart/ChartFonts.h"
#include "chart/StitchMarks.h"
#include "chart/pattern/PatternTexts.h"
#include "base/UiText.h"
#include "image/RgbValue.h"
#include "palette/ThreadCatalogue.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace pav::pattern {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
// How much of a cell a symbol's em takes, and where its baseline lies below the
// cell's centre (a Latin capital and a Han character alike look centred there).
constexpr double kSymbolEm = 0.78;
constexpr double kSymbolBaselineEm = 0.36;
const QColor kRule(150, 150, 150);
const QColor kFrame(66, 66, 66);
// The repeated rows and columns of a page: light enough to read every symbol through.
const QColor kRepeatShade(0, 0, 0, 30);

enum class Align { Left, Centre, Right };

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The program's faces, antialiased on paper.
QFont pageFont(const QFont& base, double points, bool bold = false) {
    QFont font = base;
    font.setStyleStrategy(QFont::PreferDefault);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
QFont songAt(double points, bool bold = false) {
    return pageFont(chart::songFont(), points, bold);
}

// One page being drawn: millimetres from the printable corner become device units.
struct Sheet {
    QPainter& painter;
    double d;
    const PatternSource& source;
    int page;

    QPointF at(double x, double y) const { return QPointF(x * d, y * d); }
    QRectF rect(double x, double y, double w, double h) const { return QRectF(x * d, y * d, w * d, h * d); }
    double width() const { return source.layout.printable.width(); }
    double height() const { return source.layout.printable.height(); }

    void font(const QFont& font, const QColor& colour = Qt::black) {
        painter.setFont(font);
        painter.setPen(colour);
    }
    // A text on the baseline y (mm), starting at, centred on or ending at x.
    void text(double x, double y, const QString& text, Align align = Align::Left) {
        const double advance = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
        double left = x * d;
        if (align == Align::Centre) left -= advance / 2;
        if (align == Align::Right) left -= advance;
        painter.drawText(QPointF(left, y * d), text);
    }
    void rule(double x1, double y1, double x2, double y2, const QColor& colour, double widthMm) {
        QPen pen(colour);
        pen.setWidthF(widthMm * d);
        painter.setPen(pen);
        painter.drawLine(at(x1, y1), at(x2, y2));
    }
    void frame(const QRectF& area, const QColor& colour, double widthMm) {
        QPen pen(colour);
        pen.setWidthF(widthMm * d);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    }
};

QString pageOf(const Sheet& s) {
    return pav::uiText(texts::kPageOf).arg(s.page).arg(s.source.layout.totalPages());
}

// Title and page number on the first line, what the page holds on the second.
void drawHeader(Sheet& s, const QString& info) {
    s.font(songAt(11, true));
    s.text(0, 4.5, chart::chartTitle(s.source.chart.title));
    s.font(songAt(10));
    s.text(s.width(), 4.5, pageOf(s), Align::Right);
    s.font(songAt(8.5));
    s.text(0, 8.8, info);
    s.rule(0, 10, s.width(), 10, kRule, 0.15);
}

QString threadName(const chart::Chart& chart, const chart::ChartThread& thread) {
    if (chart.range != chart::ThreadRange::Dmc) return qs(thread.number);
    return qs(palette::ThreadCatalogue::of(thread.brand).name()) + QLatin1Char(' ') + qs(thread.number);
}

QString oneDecimal(double value) {
    return QString::number(value, 'f', 1);
}

QString fabricText(int count) {
    return pav::uiText(overTwo(count) ? texts::kEvenweave : texts::kAida).arg(count);
}

// The chart's outline divided into each page's own part (its repeated rows and
// columns belong to the page before), with the page's number in it.
void drawPageMap(Sheet& s, const QRectF& box) {
    const PatternLayout& layout = s.source.layout;
    const chart::Chart& chart = s.source.chart;
    const double scale = std::min(box.width() / chart.width(), box.height() / chart.height());
    const QPointF origin(box.x() + (box.width() - chart.width() * scale) / 2, box.y());
    const auto ownEnd = [](const std::vector<Span>& spans, std::size_t i, int length) {
        return i + 1 < spans.size() ? spans[i + 1].first : length;
    };
    const double numberPoints = std::clamp(std::min(box.width() / layout.columns.size(), box.height() / layout.rows.size()) *
                                               0.35 * kPointsPerMm,
                                           6.0, 14.0);
    for (std::size_t i = 0; i < layout.chartPages.size(); ++i) {
        const ChartPage& page = layout.chartPages[i];
        const auto a = static_cast<std::size_t>(page.across), b = static_cast<std::size_t>(page.down);
        const double x1 = page.cells.left(), x2 = ownEnd(layout.columns, a, chart.width());
        const double y1 = page.cells.top(), y2 = ownEnd(layout.rows, b, chart.height());
        const QRectF own = s.rect(origin.x() + x1 * scale, origin.y() + y1 * scale, (x2 - x1) * scale,
                                  (y2 - y1) * scale);
        s.frame(own, kRule, 0.2);
        s.font(songAt(numberPoints, true), kFrame);
        const QFontMetricsF metrics(s.painter.font(), s.painter.device());
        const QString number = QString::number(layout.firstChartPage() + static_cast<int>(i));
        s.painter.drawText(QPointF(own.center().x() - metrics.horizontalAdvance(number) / 2,
                                   own.center().y() + metrics.capHeight() / 2),
                           number);
    }
    s.frame(s.rect(origin.x(), origin.y(), chart.width() * scale, chart.height() * scale), kFrame, 0.5);
}

void drawCover(Sheet& s) {
    const chart::Chart& chart = s.source.chart;
    const PatternLayout& layout = s.source.layout;
    const PatternOptions& o = layout.options;
    s.font(songAt(20, true));
    s.text(s.width() / 2, 10, chart::chartTitle(chart.title), Align::Centre);

    // The finished piece over at most the upper half of the page.
    const double boxTop = 18, boxHeight = s.height() * 0.45;
    const double scale = std::min(s.width() / chart.width(), boxHeight / chart.height());
    const QRectF picture((s.width() - chart.width() * scale) / 2, boxTop, chart.width() * scale,
                         chart.height() * scale);
    const QRectF onDevice = s.rect(picture.x(), picture.y(), picture.width(), picture.height());
    // Each stitch a crisp square: no JPEG in the PDF, no smoothing of the pixels.
    s.painter.save();
    s.painter.setRenderHint(QPainter::LosslessImageRendering);
    s.painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    s.painter.drawImage(onDevice, chart::finishedPiece(chart));
    s.painter.restore();
    s.frame(onDevice, kFrame, 0.2);

    const FinishedSize size = finishedSize(chart.width(), chart.height(), o.fabricCount);
    const int chartPages = static_cast<int>(layout.chartPages.size());
    const QString lines[] = {
        pav::uiText(texts::kCoverStitches).arg(chart.width()).arg(chart.height()),
        pav::uiText(texts::kCoverFinished)
            .arg(oneDecimal(size.widthCm), oneDecimal(size.heightCm), oneDecimal(size.widthIn),
                 oneDecimal(size.heightIn), fabricText(o.fabricCount)),
        pav::uiText(texts::kCoverThreads)
            .arg(qs(chart::chartRange(chart.rangeName)))
            .arg(s.source.threads.size())
            .arg(o.strands),
        pav::uiText(texts::kCoverPages)
            .arg(layout.totalPages())
            .arg(chartPages)
            .arg(layout.firstChartPage())
            .arg(layout.firstChartPage() + chartPages - 1)
            .arg(layout.legendPages),
    };
    double y = picture.bottom() + 9;
    s.font(songAt(10.5));
    for (const QString& line : lines) {
        s.text(0, y, line);
        y += 6;
    }
    if (const std::string missing = chart::notDrawnList(chart); !missing.empty()) {
        s.text(0, y, pav::uiText(texts::kCoverNotDrawn).arg(qs(missing)));
        y += 6;
    }
    s.font(songAt(10.5, true));
    s.text(0, y + 2, pav::uiText(texts::kCoverMap));
    const double mapTop = y + 6;
    drawPageMap(s, QRectF(s.width() * 0.1, mapTop, s.width() * 0.8, s.height() - mapTop));
}

bool drawChartPage(Sheet& s, const ChartPage& page, const chart::JobControl& job) {
    const PatternLayout& layout = s.source.layout;
    const QRect& cells = page.cells;
    QString info = pav::uiText(texts::kPageHolds)
                       .arg(cells.left() + 1)
                       .arg(cells.right() + 1)
                       .arg(cells.top() + 1)
                       .arg(cells.bottom() + 1);
    drawHeader(s, info);
    const chart::ChartGeometry g = chartPageGeometry(layout, s.d);
    const chart::ChartStyle style =
        layout.options.blackAndWhite ? chart::ChartStyle::SymbolsOnly : chart::ChartStyle::BlocksAndSymbols;
    if (!chart::renderChart(s.painter, g, s.source.chart, cells, style, job)) return false;
    // The rows and columns repeated from the page before, once each where they meet.
    const double c = g.cell;
    if (page.repeatedColumns > 0)
        s.painter.fillRect(QRectF(g.leftMargin, g.gridTop, c * page.repeatedColumns, c * cells.height()),
                           kRepeatShade);
    if (page.repeatedRows > 0)
        s.painter.fillRect(QRectF(g.leftMargin + c * page.repeatedColumns, g.gridTop,
                                  c * (cells.width() - page.repeatedColumns), c * page.repeatedRows),
                           kRepeatShade);
    return true;
}

constexpr double kLegendSymbolMm = 4.5;

// A legend row's symbol as the grid shows it: a cell with its block unless black
// and white, the symbol centred in it in the grid's face, sized to the cell.
void drawLegendSymbol(Sheet& s, const chart::ChartThread& thread, const QRectF& cellMm, const QFont& font) {
    const QRectF cell = s.rect(cellMm.x(), cellMm.y(), cellMm.width(), cellMm.height());
    QColor ink = Qt::black;
    if (!s.source.layout.options.blackAndWhite) {
        s.painter.fillRect(cell, image::toQColor(thread.rgb));
        ink = chart::symbolInk(thread.rgb);
    }
    s.frame(cell, kRule, 0.1);
    s.font(font, ink);
    const QString symbol = qs(thread.symbol);
    const QFontMetricsF metrics(font, s.painter.device());
    s.painter.drawText(QPointF(cell.center().x() - metrics.horizontalAdvance(symbol) / 2,
                               cell.center().y() + kSymbolBaselineEm * font.pointSizeF() / kPointsPerMm * s.d),
                       symbol);
}

// Columns of a legend table, in millimetres from its left edge.
constexpr double kSymbolColumn = 5;    // centre
constexpr double kSwatchColumn = 13;   // left
constexpr double kSwatchWidth = 10;
constexpr double kNumberColumn = 26;   // left
constexpr double kStitchesColumn = 64; // right end
constexpr double kSkeinsColumn = 80;   // right end

constexpr double kKeyLineMm = 9;

// A key row's mark where a thread's symbol goes: its line, its knot, its bead.
void drawKeyMark(Sheet& s, const KeyRow& row, const QRectF& cellMm) {
    const chart::Chart& chart = s.source.chart;
    const bool colour = !s.source.layout.options.blackAndWhite;
    const QRectF cell = s.rect(cellMm.x(), cellMm.y(), cellMm.width(), cellMm.height());
    const std::int32_t rgb = chart.threads()[static_cast<std::size_t>(row.thread)].rgb;
    s.painter.save();
    s.painter.setRenderHint(QPainter::Antialiasing, true);
    const double grid = s.source.layout.options.cellMm * s.d; // the marks as large as on the chart pages
    if (row.kind == KeyRowKind::BackStitch) {
        // Long enough to show its line's pattern.
        const double y = cell.center().y();
        chart::drawBackStitchLine(s.painter, chart, row.thread,
                                  QLineF(s.at(cellMm.center().x() - kKeyLineMm / 2, 0).x(), y,
                                         s.at(cellMm.center().x() + kKeyLineMm / 2, 0).x(), y),
                                  grid, colour);
    } else if (row.kind == KeyRowKind::Knot) {
        chart::drawKnotMark(s.painter, cell.center(), grid * 1.5, rgb, colour);
    } else {
        chart::drawBeadMark(s.painter, cell.center(), grid * 1.5, rgb, colour);
    }
    s.painter.restore();
}

QString keyRowName(const chart::Chart& chart, const KeyRow& row) {
    const QString name = threadName(chart, chart.threads()[static_cast<std::size_t>(row.thread)]);
    switch (row.kind) {
    case KeyRowKind::Cells: return name;
    case KeyRowKind::BackStitch: return name + QLatin1Char(' ') + pav::uiText(texts::kKeyBackStitch);
    case KeyRowKind::Knot: return name + QLatin1Char(' ') + pav::uiText(texts::kKeyKnot);
    case KeyRowKind::Bead: return name + QLatin1Char(' ') + pav::uiText(texts::kKeyBead);
    }
    return name;
}

// The stitches a key row counts: cross and part stitches in cells, back stitches, knots or beads.
int keyRowCount(const chart::StitchCounts& counts, KeyRowKind kind) {
    switch (kind) {
    case KeyRowKind::Cells: return counts.full + counts.partStitches();
    case KeyRowKind::BackStitch: return counts.backStitches;
    case KeyRowKind::Knot: return counts.knots;
    case KeyRowKind::Bead: return counts.beads;
    }
    return 0;
}

// Whether a row is its thread's first in the key, which carries the thread's skeins.
bool firstRowOfThread(const std::vector<KeyRow>& rows, int entry) {
    for (int i = 0; i < entry; ++i)
        if (rows[static_cast<std::size_t>(i)].thread == rows[static_cast<std::size_t>(entry)].thread) return false;
    return true;
}

void drawLegendPage(Sheet& s, int legendPage) {
    const PatternLayout& layout = s.source.layout;
    const chart::Chart& chart = s.source.chart;
    const PatternOptions& o = layout.options;
    drawHeader(s, pav::uiText(texts::kLegendTitle));
    // The grid's cell and glyph, enlarged to be told apart easily when shopping.
    const double c = std::max(o.cellMm, kLegendSymbolMm);
    const QFont symbolFont = patternSymbolFont(c);
    const int perPage = layout.legendTablesAcross * layout.legendRowsPerTable;
    const int first = legendPage * perPage;
    const std::vector<KeyRow> rows = patternKeyRows(chart);
    const std::vector<chart::StitchCounts> counts = chart.stitchCounts();
    const int count = static_cast<int>(rows.size());
    const double top = kHeaderMm + 1;
    for (int t = 0; t < layout.legendTablesAcross && first + t * layout.legendRowsPerTable < count; ++t) {
        const double left = t * (kLegendTableMm + kLegendTableGapMm);
        s.font(songAt(9, true));
        const double captionBase = top + kLegendRowMm - 1.8;
        s.text(left + kSymbolColumn, captionBase, pav::uiText(texts::kLegendSymbol), Align::Centre);
        s.text(left + kSwatchColumn + kSwatchWidth / 2, captionBase, pav::uiText(texts::kLegendSwatch), Align::Centre);
        s.text(left + kNumberColumn, captionBase, pav::uiText(texts::kLegendNumber));
        s.text(left + kStitchesColumn, captionBase, pav::uiText(texts::kLegendStitches), Align::Right);
        s.text(left + kSkeinsColumn, captionBase, pav::uiText(texts::kLegendSkeins), Align::Right);
        s.rule(left, top + kLegendRowMm, left + kLegendTableMm, top + kLegendRowMm, kFrame, 0.25);
        for (int r = 0; r < layout.legendRowsPerTable; ++r) {
            const int entry = first + t * layout.legendRowsPerTable + r;
            if (entry >= count) break;
            const KeyRow& row = rows[static_cast<std::size_t>(entry)];
            const chart::ChartThread& thread = chart.threads()[static_cast<std::size_t>(row.thread)];
            const double rowTop = top + kLegendRowMm * (r + 1);
            const double middle = rowTop + kLegendRowMm / 2;
            const QRectF symbolCell(left + kSymbolColumn - c / 2, middle - c / 2, c, c);
            if (row.kind == KeyRowKind::Cells)
                drawLegendSymbol(s, thread, symbolCell, symbolFont);
            else
                drawKeyMark(s, row, symbolCell);
            const QRectF swatch = s.rect(left + kSwatchColumn, middle - 2, kSwatchWidth, 4);
            s.painter.fillRect(swatch, image::toQColor(thread.rgb));
            s.frame(swatch, kRule, 0.1);
            s.font(songAt(9.5));
            const double base = middle + 1.2;
            s.text(left + kNumberColumn, base, keyRowName(chart, row));
            s.text(left + kStitchesColumn, base,
                   QString::number(keyRowCount(counts[static_cast<std::size_t>(row.thread)], row.kind)), Align::Right);
            if (firstRowOfThread(rows, entry)) {
                const int skeins = threadSkeins(chart, row.thread, o);
                s.text(left + kSkeinsColumn, base, skeins > 0 ? QString::number(skeins) : QStringLiteral("—"),
                       Align::Right);
            }
            s.rule(left, rowTop + kLegendRowMm, left + kLegendTableMm, rowTop + kLegendRowMm, kRule, 0.1);
        }
    }
    if (legendPage + 1 < layout.legendPages) return;

    // The totals under the tables of the last legend page: stitches in cells, skeins of every thread.
    int stitches = 0, skeins = 0;
    for (const KeyRow& row : rows)
        if (row.kind == KeyRowKind::Cells) stitches += keyRowCount(counts[static_cast<std::size_t>(row.thread)], row.kind);
    for (const int index : s.source.threads) skeins += threadSkeins(chart, index, o);
    const int threadCount = static_cast<int>(s.source.threads.size());
    const double totalTop = s.height() - kLegendFootMm + 4;
    s.rule(0, totalTop - 4.5, kLegendTableMm, totalTop - 4.5, kFrame, 0.25);
    s.font(songAt(10, true));
    s.text(kSymbolColumn, totalTop, pav::uiText(texts::kLegendTotal), Align::Centre);
    s.text(kNumberColumn, totalTop, pav::uiText(texts::kLegendColours).arg(threadCount));
    s.text(kStitchesColumn, totalTop, QString::number(stitches), Align::Right);
    s.text(kSkeinsColumn, totalTop, QString::number(skeins), Align::Right);
    s.font(songAt(9));
    s.text(0, totalTop + 8, pav::uiText(texts::kLegendNote).arg(fabricText(o.fabricCount)).arg(o.strands));
}

} // namespace

std::vector<int> patternThreads(const chart::Chart& chart) {
    const std::vector<chart::StitchCounts> counts = chart.stitchCounts();
    std::vector<int> threads;
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (counts[i].any()) threads.push_back(static_cast<int>(i));
    return threads;
}

std::vector<KeyRow> patternKeyRows(const chart::Chart& chart) {
    const std::vector<chart::StitchCounts> counts = chart.stitchCounts();
    std::vector<KeyRow> rows;
    const auto section = [&](KeyRowKind kind, auto has) {
        for (std::size_t i = 0; i < counts.size(); ++i)
            if (has(counts[i])) rows.push_back({kind, static_cast<int>(i)});
    };
    section(KeyRowKind::Cells, [](const chart::StitchCounts& c) { return c.inCells(); });
    section(KeyRowKind::BackStitch, [](const chart::StitchCounts& c) { return c.backStitches > 0; });
    section(KeyRowKind::Knot, [](const chart::StitchCounts& c) { return c.knots > 0; });
    section(KeyRowKind::Bead, [](const chart::StitchCounts& c) { return c.beads > 0; });
    return rows;
}

int threadSkeins(const chart::Chart& chart, int thread, const PatternOptions& options) {
    const chart::StitchCounts c = chart.stitchCounts(thread);
    // A half stitch takes half a cross's thread, a quarter or petite a quarter, a three-quarter three quarters.
    const double parts = 0.5 * c.half + 0.25 * (c.quarter + c.petite) + 0.75 * c.threeQuarter;
    const int crosses = c.full + static_cast<int>(std::ceil(parts)) + c.knots;
    return skeinsFor(crosses, c.backLength, options.fabricCount, options.strands);
}

PatternLayout layOutPattern(const chart::Chart& chart, const PatternOptions& options) {
    return layOutPattern(chart.width(), chart.height(), static_cast<int>(patternKeyRows(chart).size()), options);
}

QFont patternSymbolFont(double cellMm) {
    return pageFont(chart::songFont(), cellMm * kSymbolEm * kPointsPerMm);
}

chart::ChartGeometry chartPageGeometry(const PatternLayout& layout, double d) {
    chart::ChartGeometry g;
    const double c = layout.options.cellMm;
    g.sheetWidth = layout.printable.width() * d;
    g.cell = c * d;
    g.leftMargin = layout.gridArea.x() * d;
    g.gridTop = layout.gridArea.y() * d;
    g.rowLineStart = g.leftMargin;
    g.columnLineOverrun = 0;
    g.blockInset = 0;
    g.blockSize = g.cell;
    g.blocksUnderLines = true;
    g.blocksInThreadColour = true;
    g.symbolFont = patternSymbolFont(c);
    g.symbolDx = 0;
    g.symbolRuns = true;
    g.symbolBaseline = (c / 2 + kSymbolBaselineEm * c * kSymbolEm) * d;
    g.snapText = false;
    // About 0.1 mm thin lines and 0.3 mm heavy ones, whatever the resolution.
    g.thinPen = std::max(1, static_cast<int>(std::lround(0.1 * d)));
    g.heavyPen = std::max(2, static_cast<int>(std::lround(0.3 * d)));
    g.patternMarks = true;
    g.patternEvery = 10;
    g.numberGap = 0.8 * d;
    g.arrowSize = 2.2 * d;
    g.arialFont = pageFont(chart::arialFont(), 6.5);
    g.songFont = songAt(9);
    return g;
}

bool drawPatternPage(QPainter& painter, double dotsPerMm, const PatternSource& source, int page,
                     const chart::JobControl& job) {
    Sheet sheet{painter, dotsPerMm, source, page};
    const PatternLayout& layout = source.layout;
    if (page == 1) {
        drawCover(sheet);
        return true;
    }
    const int chartIndex = page - layout.firstChartPage();
    if (chartIndex < static_cast<int>(layout.chartPages.size()))
        return drawChartPage(sheet, layout.chartPages[static_cast<std::size_t>(chartIndex)], job);
    drawLegendPage(sheet, page - layout.firstLegendPage());
    return true;
}

} // namespace pav::pattern
