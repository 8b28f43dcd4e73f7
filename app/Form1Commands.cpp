// The main window's hand-over commands ("生成", "保存效果", the picture
// sources, the settings), panning of both boxes, the text tool and the
// screen capture's copy into Picture4.
#include "app/Form1Model.h"

#include "chart/Fabric.h"

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

// ---------------------------------------------------------------- generate and save

void Form1Model::generate() {
    if (!stitchDataFree()) return;
    if (m_previewDone != 1) {
        m_messages.showMessage(texts::kPreviewFirst, texts::kTitleMakeLifeFunPlain, pav::MessageIcon::None);
        return;
    }
    if (autoColor == 0) reductionDriver();
    if (m_navigation) m_navigation->showChartWindow();
    m_previewDone = 0;
}

std::string Form1Model::saveEffectPicture(const pav::image::ClsDIB& picture, const std::string& name,
                                          std::string& error) {
    const QString folder = QString::fromStdString(pav::saveFolder(m_programFolder));
    const QString path = QDir(folder).filePath(QString::fromStdString(name));
    error.clear();
    if (!picture.SaveBMP(path.toStdString()))
        error = pav::fileErrorText(QString::fromStdString(picture.LastError())).toStdString();
    return QDir::toNativeSeparators(path).toStdString();
}

void Form1Model::command3Click() {
    if (!stitchDataFree()) return;
    ++m_effectCount;
    if (!prepareStitchPicture()) return;
    setBusy(true);
    m_task.letEventsRun();
    // Modes 0 and 99 reduce nothing here: the saved picture is the stitch
    // picture just read from the fabric, which is what the preview shows.
    const bool reduces = pav::chart::reductionOfColorBit(ColorBit).kind == pav::chart::ReductionKind::Dithered;
    if (reduces) reduceByColorBit();
    char number[16];
    std::snprintf(number, sizeof number, "%03d", m_effectCount);
    const std::string name = std::string("xiaoguo") + number + ".bmp";
    std::string error;
    const std::string saved = saveEffectPicture(reduces ? m_reducedDIB : m_stitchDIB, name, error);
    if (!error.empty()) {
        m_messages.showMessage(pav::uiString(texts::kCannotSaveEffect) + saved + "\n" + error, texts::kErrorTitle,
                               pav::MessageIcon::Error);
    } else {
        setLabel4(pav::uiString(texts::kEffectSavedPrefix) + saved);
        m_messages.showMessage(m_label4, texts::kTitleKorvane, pav::MessageIcon::None);
    }
    setBusy(false);
}

void Form1Model::command5Click() {
    if (m_navigation) m_navigation->showBrowser(true);
    m_previewDone = 0;
}

void Form1Model::command6Click() {
    if (m_navigation) m_navigation->showGallery(true);
    m_previewDone = 0;
}

void Form1Model::menuImportFile() {
    if (m_navigation) m_navigation->showBrowser(false);
}

void Form1Model::menuGallery() {
    if (m_navigation) m_navigation->showGallery(false);
}

void Form1Model::showSettings() {
    if (m_navigation) m_navigation->showSettings();
}

void Form1Model::menuAbout() {
    if (m_navigation) m_navigation->showAbout();
}

// The chart of a file is shown as it is: the picture, the fabric and the stitch data stay.
void Form1Model::menuOpenChartFile() {
    if (m_navigation) m_navigation->openChartFile();
}

void Form1Model::menuCapture() {
    if (m_navigation) m_navigation->startScreenCapture();
}

void Form1Model::label9Click() {
    if (!stitchDataFree()) return;
    if (m_navigation) m_navigation->openEditor();
}

void Form1Model::hover(HintLabel label) {
    switch (label) {
    case HintLabel::Label5: setLabel4(texts::kMoreColoursHint); break;
    case HintLabel::Label6:
    case HintLabel::Label10: setLabel4(texts::kFewColoursHint); break;
    case HintLabel::Label7: setLabel4(texts::kAddTextHint); break;
    }
}

// ---------------------------------------------------------------- panning

void Form1Model::picture4MouseDown(double x, double y) {
    if (m_label8Visible && stitchDataFree()) {
        const QRect label = label8Rect();
        stampText(x - label.width(), y - label.height());
        previewRoutine();
        m_label8Visible = false;
        notify(Form1Change::TextTool);
    }
    m_downX = static_cast<float>(x);
    m_downY = static_cast<float>(y);
}

void Form1Model::picture4MouseMove(double x, double y) {
    if (!m_label8Visible) return;
    const QRect label = label8Rect();
    m_label8Left = x - label.width();
    m_label8Top = y - label.height();
    notify(Form1Change::TextTool);
}

QPointF Form1Model::releaseAt(double x, double y) {
    m_upX = static_cast<float>(x);
    attempt([&] { m_upY = toInt32(y); });
    return QPointF((m_downX - m_upX) / 2.0, (m_downY - m_upY) / 2.0);
}

void Form1Model::picture4MouseUp(double x, double y) {
    const QPointF half = releaseAt(x, y);
    const double halfX = half.x();
    attempt([&] { moveX1 = toInt32(halfX + moveX1); });
    attempt([&] { moveY1 = toInt32(half.y() + moveY1); });
    if (moveX1 < 0) moveX1 = 0;
    if (moveY1 < 0) moveY1 = 0;
    if (halfX > 1 || halfX < -1) {
        m_picture4Left = -pixelsToTwips(moveX1);
        m_picture4Top = -pixelsToTwips(moveY1);
        notify(Form1Change::Fabric);
    }
}

void Form1Model::picture1MouseDown(double x, double y) {
    m_downX = static_cast<float>(x);
    m_downY = static_cast<float>(y);
}

void Form1Model::picture1MouseUp(double x, double y) {
    const QPointF half = releaseAt(x, y);
    const double halfX = half.x();
    attempt([&] { m_viewX = std::clamp(toInt32(halfX + m_viewX), 0, static_cast<int>(picmaxW)); });
    attempt([&] { m_viewY = std::clamp(toInt32(half.y() + m_viewY), 0, static_cast<int>(picmaxH)); });
    if (halfX > 1 || halfX < -1) showMatrixS();
}

// ---------------------------------------------------------------- text tool

QRect Form1Model::label8Rect() const {
    const QFontMetrics metrics(m_textFont);
    const QString caption = QString::fromStdString(m_label8Caption);
    return QRect(static_cast<int>(std::floor(m_label8Left)), static_cast<int>(std::floor(m_label8Top)),
                 metrics.horizontalAdvance(caption), metrics.height());
}

void Form1Model::label7Click() {
    m_textEntryOpen = true;
    notify(Form1Change::TextTool);
}

void Form1Model::text1Click() {
    if (!m_text1Clicked) m_text1.clear();
    m_text1Clicked = true;
    notify(Form1Change::TextTool);
}

void Form1Model::command9Click() {
    m_textEntryOpen = false;
    notify(Form1Change::TextTool);
}

void Form1Model::command8Click() {
    m_textEntryOpen = false;
    m_label8Caption = m_text1;
    m_label8Visible = true;
    notify(Form1Change::TextTool);
}

void Form1Model::label8Click() {
    if (!m_label8Visible || !stitchDataFree()) return;
    stampText(m_label8Left, m_label8Top);
    previewRoutine();
    m_label8Visible = false;
    notify(Form1Change::TextTool);
}

void Form1Model::stampText(double left, double top) {
    const QString caption = QString::fromStdString(m_label8Caption);
    if (caption.isEmpty()) return;
    const QFontMetrics metrics(m_textFont);
    const QPointF origin(left, top + metrics.ascent());
    // The area drawn on: the text's bounding box with room for overhangs.
    const QRect area = metrics.boundingRect(caption).translated(origin.toPoint()).adjusted(-2, -2, 2, 2);
    m_picture4.draw(area, [&](QPainter& painter) {
        painter.setFont(m_textFont);
        painter.setPen(Qt::black);
        painter.drawText(origin, caption);
    });
    notify(Form1Change::Fabric);
}

// ---------------------------------------------------------------- capture

void Form1Model::copyIntoPicture4(const QImage& block, QPoint at) {
    m_picture4.paste(block, at);
    m_reducedWindow = QRect(); // a captured picture is a new, unreduced one
    notify(Form1Change::Fabric);
}

std::int64_t Form1Model::pixelBytes() const {
    return (m_source ? m_source->pixelBytes() : 0) + m_picture4.overlayBytes() + m_picture1.sizeInBytes();
}

} // namespace pav::app
