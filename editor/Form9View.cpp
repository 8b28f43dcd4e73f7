#include "editor/Form9View.h"

#include "base/UiText.h"
#include "editor/EditorTexts.h"
#include "editor/ImageBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace pav::editor {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 10;
// Room kept for the thumbnail and the magnified view, so that the lower half of
// the window stays put for every fabric up to 230 x 250 stitches.
constexpr int kThumbAreaW = 230;
constexpr int kThumbAreaH = 250;
constexpr int kListFrameW = Form9Model::kListW + 25;
constexpr int kListFrameH = 200;
constexpr int kScrollW = 17;
constexpr int kMiddleW = 150;
constexpr int kSwatchW = 44;
constexpr int kRowH = 26;

QFrame* sunkenFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

} // namespace

Form9View::Form9View(EditorHost* host, QWidget* mainWindow) : QWidget(nullptr, Qt::Window) {
    m_model = std::make_unique<Form9Model>(host);
    m_model->setObserver(this);

    setUiText(this, "windowTitle", Form9Model::kCaption);
    if (mainWindow) setWindowIcon(mainWindow->windowIcon());
    buildControls();
    connectActions();
    layOut();
}

Form9View::~Form9View() {
    m_model->setObserver(nullptr);
}

void Form9View::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_model->languageChanged();
        m_label6->setText(uiText(m_model->counterText().toStdString()));
    }
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------- controls

void Form9View::buildControls() {
    m_picture1 = new ImageBox(this);
    m_picture1->setCursor(Qt::CrossCursor);
    m_picture2 = new ImageBox(this);
    buildLists();
    buildMiddleColumn();
    m_label2 = withUiText(new QLabel(this), texts::kCountLabel);
    m_label6 = new QLabel(uiText(Form9Model::kInitialCounter), this);
}

void Form9View::buildLists() {
    m_picture3 = sunkenFrame(this);
    setUiText(m_picture3, "toolTip", texts::kClickToReplace);
    m_picture4 = sunkenFrame(this);
    m_picture5 = new ImageBox(m_picture3);
    setUiText(m_picture5, "toolTip", texts::kClickToReplace);
    m_picture6 = new ImageBox(m_picture4);
    m_vscroll3 = new QScrollBar(Qt::Vertical, m_picture3);
    m_vscroll4 = new QScrollBar(Qt::Vertical, m_picture4);
    for (QScrollBar* bar : {m_vscroll3, m_vscroll4}) {
        bar->setRange(0, 0);
        bar->setSingleStep(Form9Model::kCellH);
        bar->setPageStep(kListFrameH);
    }
    for (ImageBox* box : {m_picture5, m_picture6}) {
        box->setImage(QImage(), false);
        box->setGeometry(2, 2, Form9Model::kListW, Form9Model::kListInitialH);
    }
}

void Form9View::buildMiddleColumn() {
    m_label5 = withUiText(new QLabel(this), texts::kReplaceColour);
    m_label1 = new QLabel(this);
    m_label3 = withUiText(new QLabel(this), texts::kTargetColour);
    m_label7 = new QLabel(this);
    for (QLabel* swatch : {m_label1, m_label7}) {
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setAutoFillBackground(true);
    }
    m_command1 = withUiText(new QPushButton(this), texts::kReplace);
    m_command2 = withUiText(new QPushButton(this), texts::kUndo);
    m_command2->setEnabled(false);
    m_command3 = withUiText(new QPushButton(this), texts::kDone);
}

void Form9View::connectActions() {
    using Side = Form9Model::ListSide;
    connect(m_picture1, &ImageBox::moved, this,
            [this](QPoint p) { m_model->moveOverThumbnail(p.x(), p.y()); });
    // A press also places the marker, in case the pointer's last move has not arrived yet.
    connect(m_picture1, &ImageBox::pressed, this, [this](QPoint p) {
        m_model->moveOverThumbnail(p.x(), p.y());
        m_model->pressThumbnail();
    });
    connect(m_picture2, &ImageBox::pressed, this,
            [this](QPoint p) { m_model->pressMagnified(p.x(), p.y()); });
    connect(m_picture5, &ImageBox::pressed, this,
            [this](QPoint p) { m_model->pressList(Side::Source, p.x(), p.y()); });
    connect(m_picture6, &ImageBox::pressed, this,
            [this](QPoint p) { m_model->pressList(Side::Target, p.x(), p.y()); });
    connect(m_vscroll3, &QScrollBar::valueChanged, this,
            [this](int v) { m_model->setListScroll(Side::Source, v); });
    connect(m_vscroll4, &QScrollBar::valueChanged, this,
            [this](int v) { m_model->setListScroll(Side::Target, v); });
    connect(m_command1, &QPushButton::clicked, this, [this] { m_model->replace(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { m_model->undo(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { m_model->done(); });
}

// Places every control; the thumbnail's room grows for charts larger than 230 x 250.
void Form9View::layOut() {
    const int thumbW = std::max(kThumbAreaW, m_model->chartW());
    const int thumbH = std::max(kThumbAreaH, m_model->chartH());
    m_picture1->move(kMargin, kMargin);
    const int zoomX = kMargin + thumbW + kGap;
    m_picture2->move(zoomX, kMargin);
    if (m_picture2->size().isEmpty())
        m_picture2->resize(Form9Model::kMagnifiedMaxW, Form9Model::kMagnifiedMaxH);

    const int listY = kMargin + std::max(thumbH, Form9Model::kMagnifiedMaxH) + kGap;
    m_picture3->setGeometry(kMargin, listY, kListFrameW, kListFrameH);
    const int middleX = kMargin + kListFrameW + kGap;
    const int rightX = middleX + kMiddleW + kGap;
    m_picture4->setGeometry(rightX, listY, kListFrameW, kListFrameH);
    // The scroll bars sit at the right edge inside their list frames.
    for (QScrollBar* bar : {m_vscroll3, m_vscroll4})
        bar->setGeometry(kListFrameW - kScrollW - 4, 1, kScrollW, kListFrameH - 3);

    const int labelW = kMiddleW - kSwatchW - 6;
    m_label5->setGeometry(middleX, listY + 4, labelW, 20);
    m_label1->setGeometry(middleX + labelW + 6, listY + 2, kSwatchW, 24);
    m_label3->setGeometry(middleX, listY + 4 + kRowH + 6, labelW, 20);
    m_label7->setGeometry(middleX + labelW + 6, listY + 2 + kRowH + 6, kSwatchW, 24);
    const int buttonY = listY + 2 * (kRowH + 6) + 12;
    m_command1->setGeometry(middleX, buttonY, kMiddleW, kRowH + 2);
    m_command2->setGeometry(middleX, buttonY + kRowH + 10, kMiddleW, kRowH + 2);
    m_command3->setGeometry(middleX, buttonY + 2 * (kRowH + 10), kMiddleW, kRowH + 2);

    const int counterY = listY + kListFrameH + 8;
    m_label2->setGeometry(kMargin, counterY, 48, 20);
    m_label6->setGeometry(kMargin + 48, counterY, rightX + kListFrameW - kMargin - 48, 20);

    const int width = std::max(rightX + kListFrameW, zoomX + Form9Model::kMagnifiedMaxW) + kMargin;
    setFixedSize(width, counterY + 20 + kMargin);
}

QScrollBar* Form9View::listScrollBar(Form9Model::ListSide side) const {
    return side == Form9Model::ListSide::Source ? m_vscroll3 : m_vscroll4;
}

ImageBox* Form9View::listBox(Form9Model::ListSide side) const {
    return side == Form9Model::ListSide::Source ? m_picture5 : m_picture6;
}

QFrame* Form9View::listFrame(Form9Model::ListSide side) const {
    return side == Form9Model::ListSide::Source ? m_picture3 : m_picture4;
}

// ---------------------------------------------------------------- opening and model changes

bool Form9View::openColorEditor(const chart::Chart& chart) {
    return showOpened(m_model->open(chart));
}

// The window comes up on a stitch picture that opened and goes away otherwise.
bool Form9View::showOpened(bool opened) {
    if (!opened) {
        hide();
        return false;
    }
    show();
    raise();
    activateWindow();
    return true;
}

void Form9View::form9Changed(Part part) {
    switch (part) {
    case Part::Opened:
        m_picture1->setImage(m_model->thumbnail(), true);
        m_picture1->setOutline(m_model->marker());
        m_picture2->setImage(m_model->magnified(), true);
        showLists();
        showSwatch(m_label1, Form9Model::kNone);
        showSwatch(m_label7, Form9Model::kNone);
        m_label6->setText(uiText(m_model->counterText().toStdString()));
        m_command2->setEnabled(m_model->undoEnabled());
        layOut();
        break;
    case Part::Thumbnail:
    case Part::Magnified:
        showImages();
        break;
    case Part::Marker:
        m_picture1->setOutline(m_model->marker());
        break;
    case Part::Lists:
    case Part::Scroll:
        showLists();
        break;
    case Part::Swatches:
        showSwatch(m_label1, m_model->srcColor());
        showSwatch(m_label7, m_model->dstColor());
        break;
    case Part::Counter:
        m_label6->setText(uiText(m_model->counterText().toStdString()));
        m_command2->setEnabled(m_model->undoEnabled());
        break;
    }
}

void Form9View::showImages() {
    m_picture1->setImage(m_model->thumbnail(), false);
    m_picture2->setImage(m_model->magnified(), false);
}

void Form9View::showLists() {
    using Side = Form9Model::ListSide;
    for (Side side : {Side::Source, Side::Target}) {
        QScrollBar* bar = listScrollBar(side);
        const QSignalBlocker blocker(bar);
        bar->setRange(0, m_model->listScrollMax());
        bar->setValue(m_model->listScroll(side));
        ImageBox* box = listBox(side);
        box->setImage(m_model->list(side), true);
        // One scroll unit moves the list by one pixel.
        box->move(2, 2 - m_model->listScroll(side));
    }
}

void Form9View::showSwatch(QLabel* label, std::int32_t thread) {
    QPalette colours = label->palette();
    const std::int32_t rgb = m_model->swatchRgb(thread);
    colours.setColor(QPalette::Window,
                     rgb == Form9Model::kNone
                         ? palette().color(QPalette::Window)
                         : QColor(rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255));
    label->setPalette(colours);
}

} // namespace pav::editor
