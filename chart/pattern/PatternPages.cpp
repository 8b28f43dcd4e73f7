#include "chart/pattern/PatternPages.h"

#include "chart/ChartFonts.h"
#include "chart/StitchMarks.h"
#include "chart/pattern/PatternChart.h"
#include "chart/pattern/PatternTexts.h"
#include "colour/ChartQuality.h"
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
const QColor kRule(150, 150, 150);
const QColor kFrame(66, 66, 66);
// The line between a page's own cells and those repeated from the page before:
// a colour no thread block hides, dashed over white so it shows on any block.
const QColor kRepeatLine(200, 0, 120);
constexpr double kRepeatLineMm = 0.35;

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

// The pages in their rows and columns, this page's box filled: which part of the chart is in hand.
void drawSmallMap(Sheet& s, const ChartPage* current, double right, double top, double height) {
    const PatternLayout& layout = s.source.layout;
    const auto across = static_cast<double>(layout.columns.size()), down = static_cast<double>(layout.rows.size());
    const double box = std::min({height / down, 28 / across, 3.0});
    const double left = right - box * across;
    for (const ChartPage& page : layout.chartPages) {
        const QRectF cell = s.rect(left + box * page.across, top + box * page.down, box, box);
        if (current && page.across == current->across && page.down == current->down)
            s.painter.fillRect(cell, kFrame);
        s.frame(cell, kFrame, 0.12);
    }
}

// Title and page number (with the small map of the pages) on the first line, what the page holds on the second.
void drawHeader(Sheet& s, const QString& info, const ChartPage* page = nullptr) {
    const PatternLayout& layout = s.source.layout;
    const double mapWidth = page && layout.chartPages.size() > 1
                                ? std::min({9.0 / layout.rows.size(), 28.0 / layout.columns.size(), 3.0}) *
                                      static_cast<double>(layout.columns.size())
                                : 0;
    s.font(songAt(11, true));
    s.text(0, 4.5, chart::chartTitle(s.source.chart.title));
    s.font(songAt(10));
    s.text(s.width() - (mapWidth > 0 ? mapWidth + 2 : 0), 4.5, pageOf(s), Align::Right);
    s.font(songAt(8.5));
    s.text(0, 8.8, info);
    if (mapWidth > 0) drawSmallMap(s, page, s.width(), 0.3, 9.2);
    s.rule(0, 10, s.width() - (mapWidth > 0 ? mapWidth + 2 : 0), 10, kRule, 0.15);
}

QString threadName(const chart::Chart& chart, const chart::ChartThread& thread) {
    if (chart.range != chart::ThreadRange::Dmc) return qs(thread.number);
    return qs(palette::ThreadCatalogue::of(thread.brand).name()) + QLatin1Char(' ') + qs(shopNumber(chart, thread));
}

QString oneDecimal(double value) {
    return QString::number(value, 'f', 1);
}

// A skeins' worth as metres of skein, up to the next tenth: never less than is used.
QString metresToBuy(double skeins) {
    return oneDecimal(std::ceil(skeins * kSkeinMetres * 10 - 1e-9) / 10);
}

QString fabricText(int count) {
    return pav::uiText(overTwo(count) ? texts::kEvenweave : texts::kAida).arg(count);
}

// The font of a text that fits within width x height (device units), from `points` down.
QFont fittedFont(const Sheet& s, const QString& text, double points, double width, double height) {
    QFont font = songAt(points, true);
    for (; points > 3; points -= 0.5) {
        font = songAt(points, true);
        const QFontMetricsF metrics(font, s.painter.device());
        if (metrics.horizontalAdvance(text) <= width && metrics.capHeight() <= height) break;
    }
    return font;
}

// The chart's outline divided into each page's own part (its repeated rows and
// columns belong to the page before), with the page's number inside it.
void drawPageMap(Sheet& s, const QRectF& box) {
    const PatternLayout& layout = s.source.layout;
    const chart::Chart& chart = s.source.chart;
    const double scale = std::min(box.width() / chart.width(), box.height() / chart.height());
    const QPointF origin(box.x() + (box.width() - chart.width() * scale) / 2, box.y());
    const auto ownEnd = [](const std::vector<Span>& spans, std::size_t i, int length) {
        return i + 1 < spans.size() ? spans[i + 1].first : length;
    };
    for (std::size_t i = 0; i < layout.chartPages.size(); ++i) {
        const ChartPage& page = layout.chartPages[i];
        const auto a = static_cast<std::size_t>(page.across), b = static_cast<std::size_t>(page.down);
        const double x1 = page.cells.left(), x2 = ownEnd(layout.columns, a, chart.width());
        const double y1 = page.cells.top(), y2 = ownEnd(layout.rows, b, chart.height());
        const QRectF own = s.rect(origin.x() + x1 * scale, origin.y() + y1 * scale, (x2 - x1) * scale,
                                  (y2 - y1) * scale);
        s.frame(own, kRule, 0.2);
        const QString number = QString::number(layout.firstChartPage() + static_cast<int>(i));
        s.font(fittedFont(s, number, 14, own.width() * 0.8, own.height() * 0.6), kFrame);
        const QFontMetricsF metrics(s.painter.font(), s.painter.device());
        s.painter.save();
        s.painter.setClipRect(own);
        s.painter.drawText(QPointF(own.center().x() - metrics.horizontalAdvance(number) / 2,
                                   own.center().y() + metrics.capHeight() / 2),
                           number);
        s.painter.restore();
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
    const double boxTop = 18, boxHeight = s.height() * 0.42;
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
    // The fabric to cut: the design and 5 cm on every side.
    constexpr double kFabricMarginCm = 5;
    const QString lines[] = {
        pav::uiText(texts::kCoverStitches).arg(chart.width()).arg(chart.height()),
        pav::uiText(texts::kCoverFinished)
            .arg(oneDecimal(size.widthCm), oneDecimal(size.heightCm), oneDecimal(size.widthIn),
                 oneDecimal(size.heightIn), fabricText(o.fabricCount)),
        pav::uiText(texts::kCoverCut)
            .arg(oneDecimal(size.widthCm + 2 * kFabricMarginCm), oneDecimal(size.heightCm + 2 * kFabricMarginCm)),
        pav::uiText(texts::kCoverThreads)
            .arg(qs(chart::chartRange(chart.rangeName)))
            .arg(patternThreads(chart).size())
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
    if (const std::string missing = chart::notDrawnList(chart); !missing.empty()) {
        s.text(0, y, pav::uiText(texts::kCoverNotDrawn).arg(qs(missing)));
        y += 6;
    }
    s.font(songAt(10.5, true));
    s.text(0, y + 2, pav::uiText(texts::kCoverMap));
    const double mapTop = y + 6;
    drawPageMap(s, QRectF(s.width() * 0.1, mapTop, s.width() * 0.8, s.height() - mapTop));
}

// The page number of the chart page at (across, down), or 0 where there is none.
int chartPageAt(const PatternLayout& layout, int across, int down) {
    const int columns = static_cast<int>(layout.columns.size()), rows = static_cast<int>(layout.rows.size());
    if (across < 0 || down < 0 || across >= columns || down >= rows) return 0;
    return layout.firstChartPage() + down * columns + across;
}

// "接第 5 页" beside every edge of the grid that the chart goes on beyond.
void drawContinuations(Sheet& s, const ChartPage& page, const QRectF& grid) {
    const PatternLayout& layout = s.source.layout;
    s.font(songAt(6.5, true), kFrame);
    const auto words = [](int number) { return pav::uiText(texts::kContinues).arg(number); };
    if (const int above = chartPageAt(layout, page.across, page.down - 1))
        s.text(grid.left(), grid.top() - 5.6, QStringLiteral("↑ ") + words(above));
    if (const int below = chartPageAt(layout, page.across, page.down + 1))
        s.text(grid.left(), grid.bottom() + 3.4, QStringLiteral("↓ ") + words(below));
    const auto upright = [&](double x, double y, const QString& text, double turn) {
        s.painter.save();
        s.painter.translate(s.at(x, y));
        s.painter.rotate(turn);
        s.painter.drawText(QPointF(0, 0), text);
        s.painter.restore();
    };
    // Read from the top down on the right, from the bottom up on the left, both beside the grid's top rows.
    if (const int right = chartPageAt(layout, page.across + 1, page.down))
        upright(grid.right() + 2.0, grid.top(), words(right) + QStringLiteral(" →"), 90);
    if (const int left = chartPageAt(layout, page.across - 1, page.down)) {
        const QString text = QStringLiteral("← ") + words(left);
        const double length = QFontMetricsF(s.painter.font(), s.painter.device()).horizontalAdvance(text) / s.d;
        upright(grid.left() - 8.0, grid.top() + length, text, -90);
    }
}

// The dashed line between the cells repeated from the page before and the page's own.
void drawRepeatLines(Sheet& s, const ChartPage& page, const chart::ChartGeometry& g) {
    const double c = g.cell;
    const QRectF grid(g.leftMargin, g.gridTop, c * page.cells.width(), c * page.cells.height());
    QPen under(QColor(255, 255, 255));
    under.setWidthF(kRepeatLineMm * s.d);
    QPen dashes(s.source.layout.options.blackAndWhite ? QColor(Qt::black) : kRepeatLine);
    dashes.setWidthF(kRepeatLineMm * s.d);
    dashes.setDashPattern({4, 3});
    dashes.setCapStyle(Qt::FlatCap);
    const auto both = [&](QPointF a, QPointF b) {
        s.painter.setPen(under);
        s.painter.drawLine(a, b);
        s.painter.setPen(dashes);
        s.painter.drawLine(a, b);
    };
    if (page.repeatedColumns > 0) {
        const double x = grid.left() + c * page.repeatedColumns;
        both(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
    }
    if (page.repeatedRows > 0) {
        const double y = grid.top() + c * page.repeatedRows;
        both(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
}

bool drawChartPage(Sheet& s, const ChartPage& page, const chart::JobControl& job) {
    const PatternLayout& layout = s.source.layout;
    const QRect& cells = page.cells;
    QString info = pav::uiText(texts::kPageHolds)
                       .arg(cells.left() + 1)
                       .arg(cells.right() + 1)
                       .arg(cells.top() + 1)
                       .arg(cells.bottom() + 1);
    if (page.repeatedColumns > 0)
        info += pav::uiText(texts::kRepeatedColumns)
                    .arg(page.repeatedColumns)
                    .arg(chartPageAt(layout, page.across - 1, page.down));
    if (page.repeatedRows > 0)
        info += pav::uiText(texts::kRepeatedRows).arg(page.repeatedRows).arg(chartPageAt(layout, page.across, page.down - 1));
    drawHeader(s, info, &page);
    const chart::ChartGeometry g = chartPageGeometry(layout, s.d);
    const chart::ChartStyle style =
        layout.options.blackAndWhite ? chart::ChartStyle::SymbolsOnly : chart::ChartStyle::BlocksAndSymbols;
    if (!chart::renderChart(s.painter, g, s.source.chart, cells, style, job)) return false;
    drawRepeatLines(s, page, g);
    const QRectF grid(layout.gridArea.x(), layout.gridArea.y(), layout.options.cellMm * cells.width(),
                      layout.options.cellMm * cells.height());
    drawContinuations(s, page, grid);
    return true;
}

constexpr double kLegendSymbolMm = 4.5;

// A key row's symbol as the grid shows it: a cell with its block unless black
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

// Columns of a key table, in millimetres from its left edge.
constexpr double kSymbolColumn = 5;    // centre
constexpr double kSwatchColumn = 11;   // left
constexpr double kSwatchWidth = 8;
constexpr double kNumberColumn = 22;   // left
constexpr double kNameColumn = 52;     // left: room for "DMC B5200 法式结"
constexpr double kNameWidth = 54;
constexpr double kStrandsColumn = 114; // right end
constexpr double kStitchesColumn = 130;
constexpr double kLengthColumn = 148;
constexpr double kSkeinsColumn = 161;

void drawKeyCaptions(Sheet& s, double left, double top) {
    s.font(songAt(8.5, true));
    const double base = top + kLegendRowMm - 1.8;
    s.text(left + kSymbolColumn, base, pav::uiText(texts::kLegendSymbol), Align::Centre);
    s.text(left + kSwatchColumn + kSwatchWidth / 2, base, pav::uiText(texts::kLegendSwatch), Align::Centre);
    s.text(left + kNumberColumn, base, pav::uiText(texts::kLegendNumber));
    s.text(left + kNameColumn, base, pav::uiText(texts::kLegendName));
    s.text(left + kStrandsColumn, base, pav::uiText(texts::kLegendStrands), Align::Right);
    s.text(left + kStitchesColumn, base, pav::uiText(texts::kLegendStitches), Align::Right);
    s.text(left + kLengthColumn, base, pav::uiText(texts::kLegendLength), Align::Right);
    s.text(left + kSkeinsColumn, base, pav::uiText(texts::kLegendSkeins), Align::Right);
    s.rule(left, top + kLegendRowMm, left + kLegendTableMm, top + kLegendRowMm, kFrame, 0.25);
}

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

void drawKeyRow(Sheet& s, const KeyRow& row, double left, double rowTop, const QFont& symbolFont, double c) {
    const chart::Chart& chart = s.source.chart;
    const PatternOptions& o = s.source.layout.options;
    const chart::ChartThread& thread = chart.threads()[static_cast<std::size_t>(row.thread)];
    const double middle = rowTop + kLegendRowMm / 2;
    const QRectF mark(left + kSymbolColumn - c / 2, middle - c / 2, c, c);
    if (row.kind == KeyRowKind::Cells) drawLegendSymbol(s, thread, mark, symbolFont);
    else drawKeyMark(s, row, mark);
    const QRectF swatch = s.rect(left + kSwatchColumn, middle - 2, kSwatchWidth, 4);
    s.painter.fillRect(swatch, image::toQColor(thread.rgb));
    s.frame(swatch, kRule, 0.1);
    s.font(songAt(9));
    const double base = middle + 1.2;
    s.text(left + kNumberColumn, base, keyRowName(chart, row));
    QString name = qs(thread.name);
    if (isMetallic(chart, thread)) name += pav::uiText(texts::kMetallic);
    const QFontMetricsF metrics(s.painter.font(), s.painter.device());
    s.text(left + kNameColumn, base, metrics.elidedText(name, Qt::ElideRight, kNameWidth * s.d));
    const RowFigures figures = keyRowFigures(s.source.uses[static_cast<std::size_t>(row.thread)], row.kind, o);
    s.text(left + kStitchesColumn, base, QString::number(figures.stitches), Align::Right);
    // Beads are bought as beads: no strands, length or skeins.
    const QString none = QStringLiteral("—");
    const bool threaded = row.kind != KeyRowKind::Bead;
    s.text(left + kStrandsColumn, base, threaded ? QString::number(o.strands) : none, Align::Right);
    s.text(left + kLengthColumn, base, threaded ? metresToBuy(figures.skeins) : none, Align::Right);
    s.text(left + kSkeinsColumn, base, threaded ? QString::number(skeinsToBuy(figures.skeins)) : none, Align::Right);
}

void drawLegendPage(Sheet& s, int legendPage) {
    const PatternLayout& layout = s.source.layout;
    const PatternOptions& o = layout.options;
    drawHeader(s, pav::uiText(texts::kLegendTitle));
    // The grid's cell and glyph, enlarged to be told apart easily when shopping.
    const double c = std::max(o.cellMm, kLegendSymbolMm);
    const QFont symbolFont = patternSymbolFont(c, o.symbols);
    const std::vector<KeyRow>& rows = s.source.rows;
    const int perPage = layout.legendTablesAcross * layout.legendRowsPerTable;
    const int first = legendPage * perPage;
    const int count = static_cast<int>(rows.size());
    const double top = kHeaderMm + 1;
    for (int t = 0; t < layout.legendTablesAcross && first + t * layout.legendRowsPerTable < count; ++t) {
        const double left = t * (kLegendTableMm + kLegendTableGapMm);
        drawKeyCaptions(s, left, top);
        for (int r = 0; r < layout.legendRowsPerTable; ++r) {
            const int entry = first + t * layout.legendRowsPerTable + r;
            if (entry >= count) break;
            const double rowTop = top + kLegendRowMm * (r + 1);
            drawKeyRow(s, rows[static_cast<std::size_t>(entry)], left, rowTop, symbolFont, c);
            s.rule(left, rowTop + kLegendRowMm, left + kLegendTableMm, rowTop + kLegendRowMm, kRule, 0.1);
        }
    }
    if (legendPage + 1 < layout.legendPages) return;

    // The totals under the tables of the last key page, and the rule the skeins follow.
    int stitches = 0, skeins = 0;
    for (const KeyRow& row : s.source.rows) {
        const RowFigures figures = keyRowFigures(s.source.uses[static_cast<std::size_t>(row.thread)], row.kind, o);
        if (row.kind == KeyRowKind::Cells) stitches += figures.stitches;
        if (row.kind != KeyRowKind::Bead) skeins += skeinsToBuy(figures.skeins);
    }
    const double totalTop = s.height() - kLegendFootMm + 4;
    s.rule(0, totalTop - 4.5, kLegendTableMm, totalTop - 4.5, kFrame, 0.25);
    s.font(songAt(10, true));
    s.text(kSymbolColumn, totalTop, pav::uiText(texts::kLegendTotal), Align::Centre);
    s.text(kNumberColumn, totalTop, pav::uiText(texts::kLegendColours).arg(patternThreads(s.source.chart).size()));
    s.text(kStitchesColumn, totalTop, QString::number(stitches), Align::Right);
    s.text(kSkeinsColumn, totalTop, QString::number(skeins), Align::Right);
    s.font(songAt(8.5));
    const QString note = pav::uiText(texts::kLegendNote).arg(fabricText(o.fabricCount)).arg(o.strands) +
                         QLatin1Char('\n') + pav::uiText(texts::kLegendNoteMore);
    s.painter.drawText(s.rect(0, totalTop + 3.5, s.width(), kLegendFootMm - 7.5), Qt::TextWordWrap, note);
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

std::vector<ThreadUse> threadUses(const chart::Chart& chart) {
    std::vector<ThreadUse> uses(chart.threads().size());
    const std::vector<chart::StitchCounts> counts = chart.stitchCounts();
    for (std::size_t t = 0; t < uses.size() && t < counts.size(); ++t) uses[t].counts = counts[t];
    std::vector<int> cells;
    cells.reserve(static_cast<std::size_t>(chart.width()) * chart.height());
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) cells.push_back(chart.threadAt(x, y));
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const int t = chart.threadAt(x, y);
            if (t < 0 || static_cast<std::size_t>(t) >= uses.size()) continue;
            if (colour::isIsolated(cells, chart.width(), chart.height(), x, y)) ++uses[static_cast<std::size_t>(t)].isolated;
        }
    return uses;
}

RowFigures keyRowFigures(const ThreadUse& use, KeyRowKind kind, const PatternOptions& o) {
    const chart::StitchCounts& c = use.counts;
    switch (kind) {
    case KeyRowKind::Cells: {
        // A half stitch takes half a cross's thread, a quarter or petite a quarter, a three-quarter three quarters.
        const double parts = 0.5 * c.half + 0.25 * (c.quarter + c.petite) + 0.75 * c.threeQuarter;
        const int crosses = c.full + static_cast<int>(std::ceil(parts));
        return {c.full + c.partStitches(), crossSkeins(crosses, use.isolatedShare(), o.fabricCount, o.strands)};
    }
    case KeyRowKind::BackStitch: return {c.backStitches, backStitchSkeins(c.backLength, o.fabricCount, o.strands)};
    case KeyRowKind::Knot: return {c.knots, crossSkeins(c.knots, 0, o.fabricCount, o.strands)};
    case KeyRowKind::Bead: return {c.beads, 0};
    }
    return {};
}

int threadSkeins(const chart::Chart& chart, int thread, const PatternOptions& options) {
    const ThreadUse use = threadUses(chart)[static_cast<std::size_t>(thread)];
    double skeins = 0;
    for (const KeyRowKind kind : {KeyRowKind::Cells, KeyRowKind::BackStitch, KeyRowKind::Knot})
        skeins += keyRowFigures(use, kind, options).skeins;
    return skeinsToBuy(skeins);
}

PatternLayout layOutPattern(const chart::Chart& chart, const PatternOptions& options) {
    const chart::Chart shown = patternChart(chart, options.symbols);
    return layOutPattern(chart.width(), chart.height(), static_cast<int>(patternKeyRows(shown).size()), options);
}

PatternSource patternSource(const chart::Chart& chart, const PatternOptions& options) {
    PatternSource source{patternChart(chart, options.symbols), {}, {}, {}};
    source.rows = patternKeyRows(source.chart);
    source.uses = threadUses(source.chart);
    source.layout = layOutPattern(chart.width(), chart.height(), static_cast<int>(source.rows.size()), options);
    return source;
}

QFont patternSymbolFont(double cellMm, SymbolChoice symbols) {
    const double points = cellMm * kSymbolEm * kPointsPerMm;
    if (symbols == SymbolChoice::Chart) return pageFont(chart::songFont(), points);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleStrategy(QFont::PreferDefault);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
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
    g.symbolFont = patternSymbolFont(c, layout.options.symbols);
    g.symbolDx = 0;
    g.symbolRuns = true;
    g.symbolWords = true;
    g.symbolBaseline = (c / 2 + kSymbolBaselineEm * c * kSymbolEm) * d;
    g.snapText = false;
    // About 0.1 mm thin lines and 0.3 mm heavy ones, whatever the resolution; on
    // blocks, a 0.7 mm light line under each heavy one keeps it seen on dark colours.
    g.thinPen = std::max(1, static_cast<int>(std::lround(0.1 * d)));
    g.heavyPen = std::max(2, static_cast<int>(std::lround(0.3 * d)));
    if (!layout.options.blackAndWhite) g.heavyHaloPen = std::max(4, static_cast<int>(std::lround(0.7 * d)));
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
