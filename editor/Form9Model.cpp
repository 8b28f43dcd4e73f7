#include "editor/Form9Model.h"

#include "base/UiText.h"
#include "editor/EditorTexts.h"
#include "image/RgbValue.h"

#include <algorithm>

namespace pav::editor {

namespace {

constexpr QRgb kListGrid = qRgb(222, 222, 222);
constexpr QRgb kZoomGrid = qRgb(200, 200, 200);
constexpr QRgb kBackground = qRgb(255, 255, 255);
// Inside an 8-pixel cell of the magnified view the stitch colour fills offsets
// 1..5; offset 0 carries the grid line and offsets 6 and 7 stay clear.
constexpr int kZoomSwatchFirst = 1;
constexpr int kZoomSwatchLast = 5;
constexpr int kZoomBlock = 6;
// Inside an 18 x 14 list cell the swatch fills offsets 1..15 across and 1..11 down.
constexpr int kSwatchW = 15;
constexpr int kSwatchH = 11;
// The colour list never holds more entries than a chart may have colours.
constexpr int kListCapacity = 500;

using image::toQRgb;

bool insideImage(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// Sets a pixel if it lies inside the picture; drawing past an edge is clipped.
void plot(QImage& image, int x, int y, QRgb colour) {
    if (insideImage(image, x, y)) image.setPixel(x, y, colour);
}

// The chart's stitches one pixel each, bare cells white.
QImage stitchPicture(const chart::Chart& chart) {
    QImage picture(chart.width(), chart.height(), QImage::Format_RGB32);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            picture.setPixel(x, y, chart.stitched(x, y) ? toQRgb(chart.blockColour(x, y)) : kBackground);
    return picture;
}

} // namespace

Form9Model::Form9Model(EditorHost* host) : m_host(host) {}

void Form9Model::notify(Form9Observer::Part part) {
    if (m_observer) m_observer->form9Changed(part);
}

// ---------------------------------------------------------------- opening

bool Form9Model::open(const chart::Chart& chart) {
    m_open = false;
    if (chart.width() < 1 || chart.height() < 1) {
        // Nothing of an earlier chart stays on show.
        m_opened = m_chart = chart::Chart();
        m_thumbnail = QImage();
        m_chartW = m_chartH = 0;
        notify(Form9Observer::Part::Opened);
        return false;
    }
    m_opened = chart;
    m_chart = chart;
    m_thumbnail = stitchPicture(chart);
    resetForOpening();
    notify(Form9Observer::Part::Opened);
    m_open = true;
    return true;
}

void Form9Model::resetForOpening() {
    m_chartW = m_thumbnail.width();
    m_chartH = m_thumbnail.height();
    m_marker = QRect(0, 0, m_chartW / 4, m_chartH / 4);

    const int zoomW = std::min(2 * m_chartW, kMagnifiedMaxW);
    const int zoomH = std::min(2 * m_chartH, kMagnifiedMaxH);
    m_magnified = QImage(std::max(zoomW, 1), std::max(zoomH, 1), QImage::Format_RGB32);
    m_magnified.fill(kBackground);
    m_magnifiedCellsPainted = 0;

    // The lists stay empty until the first press on the thumbnail or the first replace or undo.
    m_sourceList = QImage(kListW, kListInitialH, QImage::Format_RGB32);
    m_sourceList.fill(kBackground);
    m_targetList = m_sourceList;
    m_sourceScroll = m_targetScroll = 0;
    m_listScrollMax = 0;
    m_listsDrawn = false;

    // Every thread with stitches, in the chart's order.
    m_list.clear();
    for (std::size_t t = 0; t < m_chart.threads().size() && m_list.size() < kListCapacity; ++t)
        if (m_chart.threads()[t].count > 0) m_list.push_back(static_cast<int>(t));
    m_colorTotal = static_cast<int>(m_list.size());
    m_srcColor = kNone;
    m_dstColor = kNone;

    // Each opening edits a new chart: commands done on an earlier one do not apply to it.
    m_edits.clear();
    m_undoEnabled = false;
    m_counter = QString::fromUtf8(kInitialCounter);
    m_thumbnailPresses = 0;
}

// ---------------------------------------------------------------- lists

std::int32_t Form9Model::threadColor(int thread) const {
    if (thread < 0 || thread >= static_cast<int>(m_chart.threads().size())) return kNone;
    return m_chart.threads()[static_cast<std::size_t>(thread)].rgb;
}

std::int32_t Form9Model::swatchRgb(std::int32_t thread) const {
    return thread == kNone ? kNone : threadColor(thread);
}

bool Form9Model::isListed(int thread) const {
    return std::find(m_list.begin(), m_list.begin() + m_colorTotal, thread) != m_list.begin() + m_colorTotal;
}

QRect Form9Model::swatchRect(int i) {
    const int r = (i - 1) / kColumns;
    const int c = (i - 1) % kColumns;
    return QRect(kCellW * c + 1, kCellH * r + 1, kSwatchW, kSwatchH);
}

void Form9Model::drawColorLists() {
    m_listsDrawn = false; // half-drawn swatches are not picked
    const int rows = m_colorTotal / kColumns + (m_colorTotal % kColumns != 0 ? 1 : 0);
    m_sourceList = QImage(kListW, rows * kCellH + 10, QImage::Format_RGB32);
    m_sourceList.fill(kBackground);
    m_listScrollMax = rows * kCellH;
    m_sourceScroll = m_targetScroll = 0;

    for (int i = 1; i <= m_colorTotal; ++i) {
        const std::int32_t colour = threadColor(listThread(i));
        if (colour == kNone) continue;
        const QRect cell = swatchRect(i);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                m_sourceList.setPixel(x, y, toQRgb(colour));
            }
        }
    }
    paintListGrid(rows);
    m_targetList = m_sourceList; // both lists show the same colours
    m_listsDrawn = true;
    notify(Form9Observer::Part::Lists);
}

void Form9Model::paintListGrid(int rows) {
    for (int r = 0; r <= rows; ++r)
        for (int x = 0; x <= kListDrawW; ++x)
            plot(m_sourceList, x, kCellH * r, kListGrid);
    for (int c = 0; c <= kColumns; ++c)
        for (int y = 0; y <= kCellH * rows; ++y)
            plot(m_sourceList, kCellW * c, y, kListGrid);
}

void Form9Model::setListScroll(ListSide side, int value) {
    (side == ListSide::Source ? m_sourceScroll : m_targetScroll) = std::clamp(value, 0, m_listScrollMax);
    notify(Form9Observer::Part::Scroll);
}

// ---------------------------------------------------------------- thumbnail, marker, magnified view

void Form9Model::moveOverThumbnail(int x, int y) {
    if (!m_open || x < 0 || y < 0 || x >= m_chartW || y >= m_chartH) return;
    if (y - m_marker.height() >= 0) m_marker.moveTop(y - m_marker.height());
    if (x - m_marker.width() >= 0) m_marker.moveLeft(x - m_marker.width());
    notify(Form9Observer::Part::Marker);
}

void Form9Model::pressThumbnail() {
    if (!m_open) return;
    const bool firstPress = ++m_thumbnailPresses == 1;
    drawMagnified();
    if (firstPress) drawColorLists();
}

void Form9Model::drawMagnified() {
    m_magnified.fill(kBackground);
    m_magnifiedCellsPainted = 0;
    m_magnifiedOrigin = m_marker.topLeft();
    const int sx = m_magnifiedOrigin.x(), sy = m_magnifiedOrigin.y();
    const int w = m_magnified.width(), h = m_magnified.height();
    for (int yy = 0; yy <= h - 1; yy += kZoomCell) {
        for (int xx = 0; xx <= w - 1; xx += kZoomCell) {
            // The chart as it was handed over, not as edited: the view shows it so until the next opening.
            const int cx = sx + xx / kZoomCell, cy = sy + yy / kZoomCell;
            const QRgb k = m_opened.contains(cx, cy) && m_opened.stitched(cx, cy)
                               ? toQRgb(m_opened.blockColour(cx, cy))
                               : kBackground;
            for (int b = 0; b < kZoomBlock; ++b)
                for (int a = 0; a < kZoomBlock; ++a)
                    plot(m_magnified, xx + a, yy + b, k);
            ++m_magnifiedCellsPainted;
            // The cell's top and left edges; together they make the grid lines across the view.
            for (int a = 0; a < kZoomCell; ++a)
                plot(m_magnified, xx + a, yy, kZoomGrid);
            for (int b = 0; b < kZoomCell; ++b)
                plot(m_magnified, xx, yy + b, kZoomGrid);
        }
    }
    notify(Form9Observer::Part::Magnified);
}

// ---------------------------------------------------------------- picking

void Form9Model::pick(ListSide side, int thread) {
    (side == ListSide::Source ? m_srcColor : m_dstColor) = thread;
    notify(Form9Observer::Part::Swatches);
}

void Form9Model::pressMagnified(int x, int y) {
    if (!m_open || !insideImage(m_magnified, x, y)) return;
    const int ox = x % kZoomCell, oy = y % kZoomCell;
    if (ox < kZoomSwatchFirst || ox > kZoomSwatchLast || oy < kZoomSwatchFirst || oy > kZoomSwatchLast)
        return;
    const int columns = (m_magnified.width() + kZoomCell - 1) / kZoomCell;
    if ((y / kZoomCell) * columns + x / kZoomCell >= m_magnifiedCellsPainted) return;
    // The view shows the chart as handed over: a press picks the thread that stitch had then.
    const int cx = m_magnifiedOrigin.x() + x / kZoomCell, cy = m_magnifiedOrigin.y() + y / kZoomCell;
    if (!m_opened.contains(cx, cy) || !m_opened.stitched(cx, cy)) return;
    const int thread = m_opened.threadAt(cx, cy);
    if (isListed(thread)) pick(ListSide::Source, thread);
}

int Form9Model::listEntryAt(int x, int y) const {
    if (x < 0 || y < 0 || x / kCellW >= kColumns) return 0;
    const int i = (y / kCellH) * kColumns + x / kCellW + 1;
    if (i > m_colorTotal || !swatchRect(i).contains(x, y)) return 0;
    return i;
}

void Form9Model::pressList(ListSide side, int x, int y) {
    if (!m_open || !m_listsDrawn) return;
    const int i = listEntryAt(x, y);
    if (i == 0 || !insideImage(list(side), x, y)) return;
    pick(side, listThread(i));
}

// ---------------------------------------------------------------- replace, undo, done

void Form9Model::languageChanged() {
    if (m_counter != QString::fromUtf8(kInitialCounter)) setCounter();
}

void Form9Model::setCounter() {
    m_counter = pav::uiText(texts::kCounter).arg(m_colorTotal).arg(replaceCount());
    notify(Form9Observer::Part::Counter);
}

void Form9Model::replace() {
    if (!m_open) return;
    drawColorLists();
    if (m_srcColor >= 0 && m_dstColor >= 0 && m_dstColor != m_srcColor) {
        replaceColor(m_srcColor, m_dstColor);
        // Also when nothing was replaced (the limit, or a source no longer listed).
        m_undoEnabled = true;
        setCounter();
    }
    drawColorLists();
}

void Form9Model::replaceColor(int src, int dst) {
    if (m_edits.size() >= kReplaceLimit) return;
    const auto found = std::find(m_list.begin(), m_list.begin() + m_colorTotal, src);
    if (found == m_list.begin() + m_colorTotal) return;
    // The entries after it move down one place; the last place keeps its old
    // value but is no longer counted, and the count never goes below 1.
    std::copy(found + 1, m_list.begin() + m_colorTotal, found);
    m_colorTotal = std::max(1, m_colorTotal - 1);
    ReplaceThread command(src, dst);
    command.apply(m_chart, [&](int x, int y) { plot(m_thumbnail, x, y, toQRgb(m_chart.blockColour(x, y))); });
    m_edits.push(std::move(command));
    notify(Form9Observer::Part::Thumbnail);
}

void Form9Model::undo() {
    if (!m_open) return;
    drawColorLists();
    undoReplace();
    if (m_edits.empty()) m_undoEnabled = false;
    setCounter();
    drawColorLists();
}

void Form9Model::undoReplace() {
    if (m_edits.empty()) return;
    // Only the stitches this replacement changed go back, with the colours they had.
    const ReplaceThread command = m_edits.pop();
    command.revert(m_chart, [&](int x, int y) { plot(m_thumbnail, x, y, toQRgb(m_chart.blockColour(x, y))); });
    notify(Form9Observer::Part::Thumbnail);
    // The thread comes back at the end of the list, not at its former place.
    if (m_colorTotal < kListCapacity) {
        if (static_cast<int>(m_list.size()) <= m_colorTotal) m_list.resize(static_cast<std::size_t>(m_colorTotal) + 1);
        m_list[static_cast<std::size_t>(m_colorTotal)] = command.from();
        ++m_colorTotal;
    }
}

chart::Chart Form9Model::editedChart() const {
    chart::Chart edited = m_chart;
    // A thread the replacements left without full stitches keeps its legend entry
    // while part stitches, back stitches, knots or beads still use it.
    const std::vector<chart::StitchCounts> counts = edited.stitchCounts();
    for (std::size_t t = 0; t < edited.threads().size(); ++t) {
        chart::ChartThread& thread = edited.threads()[t];
        if (m_opened.threads()[t].count > 0 && thread.count == 0 && !counts[t].any()) thread.listed = false;
    }
    return edited;
}

void Form9Model::done() {
    if (!m_open) return;
    if (m_host) m_host->finishEditing(editedChart());
}

} // namespace pav::editor
