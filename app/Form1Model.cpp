#include "app/Form1Model.h"

#include "chart/BestThreadsStep.h"
#include "chart/Fabric.h"
#include "chart/StitchGrid.h"
#include "image/RgbValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

#include "app/MainTexts.h"
#include "base/FileErrors.h"
#include "base/ProgramFolder.h"
#include "base/SaveFolders.h"

namespace pav::app {

using pav::palette::kWhite;

namespace {

constexpr const char* kStitchPictureFile = "tmppicv.bmp";

using pav::image::fromQRgb;
using pav::image::toQRgb;

// Number of passes of a loop "for i = 0 to limit - 1" over a real limit,
// at most one per matrix column or row.
int passesBelow(double limit) {
    return pav::chart::FabricSize::passesBelow(limit);
}

} // namespace

Form1Model::Form1Model(pav::MessageSink& messages, pav::TaskDelegate task)
    : m_messages(messages), m_task(std::move(task)), m_programFolder(pav::programFolder()),
      m_picture1(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32) {
    m_picture1.fill(Qt::white);
    m_textFont.setStyleStrategy(QFont::NoAntialias);
    m_picture4.resample(nullptr, QSize(static_cast<int>(picmaxW), picmaxH));
    placeFrameWidth();
    placeFrameHeight();
    updateLabel1();
    bindBars();
}

Form1Model::~Form1Model() = default;

void Form1Model::bindBars() {
    wChange.onChange([this] { wChangeChange(); });
    Hchange.onChange([this] { hchangeChange(); });
    zoom.onChange([this] { zoomChange(); });
    for (ScrollBar* bar : {&wChange, &Hchange, &zoom}) bar->onPropertyChange([this] { notify(Form1Change::Bars); });
}

void Form1Model::notify(Form1Change what) {
    if (m_observer) m_observer->form1Changed(what);
}

void Form1Model::languageChanged() {
    if (!m_label1.empty()) updateLabel1();
    if (!m_text1Clicked) m_text1 = pav::uiString(texts::kText1);
    notify(Form1Change::Labels);
    notify(Form1Change::TextTool);
}

void Form1Model::setLabel4(const std::string& text) {
    m_label4 = text;
    notify(Form1Change::Labels);
}

void Form1Model::setBusy(bool busy) {
    const bool before = m_busyDepth > 0;
    m_busyDepth = std::max(0, m_busyDepth + (busy ? 1 : -1));
    if (before != (m_busyDepth > 0)) notify(Form1Change::Busy);
}

// ---------------------------------------------------------------- start-up

void Form1Model::formLoad(const std::string& startPicture) {
    try {
        picW = 117;
        picmaxW = 230;
        picmaxH = 250;
        m_marginY = 8;
        m_marginX = 4;
        picH = 132;
        Hchange.setValue(132);
        wChange.setValue(117);
        m_cellSize = 4;
        xyRate = 1.0f;
        ifScale = 1;
        m_stitchDIB.Free();
        m_reducedDIB.Free();
        m_label8Visible = false;
        notify(Form1Change::TextTool);
        command11Click();
        command1Click();
        m_task.letEventsRun();
        picPath = startPicture;
        if (!startPicture.empty() && loadSourcePicture(picPath)) {
            m_task.letEventsRun();
            wChange.setValue(117);
            m_task.letEventsRun();
        }
    } catch (const StatementError&) {
        // The window opens whatever failed; the preview and ColorBit below always run.
    }
    previewRoutine();
    ColorBit = 0;
}

bool Form1Model::loadSourcePicture(const std::string& path) {
    // Everything is checked before anything changes: the picture decodes, and
    // every bar can take the sizes it gives.
    m_pictureError = {};
    m_pictureFit = chart::FabricFit::Fits;
    auto source = SourcePicture::decode(path, &m_pictureError, m_sourceDetail);
    if (source) m_pictureFit = chart::fabricFitFor(source->size());
    if (!source || m_pictureFit != chart::FabricFit::Fits) {
        if (source) {
            m_pictureError.fault = image::PictureFault::None;
            m_pictureError.reason = m_pictureFit == chart::FabricFit::TooSmall
                                        ? "too small for a fabric (at least 3 x 2 pixels)"
                                        : "too tall for its width to fit a fabric";
        }
        notify(Form1Change::Fabric);
        return false;
    }
    const std::string newPath = path; // path may be picPath itself
    picPath = newPath;
    try {
        ifScale = 1;
        showModeButtons();
        m_source = std::move(source);
        resamplePicture4(m_source->size());  // Picture4 takes the picture at its natural size
        clearPreview();

        wChange.setMax(picmaxW);
        Hchange.setMax(picmaxH);
        const double widthTwips = pixelsToTwips(m_source->width());
        const double heightTwips = pixelsToTwips(m_source->height());
        if (heightTwips > picmaxH) Hchange.setValue(picmaxH);
        else Hchange.setValue(heightTwips);
        if (widthTwips == 0) throw StatementError(StatementFault::DivisionByZero, "picture of zero width");
        xyRate = static_cast<float>(heightTwips / widthTwips);
        const double r = picmaxH / static_cast<double>(xyRate);
        if (r < picmaxW) wChange.setValue(r);
        else wChange.setValue(picmaxW);
        wChange.setMin(16);
        Hchange.setMin(16);
        m_picture4Left = 0;
        m_picture4Top = 0;
        moveX1 = 0;
        moveY1 = 0;
        notify(Form1Change::Fabric);
        zoom.setMin(32);
        // The bar's own limit, not an overflow, for pictures over 2184 pixels wide.
        zoom.setMax(std::min(widthTwips, 32767.0));
        zoom.setLargeChange((zoom.Max() - 32) / 6.0);
        zoom.setSmallChange(std::max(2.0, roundHalfEven((zoom.Max() - 32) / 32.0)));
        if (wChange.Max() < 33) zoom.setVisible(false);
        if (Hchange.Max() < 33) zoom.setVisible(false);
    } catch (const StatementError&) {
        notify(Form1Change::Fabric);
        return false;
    }
    return true;
}

std::string Form1Model::pictureFitText() const {
    switch (m_pictureFit) {
    case chart::FabricFit::TooSmall: return texts::kPictureTooSmall;
    case chart::FabricFit::TooThin: return texts::kPictureTooThin;
    case chart::FabricFit::Fits: break;
    }
    return {};
}

void Form1Model::unload() {
    if (m_navigation) m_navigation->closeOtherWindows();
}

// ---------------------------------------------------------------- fabric, bars and zoom

void Form1Model::placeFrameWidth() {
    m_frame.width = pixelsToTwips(picW);
    m_frame.left = pixelsToTwips((picmaxW - picW) / 2 + m_marginX);
}

void Form1Model::placeFrameHeight() {
    m_frame.top = pixelsToTwips(m_marginY + (picmaxH - picH) / 2.0);
    m_frame.height = pixelsToTwips(picH);
}

void Form1Model::updateLabel1() {
    m_label1 = pav::uiString(texts::kFabricSizePrefix) + std::to_string(toInt32(picW)) + "x" + std::to_string(picH);
    notify(Form1Change::Labels);
}

void Form1Model::wChangeChange() {
    attempt([&] { picW = wChange.Value(); });
    attempt([&] { updateLabel1(); });
    attempt([&] { placeFrameWidth(); });
    notify(Form1Change::Fabric);
}

void Form1Model::hchangeChange() {
    attempt([&] { picH = Hchange.Value(); });
    attempt([&] { updateLabel1(); });
    attempt([&] { placeFrameHeight(); });
    notify(Form1Change::Fabric);
}

void Form1Model::zoomChange() {
    if (ifScale == 0) zoomWhole();
    else zoomRegion();
}

std::int32_t Form1Model::heightForWidth(double width) const {
    // Worked out in single precision, like xyRate itself: 45 x 0.7f is 31.5
    // there and rounds to 32, where a double product would give 31.
    const float product = static_cast<float>(width) * xyRate;
    return toInt32(product);
}

void Form1Model::zoomWhole() {
    attempt([&] { picW = zoom.Value(); });
    attempt([&] { picH = heightForWidth(picW); });
    if (picH > picmaxH) {
        attempt([&] { picH = picmaxH; });
        attempt([&] {
            if (xyRate == 0.0f) throw StatementError(StatementFault::DivisionByZero, "xyRate is 0");
            picW = picmaxH / static_cast<double>(xyRate);
        });
    }
    if (picW > picmaxW) {
        attempt([&] { picW = picmaxW; });
        attempt([&] { picH = heightForWidth(picW); });
    }
    attempt([&] { placeFrameHeight(); });
    attempt([&] { placeFrameWidth(); });
    attempt([&] { wChange.setValue(picW); });
    attempt([&] { Hchange.setValue(picH); });
    attempt([&] {
        m_picture4Left = 0;
        m_picture4Top = 0;
    });
    QSize frameSize = picture4Size();
    attempt([&] { frameSize = QSize(toInt32(frameW()), toInt32(frameH())); });
    attempt([&] { updateLabel1(); });
    attempt([&] { resamplePicture4(frameSize); });
}

void Form1Model::zoomRegion() {
    // Picture4's width in twips is 15 x the zoom value, worked out in 32 bits so
    // that the whole bar (up to 32767 pixels) can be used.
    double widthTwips = pixelsToTwips(picture4Size().width());
    attempt([&] { widthTwips = pixelsToTwips(zoom.Value()); });
    const double heightTwips = widthTwips * static_cast<double>(xyRate);
    // The box goes back to the frame's corner and so does the window the fabric
    // reads, so that the preview shows what the frame shows.
    attempt([&] {
        m_picture4Left = 0;
        m_picture4Top = 0;
        moveX1 = 0;
        moveY1 = 0;
    });
    attempt([&] { resamplePicture4(QSize(toInt32(twipsToPixels(widthTwips)), toInt32(twipsToPixels(heightTwips)))); });
}

void Form1Model::resamplePicture4(QSize size) {
    m_picture4.resample(m_source, size);
    m_reducedWindow = QRect();
    notify(Form1Change::Fabric);
}

void Form1Model::showModeButtons() {
    // Only the button for the other mode is enabled.
    m_command1Enabled = ifScale == 0;
    m_command11Enabled = ifScale != 0;
    notify(Form1Change::Buttons);
}

void Form1Model::command1Click() {
    moveX1 = 0;
    moveY1 = 0;
    ifScale = 1;
    showModeButtons();
}

void Form1Model::command11Click() {
    moveX1 = 0;
    moveY1 = 0;
    ifScale = 0;
    const int zoomBefore = zoom.Value();
    attempt([&] { zoom.setValue(roundHalfEven(frameW())); });
    // A box that is not the picture at the fabric's size (after "还原色彩" or a new
    // picture) is stretched whole even when the bar kept its value: the framing
    // would otherwise stay a crop that no button brings back.
    if (zoom.Value() == zoomBefore && picture4Size() != QSize(toInt32(frameW()), toInt32(frameH())))
        zoomWhole();
    clearPreview();
    showModeButtons();
}

void Form1Model::check1Click(bool checked) {
    m_check1 = checked;
    notify(Form1Change::Buttons);
    if (!checked) {
        setLabel4(texts::kBarsMoveHint);
        return;
    }
    setLabel4(texts::kBarsResizeHint);
    attempt([&] { wChange.setValue(roundHalfEven(frameW())); });
    attempt([&] { Hchange.setValue(roundHalfEven(frameH())); });
    attempt([&] { wChange.setMax(picmaxW); });
    attempt([&] { Hchange.setMax(picmaxH); });
}

int Form1Model::stitchPictureHeight() const { return toInt32(frameH()); }

void Form1Model::setMainControlsEnabled(bool enabled) {
    m_mainControlsEnabled = enabled;
    wChange.setEnabled(enabled);
    Hchange.setEnabled(enabled);
    zoom.setEnabled(enabled);
    notify(Form1Change::Buttons);
}

// ---------------------------------------------------------------- preview

QPoint Form1Model::windowOrigin() const { return ifScale != 0 ? QPoint(moveX1, moveY1) : QPoint(0, 0); }

void Form1Model::fillMatrix() {
    auto& matrix = m_stitches;
    const int maxX = std::min(static_cast<int>(picmaxW), matrix.width - 1);
    const int maxY = std::min(picmaxH, matrix.height - 1);
    // From 0: a stitch the fabric does not paint (the last column of a width that
    // holds a fraction) is white, not whatever an earlier fabric left there.
    for (int y = 0; y <= maxY; ++y)
        for (int x = 0; x <= maxX; ++x) matrix.at(x, y) = kWhite;

    const int w = std::min(passesBelow(frameW()), matrix.width);
    const int h = std::min(passesBelow(frameH()), matrix.height);
    if (w == 0 || h == 0) return;
    const QImage window = m_picture4.region(QRect(windowOrigin(), QSize(w, h)));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(window.constScanLine(y));
        std::int32_t* row = matrix.row(y);
        for (int x = 0; x < w; ++x) row[x] = fromQRgb(line[x]);
    }
}

void Form1Model::previewRoutine() {
    m_previewDone = 1;
    fillMatrix();
    keepStitchesBeforeReduction();
    m_command2Enabled = false;
    notify(Form1Change::Buttons);
    setBusy(true);
    m_viewX = 0;
    m_viewY = 0;
    showMatrixS();
    m_command2Enabled = true;
    notify(Form1Change::Buttons);
    setBusy(false);
}

void Form1Model::clearPreview() {
    m_picture1.fill(Qt::white);
    notify(Form1Change::Preview);
}

void Form1Model::showMatrixS() {
    const int s = m_cellSize;
    const QRgb grid = qRgb(200, 200, 200);
    const auto& matrix = m_stitches;
    for (int py = 0; py < kPreviewHeight; ++py) {
        auto* line = reinterpret_cast<QRgb*>(m_picture1.scanLine(py));
        const int row = py / s + m_viewY;
        const bool gridRow = py % s == 0;
        for (int px = 0; px < kPreviewWidth; ++px) {
            if (gridRow || px % s == 0) {
                line[px] = grid;
                continue;
            }
            const int column = px / s + m_viewX;
            const bool beyond = column + 1 > picmaxW || row + 1 > picmaxH || !matrix.contains(column, row);
            line[px] = beyond ? qRgb(255, 255, 255) : toQRgb(matrix.at(column, row));
        }
    }
    notify(Form1Change::Preview);
}

void Form1Model::label5Click() {
    if (m_cellSize < 8) ++m_cellSize;
    showMatrixS();
}

void Form1Model::label6Click() {
    if (m_cellSize > 3) --m_cellSize;
    showMatrixS();
}

// ---------------------------------------------------------------- reduction

bool Form1Model::makeStitchPicture(pav::image::ClsDIB& picture5) const {
    return pav::chart::makeStitchPicture(m_stitches, pav::chart::FabricSize{frameW(), frameH()}, picture5);
}

bool Form1Model::writeStitchPicture() {
    pav::image::ClsDIB picture5;
    return makeStitchPicture(picture5) && picture5.SaveBMP(pav::workingFile(kStitchPictureFile));
}

Form1Model::StitchLoad Form1Model::loadStitchPicture() {
    pav::image::ClsDIB loaded;
    if (loaded.LoadBitMap(pav::workingFile(kStitchPictureFile))) {
        if (!m_stitchDIB.Create(loaded.Width(), loaded.Height(), 24, false)) {
            m_messages.showMessage(texts::kCannotCreate, texts::kWindowTitle, pav::MessageIcon::None);
            return StitchLoad::Stop;
        }
        std::memcpy(m_stitchDIB.DataPtr(), loaded.DataPtr(), static_cast<std::size_t>(loaded.DataSize()));
        loaded.Free();
        m_reducedDIB.Free();
    } else {
        m_messages.showMessage(texts::kUnknownBitmap, texts::kErrorTitle, pav::MessageIcon::Error);
    }
    m_task.letEventsRun();
    return m_stitchDIB.hDC() != 0 ? StitchLoad::Ready : StitchLoad::Stop;
}

bool Form1Model::prepareStitchPicture() {
    // The matrix and Picture4 stay as they were when the stitch picture cannot be written.
    const pav::colour::RgbGrid before = m_stitches;
    fillMatrix();
    if (!writeStitchPicture()) {
        m_stitches = before;
        m_messages.showMessage(texts::kCannotWriteStitchPicture, texts::kErrorTitle, pav::MessageIcon::Error);
        return false;
    }
    setLabel4(texts::kProcessingStarted);
    return loadStitchPicture() == StitchLoad::Ready;
}

void Form1Model::reduceByColorBit() {
    // 0 and 99 reduce nothing here.
    pav::chart::reduceStitchPicture(m_stitchDIB, pav::chart::reductionOfColorBit(ColorBit), m_reducedDIB);
}

void Form1Model::reductionDriver() {
    if (colourChoice.usesBestThreads()) {
        // Like the forced reduction, and in its place: the fabric as it is now.
        previewRoutine();
        setBusy(true);
        reduceToBestThreads();
        setLabel4(texts::kReductionDone);
        setBusy(false);
        return;
    }
    if (ColorBit == pav::image::kColorBitNone) {
        previewRoutine();
        return;
    }
    if (ColorBit == pav::image::kColorBitMostFrequent) {
        // The forced reduction: the N most frequent colours of the fabric as it is now.
        previewRoutine();
        setBusy(true);
        reduceToTopColours(rdColorNum);
        setLabel4(texts::kReductionDone);
        setBusy(false);
        return;
    }
    if (!prepareStitchPicture()) return;
    const bool unreduced = !fabricHoldsReduction();
    const pav::colour::RgbGrid before = pav::chart::stitchGrid(m_stitches, chartWidth(), chartHeight());
    setBusy(true);
    m_task.letEventsRun();
    reduceByColorBit();
    setLabel4(texts::kReductionDone);
    if (m_reducedDIB.hDC() != 0) {
        m_picture4.paste(m_reducedDIB.ToQImage(), windowOrigin());
        markFabricReduced();
        notify(Form1Change::Fabric);
    }
    previewRoutine();
    if (unreduced) m_beforeReduction = before;
    setBusy(false);
}

void Form1Model::command4Click() {
    // The driver serves the forced mode too: its N-colour reduction starts
    // from a fresh read of the fabric, so a picture installed or panned since
    // the last preview is what gets reduced, and "生成" sees a preview.
    reductionDriver();
}

void Form1Model::reduceToTopColours(int n) {
    const std::optional<QImage> painted = pav::chart::reduceToMostFrequent(m_stitches, picW, picH, n, m_task);
    if (!painted) return;
    if (!painted->isNull()) m_picture4.paste(*painted, windowOrigin());
    markFabricReduced();
    notify(Form1Change::Fabric);
    showMatrixS();
}

void Form1Model::reduceToBestThreads() {
    const int w = passesBelow(frameW());
    const int h = passesBelow(frameH());
    pav::chart::reduceStitchesToBestThreads(m_stitches, w, h, colourChoice);
    const QImage painted = pav::chart::stitchesPicture(m_stitches, w, h);
    if (!painted.isNull()) m_picture4.paste(painted, windowOrigin());
    markFabricReduced();
    notify(Form1Change::Fabric);
    showMatrixS();
}

int Form1Model::chartWidth() const {
    return std::clamp(static_cast<int>(roundHalfEven(frameW())), 0, m_stitches.width);
}

int Form1Model::chartHeight() const {
    return std::clamp(static_cast<int>(roundHalfEven(frameH())), 0, m_stitches.height);
}

void Form1Model::markFabricReduced() {
    m_reducedWindow = QRect(windowOrigin(), QSize(chartWidth(), chartHeight()));
}

bool Form1Model::fabricHoldsReduction() const {
    return !m_reducedWindow.isNull() && m_reducedWindow == QRect(windowOrigin(), QSize(chartWidth(), chartHeight()));
}

void Form1Model::keepStitchesBeforeReduction() {
    // A fabric that shows reduced stitches keeps the stitches it was reduced from:
    // reducing again must not measure the chart against its own colours.
    if (fabricHoldsReduction()) return;
    m_beforeReduction = pav::chart::stitchGrid(m_stitches, chartWidth(), chartHeight());
}

const pav::colour::RgbGrid* Form1Model::stitchesBeforeReduction() const {
    return m_beforeReduction.size() != 0 ? &m_beforeReduction : nullptr;
}

void Form1Model::takeEditedStitches(const pav::colour::RgbGrid& stitches) {
    for (int y = 0; y < std::min(stitches.height, m_stitches.height); ++y)
        std::copy_n(stitches.row(y), std::min(stitches.width, m_stitches.width), m_stitches.row(y));
}

void Form1Model::label11Click() {
    command1Click();
    // The box follows the window offsets, which "局部" has just reset.
    m_picture4Left = 0;
    m_picture4Top = 0;
    resamplePicture4(m_source ? m_source->size() : m_picture4.size());
}

} // namespace pav::app
