#include "editor/Form9Model.h"

#include "base/SaveFolders.h"
#include "base/UiText.h"
#include "editor/EditorTexts.h"
#include "image/RgbValue.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <QDir>
#include <QImageReader>

#include <algorithm>

namespace pav::editor {

namespace {

using palette::kMatrixSide;

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

using image::fromQRgb;
using image::toQRgb;

bool insideImage(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// Sets a pixel if it lies inside the picture; drawing past an edge is clipped.
void plot(QImage& image, int x, int y, QRgb colour) {
    if (insideImage(image, x, y)) image.setPixel(x, y, colour);
}

// Releases the "a long edit is running" flag however the edit ends.
class EditingScope {
public:
    explicit EditingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~EditingScope() { m_flag = false; }
    EditingScope(const EditingScope&) = delete;
    EditingScope& operator=(const EditingScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

Form9Model::Form9Model(palette::ProgramState& state, EditorHost* host, MessageSink* messages,
                       const TaskDelegate* task)
    : m_state(state), m_host(host), m_messages(messages), m_task(task) {}

void Form9Model::notify(Form9Observer::Part part) {
    if (m_observer) m_observer->form9Changed(part);
}

void Form9Model::yieldNow() const {
    if (m_task) m_task->letEventsRun();
}

std::string Form9Model::stitchPictureName(int colorBit) {
    return colorBit < 1 ? "tmppicv.bmp" : "tmpcolorv.bmp";
}

// ---------------------------------------------------------------- opening

bool Form9Model::open(int colorBit, const std::string& folder) {
    m_open = false;
    const std::string name = stitchPictureName(colorBit);
    const std::string path =
        folder.empty()
            ? workingFile(name)
            : QDir(QString::fromStdString(folder)).filePath(QString::fromStdString(name)).toStdString();
    if (!loadThumbnail(path)) {
        // Nothing of an earlier chart stays on show.
        m_thumbnail = QImage();
        m_chartW = m_chartH = 0;
        notify(Form9Observer::Part::Opened);
        return false;
    }
    resetForOpening();
    notify(Form9Observer::Part::Opened);
    copyMatrices();
    m_open = true;
    return true;
}

bool Form9Model::openStitches(int width, int height) {
    m_open = false;
    if (width < 1 || height < 1 || width > kMatrixSide || height > kMatrixSide) {
        m_thumbnail = QImage();
        m_chartW = m_chartH = 0;
        notify(Form9Observer::Part::Opened);
        return false;
    }
    m_thumbnail = QImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) m_thumbnail.setPixel(x, y, toQRgb(m_state.colors.at(x, y)));
    resetForOpening();
    notify(Form9Observer::Part::Opened);
    copyMatrices();
    m_open = true;
    return true;
}

bool Form9Model::loadThumbnail(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    // The working matrices hold 321 x 321 stitches; a larger picture cannot be a chart of this program.
    // Its size is known from the header: a huge one is refused as such, not decoded first (which could
    // fail on the decoder's memory limit and be reported as unreadable).
    const auto tooLarge = [](QSize size) { return size.width() > kMatrixSide || size.height() > kMatrixSide; };
    const auto refuseTooLarge = [&] {
        if (m_messages)
            m_messages->showMessage(pav::uiText(texts::kTooLargeText).arg(QString::fromStdString(name)).toStdString(), texts::kErrorTitle,
                                    MessageIcon::Error);
        return false;
    };
    if (tooLarge(reader.size())) return refuseTooLarge();
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (m_messages)
            m_messages->showMessage(pav::uiText(texts::kUnreadableText).arg(QString::fromStdString(name)).toStdString(), texts::kErrorTitle,
                                    MessageIcon::Error);
        return false;
    }
    if (tooLarge(picture.size())) return refuseTooLarge();
    m_thumbnail = picture.convertToFormat(QImage::Format_RGB32);
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
    m_magnifiedBusy = false;

    // The lists stay empty until the first press on the thumbnail or the first replace or undo.
    m_sourceList = QImage(kListW, kListInitialH, QImage::Format_RGB32);
    m_sourceList.fill(kBackground);
    m_targetList = m_sourceList;
    m_sourceScroll = m_targetScroll = 0;
    m_listScrollMax = 0;
    m_listsDrawn = false;

    m_colorTotal = std::clamp(m_state.maxColor, 0, palette::kListCapacity);
    m_srcColor = kNone;
    m_dstColor = kNone;

    // Each opening charts a new picture: pairs recorded on an earlier chart would
    // rewrite this one wrongly, and its lists would never appear again.
    m_replaceCount = 0;
    m_undoEnabled = false;
    m_counter = QString::fromUtf8(kInitialCounter);
    m_thumbnailPresses = 0;
}

void Form9Model::copyMatrices() {
    for (int y = 0; y < m_chartH; ++y) {
        for (int x = 0; x < m_chartW; ++x) {
            m_editMatrix.at(x, y) = m_state.colors.at(x, y);
            m_editThreads.at(x, y) = m_state.index.at(x, y);
            yieldNow();
        }
    }
}

// ---------------------------------------------------------------- lists

std::int32_t Form9Model::threadColor(std::int32_t row) const {
    if (row < 1 || row > palette::kTableRows) return kNone;
    return m_state.dmc[row].color;
}

std::int32_t Form9Model::swatchRgb(std::int32_t row) const {
    return row == kNone ? kNone : threadColor(row);
}

bool Form9Model::isListedRow(std::int32_t row) const {
    const auto first = m_state.colorList.begin() + 1;
    return std::find(first, first + m_colorTotal, row) != first + m_colorTotal;
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
        const std::int32_t colour = threadColor(m_state.colorList[i]);
        if (colour == kNone) continue;
        const QRect cell = swatchRect(i);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                m_sourceList.setPixel(x, y, toQRgb(colour));
                yieldNow();
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
    // Decided now: presses that arrive while this one draws must not take its turn to draw the lists.
    const bool firstPress = ++m_thumbnailPresses == 1;
    // A press while the view is still drawing (events run inside the drawing)
    // leaves the drawing alone; only the press that started it ends it.
    if (!m_magnifiedBusy) {
        m_magnifiedBusy = true;
        drawMagnified();
        m_magnifiedBusy = false;
    }
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
            // The program-wide matrix, not the working copy: the view shows the
            // chart as it was handed over until "完成" writes it back.
            const int cx = sx + xx / kZoomCell, cy = sy + yy / kZoomCell;
            const QRgb k =
                cx < kMatrixSide && cy < kMatrixSide ? toQRgb(m_state.colors.at(cx, cy)) : kBackground;
            for (int b = 0; b < kZoomBlock; ++b)
                for (int a = 0; a < kZoomBlock; ++a)
                    plot(m_magnified, xx + a, yy + b, k);
            ++m_magnifiedCellsPainted;
            yieldNow();
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

void Form9Model::pick(ListSide side, std::int32_t row) {
    (side == ListSide::Source ? m_srcColor : m_dstColor) = row;
    notify(Form9Observer::Part::Swatches);
}

void Form9Model::pressMagnified(int x, int y) {
    if (!m_open || !insideImage(m_magnified, x, y)) return;
    const int ox = x % kZoomCell, oy = y % kZoomCell;
    if (ox < kZoomSwatchFirst || ox > kZoomSwatchLast || oy < kZoomSwatchFirst || oy > kZoomSwatchLast)
        return;
    const int columns = (m_magnified.width() + kZoomCell - 1) / kZoomCell;
    if ((y / kZoomCell) * columns + x / kZoomCell >= m_magnifiedCellsPainted) return;
    // The view shows the stitch colours as handed over; each stands for its
    // nearest thread, the rule by which the editing entry listed the threads.
    const int row = palette::nearestThreadRow(fromQRgb(m_magnified.pixel(x, y)));
    if (isListedRow(row)) pick(ListSide::Source, row);
}

int Form9Model::listEntryAt(int x, int y) const {
    if (x < 0 || y < 0 || x / kCellW >= kColumns) return 0;
    const int i = (y / kCellH) * kColumns + x / kCellW + 1;
    if (i > m_colorTotal || !swatchRect(i).contains(x, y)) return 0;
    return i;
}

void Form9Model::pressList(ListSide side, int x, int y) {
    if (!m_open || !m_listsDrawn || listEntryAt(x, y) == 0) return;
    const QImage& image = list(side);
    if (!insideImage(image, x, y)) return;
    const std::int32_t pressed = fromQRgb(image.pixel(x, y));
    for (int c = 1; c <= m_colorTotal; ++c) {
        if (threadColor(m_state.colorList[c]) == pressed) {
            pick(side, m_state.colorList[c]);
            return;
        }
    }
}

// ---------------------------------------------------------------- replace, undo, done

void Form9Model::languageChanged() {
    if (m_counter != QString::fromUtf8(kInitialCounter)) setCounter();
}

void Form9Model::setCounter() {
    m_counter = pav::uiText(texts::kCounter).arg(m_colorTotal).arg(m_replaceCount);
    notify(Form9Observer::Part::Counter);
}

// Open, not inside another handler's loop, and the chart window not reading the shared data.
bool Form9Model::mayEdit() const {
    return m_open && !m_editing && (!m_host || m_host->stitchDataFree());
}

void Form9Model::replace() {
    if (!mayEdit()) return;
    EditingScope scope(m_editing);
    drawColorLists();
    if (m_srcColor >= 0 && m_dstColor >= 0 && m_dstColor != m_srcColor) {
        replaceColor(m_srcColor, m_dstColor);
        // Also when nothing was replaced (the limit, or a source no longer listed).
        m_undoEnabled = true;
        setCounter();
    }
    drawColorLists();
}

void Form9Model::replaceColor(std::int32_t src, std::int32_t dst) {
    if (m_replaceCount >= kReplaceLimit) return;
    auto& list = m_state.colorList;
    const int total = m_colorTotal;
    for (int i = 1; i <= total; ++i) {
        if (list[i] != src) continue;
        for (int j = i; j <= m_colorTotal - 1; ++j)
            list[j] = list[j + 1];
        m_colorTotal = std::max(1, m_colorTotal - 1);
        std::vector<bool>* changed = nullptr;
        if (m_replaceCount < kUndoCapacity) {
            m_undoFrom[m_replaceCount] = src;
            m_undoTo[m_replaceCount] = dst;
            changed = &m_undoStitches[static_cast<std::size_t>(m_replaceCount)];
            ++m_replaceCount;
        }
        recolorThread(src, dst, changed);
    }
    m_state.colorCount = m_colorTotal;
}

void Form9Model::recolorThread(std::int32_t from, std::int32_t to, std::vector<bool>* changed) {
    const int w = m_chartW, h = m_chartH;
    if (changed) changed->assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
    const std::int32_t colour = threadColor(to);
    if (colour == kNone) return;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (m_editThreads.at(x, y) == from) {
                m_editThreads.at(x, y) = to;
                m_editMatrix.at(x, y) = colour;
                plot(m_thumbnail, x, y, toQRgb(colour));
                if (changed) (*changed)[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x] = true;
            }
            yieldNow();
        }
    }
    notify(Form9Observer::Part::Thumbnail);
}

void Form9Model::restoreStitches(const std::vector<bool>& changed, std::int32_t to) {
    const std::int32_t colour = threadColor(to);
    if (colour == kNone) return;
    const int w = m_chartW, h = m_chartH;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x;
            if (at < changed.size() && changed[at]) {
                m_editThreads.at(x, y) = to;
                m_editMatrix.at(x, y) = colour;
                plot(m_thumbnail, x, y, toQRgb(colour));
            }
            yieldNow();
        }
    }
    notify(Form9Observer::Part::Thumbnail);
}

void Form9Model::undo() {
    if (!mayEdit()) return;
    EditingScope scope(m_editing);
    drawColorLists();
    undoReplace();
    if (m_replaceCount == 0) m_undoEnabled = false;
    setCounter();
    drawColorLists();
}

void Form9Model::undoReplace() {
    if (m_replaceCount == 0) return;
    const int r = --m_replaceCount;
    // Only the stitches this replacement changed go back; those that held the
    // target thread before keep it.
    restoreStitches(m_undoStitches[static_cast<std::size_t>(r)], m_undoFrom[r]);
    // The thread comes back at the end of the list, not at its former place.
    if (m_colorTotal < palette::kListCapacity) {
        ++m_colorTotal;
        m_state.colorList[m_colorTotal] = m_undoFrom[r];
    }
    m_state.colorCount = m_colorTotal;
}

void Form9Model::done() {
    if (!mayEdit()) return;
    EditingScope scope(m_editing);
    const int w = m_chartW, h = m_chartH;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            m_state.colors.at(x, y) = m_editMatrix.at(x, y);
            yieldNow();
        }
    }
    if (m_host) m_host->showChartWindow();
}

} // namespace pav::editor
