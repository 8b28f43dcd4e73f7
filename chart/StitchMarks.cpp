#include "chart/StitchMarks.h"

#include "chart/ChartRenderer.h"
#include "image/ReductionRules.h"
#include "image/RgbValue.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace pav::chart {
namespace {

using image::toQColor;

// The ink of every mark without colour, and of the edges of marks in colour.
const QColor kDark(24, 24, 24);
// The area of a part stitch without colour: light enough to read its symbol on.
const QColor kPartShade(0, 0, 0, 38);
// The edge along a light thread's back stitch in colour.
const QColor kEdge(110, 110, 110);

// The smallest cell, in device pixels, that part stitches' small symbols are written in.
constexpr double kSmallSymbolCell = 16;
// Threads this light get a dark edge along their back stitches, or white ones would vanish on paper.
constexpr int kLightLine = 215;

// Line patterns of the back-stitch threads without colour, in pen widths.
const std::array<QList<qreal>, 8> kPatterns = {{
    {},
    {4, 2},
    {0.1, 2},
    {5, 1.6, 0.1, 1.6},
    {5, 1.6, 0.1, 1.6, 0.1, 1.6},
    {9, 2.5},
    {2, 1.2, 2, 3.5},
    {9, 2, 2, 2},
}};

QRectF cellRect(const ChartGeometry& g, QRect cells, int x, int y) {
    return QRectF(g.leftMargin + g.cell * (x - cells.left()), g.gridTop + g.cell * (y - cells.top()), g.cell, g.cell);
}

QPointF gridPoint(const ChartGeometry& g, QRect cells, double halfX, double halfY) {
    return QPointF(g.leftMargin + g.cell * (halfX / 2.0 - cells.left()),
                   g.gridTop + g.cell * (halfY / 2.0 - cells.top()));
}

QRectF blockRect(const ChartGeometry& g, QRect cells) {
    return QRectF(gridPoint(g, cells, 2 * cells.left(), 2 * cells.top()),
                  gridPoint(g, cells, 2 * (cells.right() + 1), 2 * (cells.bottom() + 1)));
}

QPointF cornerOf(const QRectF& r, CellCorner corner) {
    switch (corner) {
    case CellCorner::TopLeft: return r.topLeft();
    case CellCorner::TopRight: return r.topRight();
    case CellCorner::BottomLeft: return r.bottomLeft();
    case CellCorner::BottomRight: return r.bottomRight();
    }
    return r.topLeft();
}

// The quarter of the cell at a corner.
QRectF quarterRect(const QRectF& r, CellCorner corner) {
    const QPointF c = cornerOf(r, corner);
    return QRectF(c, r.center()).normalized();
}

// The shape a part stitch covers, and where its symbol goes.
struct PartShape {
    QPolygonF area;
    QPointF symbolCentre;
    double symbolScale = 0.5; // of the cell's symbol
};

PartShape partShape(const PartStitch& stitch, const QRectF& r) {
    const QPointF centre = r.center();
    switch (stitch.kind) {
    case PartStitchKind::Half: {
        // A band along the diagonal, a third of the cell wide.
        const double k = r.width() / 3;
        if (stitch.diagonal == Diagonal::Forward)
            return {QPolygonF({r.bottomLeft(), r.bottomLeft() + QPointF(0, -k), r.topRight() + QPointF(-k, 0),
                               r.topRight(), r.topRight() + QPointF(0, k), r.bottomLeft() + QPointF(k, 0)}),
                    centre, 0.5};
        return {QPolygonF({r.topLeft(), r.topLeft() + QPointF(k, 0), r.bottomRight() + QPointF(0, -k),
                           r.bottomRight(), r.bottomRight() + QPointF(-k, 0), r.topLeft() + QPointF(0, k)}),
                centre, 0.5};
    }
    case PartStitchKind::ThreeQuarter: {
        // The half of the cell around the corner, cut off by the other diagonal.
        const QPointF c = cornerOf(r, stitch.corner);
        const bool left = stitch.corner == CellCorner::TopLeft || stitch.corner == CellCorner::BottomLeft;
        const bool top = stitch.corner == CellCorner::TopLeft || stitch.corner == CellCorner::TopRight;
        const QPointF alongX(left ? r.right() : r.left(), c.y());
        const QPointF alongY(c.x(), top ? r.bottom() : r.top());
        return {QPolygonF({c, alongX, alongY}), (c + alongX + alongY) / 3, 0.5};
    }
    case PartStitchKind::Quarter: {
        // A triangle in the corner, its legs 0.7 of the cell's edges: told from a petite's square.
        const QPointF c = cornerOf(r, stitch.corner);
        const QPointF toCentre = r.center() - c;
        const QPointF onX(c.x() + 1.4 * toCentre.x(), c.y());
        const QPointF onY(c.x(), c.y() + 1.4 * toCentre.y());
        return {QPolygonF({c, onX, onY}), (c + onX + onY) / 3, 0.4};
    }
    case PartStitchKind::Petite: {
        const QRectF q = quarterRect(r, stitch.corner);
        return {QPolygonF(q), q.center(), 0.4};
    }
    }
    return {};
}

QFont scaledFont(QFont font, double scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    else
        font.setPointSizeF(std::max(0.5, font.pointSizeF() * scale));
    return font;
}

void drawCentredText(QPainter& painter, const QFont& font, QPointF centre, const QString& text) {
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double baseline = centre.y() + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(text) / 2, baseline), text);
}

bool inBlock(QRect cells, int x, int y) {
    return cells.contains(x, y);
}

bool validThread(const Chart& chart, int thread) {
    return thread >= 0 && thread < static_cast<int>(chart.threads().size());
}

} // namespace

void drawPartStitches(QPainter& painter, const ChartGeometry& g, const MarkInput& in) {
    const QRect cells = in.cells & QRect(0, 0, in.chart.width(), in.chart.height());
    if (in.chart.partStitches.empty() || cells.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont fonts[] = {scaledFont(g.symbolFont, 0.5), scaledFont(g.symbolFont, 0.4)};
    QPen edge(kDark);
    edge.setWidthF(std::max(g.cell / 14, 0.0));
    // A small symbol needs a cell of some size on the device: the sheet's 10 pixels show the shapes only.
    const bool symbols = in.symbols && g.cell * painter.deviceTransform().m11() >= kSmallSymbolCell;
    for (const PartStitch& stitch : in.chart.partStitches) {
        if (!inBlock(cells, stitch.x, stitch.y) || !validThread(in.chart, stitch.thread)) continue;
        const ChartThread& thread = in.chart.threads()[static_cast<std::size_t>(stitch.thread)];
        const PartShape shape = partShape(stitch, cellRect(g, cells, stitch.x, stitch.y));
        if (in.colour) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(toQColor(thread.rgb));
        } else {
            painter.setPen(edge);
            painter.setBrush(kPartShade);
        }
        painter.drawPolygon(shape.area);
        if (!symbols || thread.symbol.empty()) continue;
        painter.setPen(in.colour ? symbolInk(thread.rgb) : QColor(Qt::black));
        drawCentredText(painter, shape.symbolScale < 0.5 ? fonts[1] : fonts[0], shape.symbolCentre,
                        QString::fromStdString(thread.symbol));
    }
    painter.restore();
}

std::vector<int> backStitchThreads(const Chart& chart) {
    std::vector<bool> used(chart.threads().size(), false);
    for (const BackStitch& stitch : chart.backStitches)
        if (validThread(chart, stitch.thread)) used[static_cast<std::size_t>(stitch.thread)] = true;
    std::vector<int> threads;
    for (std::size_t t = 0; t < used.size(); ++t)
        if (used[t]) threads.push_back(static_cast<int>(t));
    return threads;
}

QPen backStitchPen(const Chart& chart, int thread, double width, bool colour) {
    QPen pen(colour && validThread(chart, thread) ? toQColor(chart.threads()[static_cast<std::size_t>(thread)].rgb)
                                                  : kDark);
    pen.setWidthF(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (colour) return pen;
    const std::vector<int> threads = backStitchThreads(chart);
    const auto at = std::find(threads.begin(), threads.end(), thread);
    const std::size_t order = at == threads.end() ? 0 : static_cast<std::size_t>(at - threads.begin());
    const QList<qreal>& pattern = kPatterns[order % kPatterns.size()];
    // Past the patterns, the same patterns again in a heavier line.
    if (order >= kPatterns.size()) pen.setWidthF(width * 1.6);
    if (!pattern.isEmpty()) {
        pen.setDashPattern(pattern);
        pen.setCapStyle(pattern.size() == 2 && pattern[0] < 1 ? Qt::RoundCap : Qt::FlatCap);
    }
    return pen;
}

namespace {

bool lightThread(const Chart& chart, int thread) {
    const std::int32_t rgb = chart.threads()[static_cast<std::size_t>(thread)].rgb;
    return image::rules::greySum(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb)) / 1000 >= kLightLine;
}

double backStitchWidth(double cell, bool colour) {
    return colour ? cell / 5 : cell / 6;
}

} // namespace

namespace {

// A back stitch's pens: the grey edge that keeps a light line visible on paper, and the line.
struct BackStitchPens {
    std::optional<QPen> edge;
    QPen line;
};

BackStitchPens backStitchPens(const Chart& chart, int thread, double cell, bool colour) {
    const double width = backStitchWidth(cell, colour);
    BackStitchPens pens{std::nullopt, backStitchPen(chart, thread, width, colour)};
    if (colour && lightThread(chart, thread)) {
        QPen edge(kEdge);
        edge.setWidthF(width * 1.6);
        edge.setCapStyle(Qt::RoundCap);
        pens.edge = edge;
    }
    return pens;
}

void strokeBackStitch(QPainter& painter, const BackStitchPens& pens, QLineF line) {
    if (pens.edge) {
        painter.setPen(*pens.edge);
        painter.drawLine(line);
    }
    painter.setPen(pens.line);
    painter.drawLine(line);
}

// The part of the painter's coordinates that reaches its device: a band of the sheet
// holds only a few rows, and a chart may hold hundreds of thousands of back stitches.
QRectF visibleArea(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr) return {};
    bool invertible = false;
    const QTransform toLogical = painter.deviceTransform().inverted(&invertible);
    if (!invertible) return {};
    return toLogical.mapRect(QRectF(0, 0, device->width(), device->height()));
}

} // namespace

void drawBackStitchLine(QPainter& painter, const Chart& chart, int thread, QLineF line, double cell, bool colour) {
    if (!validThread(chart, thread)) return;
    strokeBackStitch(painter, backStitchPens(chart, thread, cell, colour), line);
}

void drawBackStitchLines(QPainter& painter, const ChartGeometry& g, const MarkInput& in) {
    const QRect cells = in.cells & QRect(0, 0, in.chart.width(), in.chart.height());
    if (in.chart.backStitches.empty() || cells.isEmpty()) return;
    painter.save();
    painter.setClipRect(blockRect(g, cells));
    const QRectF area = visibleArea(painter) & QRectF(blockRect(g, cells));
    const double reach = g.cell; // wider than any back stitch's pen
    // Pens once per thread: in black and white each thread's line style depends on every back stitch.
    std::vector<std::optional<BackStitchPens>> pens(in.chart.threads().size());
    for (const BackStitch& stitch : in.chart.backStitches) {
        if (!validThread(in.chart, stitch.thread)) continue;
        const QLineF line(gridPoint(g, cells, stitch.x1, stitch.y1), gridPoint(g, cells, stitch.x2, stitch.y2));
        const QRectF bounds = QRectF(line.p1(), line.p2()).normalized().adjusted(-reach, -reach, reach, reach);
        if (!area.isNull() && !area.intersects(bounds)) continue;
        std::optional<BackStitchPens>& threadPens = pens[static_cast<std::size_t>(stitch.thread)];
        if (!threadPens) threadPens = backStitchPens(in.chart, stitch.thread, g.cell, in.colour);
        strokeBackStitch(painter, *threadPens, line);
    }
    painter.restore();
}

void drawKnotMark(QPainter& painter, QPointF centre, double cell, std::int32_t rgb, bool colour) {
    QPen pen(kDark);
    pen.setWidthF(cell / 16);
    painter.setPen(pen);
    painter.setBrush(colour ? toQColor(rgb) : kDark);
    const double r = cell * 0.2;
    painter.drawEllipse(centre, r, r);
}

void drawBeadMark(QPainter& painter, QPointF centre, double cell, std::int32_t rgb, bool colour) {
    // A ring with its hole: told from a knot's dot in black and white too.
    QPen pen(kDark);
    pen.setWidthF(cell / 12);
    painter.setPen(pen);
    painter.setBrush(colour ? toQColor(rgb) : QColor(Qt::white));
    const double r = cell * 0.32;
    painter.drawEllipse(centre, r, r);
    painter.setBrush(colour ? QColor(Qt::white) : kDark);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, r * 0.3, r * 0.3);
}

void drawOrnaments(QPainter& painter, const ChartGeometry& g, const MarkInput& in) {
    const QRect cells = in.cells & QRect(0, 0, in.chart.width(), in.chart.height());
    if (in.chart.ornaments.empty() || cells.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(blockRect(g, cells));
    const QRect points(2 * cells.left(), 2 * cells.top(), 2 * cells.width() + 1, 2 * cells.height() + 1);
    for (const Ornament& ornament : in.chart.ornaments) {
        if (!points.contains(ornament.x, ornament.y) || !validThread(in.chart, ornament.thread)) continue;
        const std::int32_t rgb = in.chart.threads()[static_cast<std::size_t>(ornament.thread)].rgb;
        const QPointF centre = gridPoint(g, cells, ornament.x, ornament.y);
        if (ornament.kind == OrnamentKind::Bead)
            drawBeadMark(painter, centre, g.cell, rgb, in.colour);
        else
            drawKnotMark(painter, centre, g.cell, rgb, in.colour);
    }
    painter.restore();
}

void drawStitchMarks(QPainter& painter, const ChartGeometry& g, const MarkInput& in) {
    drawPartStitches(painter, g, in);
    drawBackStitchLines(painter, g, in);
    drawOrnaments(painter, g, in);
}

bool hasStitchMarks(const Chart& chart) {
    return !chart.partStitches.empty() || !chart.backStitches.empty() || !chart.ornaments.empty();
}

QImage finishedPiece(const Chart& chart) {
    const int w = std::max(1, chart.width()), h = std::max(1, chart.height());
    // Enough pixels per stitch for a knot to be round, within a picture of a few megapixels.
    const int perStitch = hasStitchMarks(chart) ? std::clamp(2400 / std::max(w, h), 1, 12) : 1;
    QImage picture(w * perStitch, h * perStitch, QImage::Format_RGB32);
    picture.fill(toQColor(chart.cloth));
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (!chart.stitched(x, y)) continue;
            const QRgb rgb = image::toQRgb(chart.threads()[static_cast<std::size_t>(chart.threadAt(x, y))].rgb);
            for (int dy = 0; dy < perStitch; ++dy)
                for (int dx = 0; dx < perStitch; ++dx) picture.setPixel(x * perStitch + dx, y * perStitch + dy, rgb);
        }
    }
    if (perStitch == 1) return picture;
    QPainter painter(&picture);
    ChartGeometry g;
    g.cell = perStitch;
    g.leftMargin = 0;
    g.gridTop = 0;
    drawStitchMarks(painter, g, MarkInput{chart, QRect(0, 0, chart.width(), chart.height()), true, false});
    return picture;
}

std::vector<NotDrawn> notDrawn(const Chart& chart) {
    std::vector<NotDrawn> list;
    const auto add = [&](const std::string& name) {
        for (NotDrawn& item : list)
            if (item.name == name) {
                ++item.count;
                return;
            }
        list.push_back({name, 1});
    };
    for (const XmlElement& element : chart.file.elements) {
        if (element.children.empty()) {
            if (!element.attributes.empty() || !element.text.empty()) add(element.name);
            continue;
        }
        for (const XmlElement& child : element.children) {
            const std::string* type = findAttribute(child.attributes, "objecttype");
            add(type && !type->empty() ? *type : child.name);
        }
    }
    return list;
}

std::string notDrawnList(const Chart& chart) {
    std::string text;
    for (const NotDrawn& item : notDrawn(chart)) {
        if (!text.empty()) text += ", ";
        text += item.name + " \u00d7 " + std::to_string(item.count);
    }
    return text;
}

} // namespace pav::chart
