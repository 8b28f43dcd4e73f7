#include "app/views/Form1View.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include "app/MainTexts.h"
#include "app/views/HelpFile.h"
#include "app/views/LanguageMenu.h"
#include "app/views/MainWidgets.h"
#include "base/UiText.h"

namespace pav::app {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }
QString qs(const char* text) { return QString::fromUtf8(text); }

// Clicks into Text1 reach the model before the box takes the focus.
class Text1ClickFilter : public QObject {
public:
    Text1ClickFilter(Form1Model& model, QObject* parent) : QObject(parent), m_model(model) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) m_model.text1Click();
        return QObject::eventFilter(watched, event);
    }

private:
    Form1Model& m_model;
};

} // namespace

Form1View::Form1View(Form1Model& model, QWidget* parent) : QMainWindow(parent), m_model(model) {
    setObjectName("Form1");
    setWindowTitle(qs(texts::kWindowTitle));
    m_events.yield = [this] { letEventsRun(); };
    m_model.setTask(m_events);

    createMenus();
    createControls();
    createTextTool();
    layOut();
    connectControls();
    // The window cannot be resized: every resize comes back to 9000 x 6930 twips.
    setFixedSize(kWidth, kHeight);
    // Nor maximised: a window manager would offer a maximise button that does nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_model.setObserver(this);
    syncBars();
    syncLabels();
    syncButtons();
    syncFabric();
    syncTextTool();
}

Form1View::~Form1View() {
    m_model.setObserver(nullptr);
    m_model.setTask({});
    if (m_cursorBusy) QApplication::restoreOverrideCursor();
}

void Form1View::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_model.languageChanged();
    QMainWindow::changeEvent(event);
}

void Form1View::closeEvent(QCloseEvent* event) {
    m_model.unload();
    event->accept();
}

// ------------------------------------------------------------------ building

void Form1View::createMenus() {
    QMenu* file = withUiText(menuBar()->addMenu(QString()), texts::kMenuFile, "title");
    QAction* importFile = withUiText(file->addAction(QString(), this, [this] { m_model.menuImportFile(); }), texts::kFop1);
    importFile->setObjectName("fop1");
    importFile->setShortcut(QKeySequence::Open);
    withUiText(file->addAction(QString(), this, [this] { m_model.menuCapture(); }), texts::kFop2)->setObjectName("fop2");
    withUiText(file->addAction(QString(), this, [this] { m_model.generate(); }), texts::kFop3)->setObjectName("fop3");
    withUiText(file->addAction(QString(), this, [this] { m_model.menuOpenChartFile(); }), texts::kOpenChartFile)
        ->setObjectName("openChartFile");
    // Printing is done in the chart window: this entry has no action of its own.
    withUiText(file->addAction(QString()), texts::kFop4)->setObjectName("fop4");
    file->addSeparator();
    withUiText(file->addAction(QString(), this, [this] { close(); }), texts::kFop6)->setObjectName("fop6");

    QMenu* settings = withUiText(menuBar()->addMenu(QString()), texts::kMenuSettings, "title");
    withUiText(settings->addAction(QString(), this, [this] { m_model.showSettings(); }), texts::kFset1)->setObjectName("fset1");
    withUiText(settings->addAction(QString(), this, [this] { m_model.showSettings(); }), texts::kFset3)->setObjectName("fset3");
    withUiText(settings->addAction(QString(), this, [this] { m_model.menuGallery(); }), texts::kFset4)->setObjectName("fset4");
    addLanguageMenu(settings);

    QMenu* help = withUiText(menuBar()->addMenu(QString()), texts::kMenuHelp, "title");
    QAction* manual = withUiText(help->addAction(QString(), this, [this] { openHelp(m_model.messages()); }),
                                 texts::kHelpManual);
    manual->setObjectName("helpManual");
    manual->setShortcut(QKeySequence::HelpContents);
    withUiText(help->addAction(QString(), this, [this] { m_model.menuAbout(); }), texts::kFreg4)->setObjectName("freg4");

    // Alt and a menu's letter opens it, as in other programs; the captions stay as they are.
    const std::pair<Qt::Key, QMenu*> letters[] = {{Qt::Key_F, file}, {Qt::Key_S, settings}, {Qt::Key_H, help}};
    for (const auto& [key, menu] : letters) {
        auto* shortcut = new QShortcut(QKeyCombination(Qt::AltModifier, key), this);
        connect(shortcut, &QShortcut::activated, this, [this, menu = menu] {
            menuBar()->setActiveAction(menu->menuAction());
        });
    }
}

QPushButton* Form1View::makeButton(const char* name, const char* caption) {
    auto* button = withUiText(new QPushButton(m_central), caption);
    button->setObjectName(name);
    return button;
}

ClickLabel* Form1View::makeLabel(const char* name, const char* caption) {
    auto* label = withUiText(new ClickLabel(QString(), m_central), caption);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet("QLabel { color: #1f3fbf; }");
    return label;
}

void Form1View::createControls() {
    m_central = new QWidget(this);
    setCentralWidget(m_central);

    m_frame1 = withUiText(new QGroupBox(m_central), texts::kFrame1, "title");
    m_frame1->setObjectName("Frame1");
    m_picture2 = new FabricBox(m_model, m_frame1);
    m_picture1 = new PreviewBox(m_model, m_central);

    m_wChange = new QScrollBar(Qt::Horizontal, m_central);
    m_wChange->setObjectName("wChange");
    m_hChange = new QScrollBar(Qt::Vertical, m_central);
    m_hChange->setObjectName("Hchange");
    m_zoom = new QScrollBar(Qt::Horizontal, m_central);
    m_zoom->setObjectName("zoom");

    m_label1 = new QLabel(m_central);
    m_label1->setObjectName("Label1");
    m_label4 = new QLabel(m_central);
    m_label4->setObjectName("Label4");
    m_label4->setStyleSheet("QLabel { color: #7a2a00; }");
    m_check1 = withUiText(new QCheckBox(m_central), texts::kCheck1);
    m_check1->setObjectName("Check1");

    m_command1 = makeButton("Command1", texts::kCommand1);
    m_command11 = makeButton("Command11", texts::kCommand11);
    m_command2 = makeButton("Command2", texts::kCommand2);
    m_command2->hide();
    m_command3 = makeButton("Command3", texts::kCommand3);
    m_command4 = makeButton("Command4", texts::kCommand4);
    m_command5 = makeButton("Command5", texts::kCommand5);
    m_command6 = makeButton("Command6", texts::kCommand6);
    m_command7 = makeButton("Command7", texts::kCommand7);

    m_label2 = makeLabel("Label2", texts::kLabel2);
    m_label3 = makeLabel("Label3", texts::kLabel3);
    m_label5 = makeLabel("Label5", texts::kLabel5);
    m_label6 = makeLabel("Label6", texts::kLabel6);
    m_label7 = makeLabel("Label7", texts::kLabel7);
    m_label9 = makeLabel("Label9", texts::kLabel9);
    m_label10 = makeLabel("Label10", texts::kLabel10);
    m_label11 = makeLabel("Label11", texts::kLabel11);
    m_label12 = makeLabel("Label12", texts::kLabel12);
    for (ClickLabel* big : {m_label5, m_label6, m_label7}) {
        QFont font = big->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 4);
        big->setFont(font);
    }
}

void Form1View::createTextTool() {
    m_text1 = new QLineEdit(m_central);
    m_text1->setObjectName("Text1");
    m_text1->installEventFilter(new Text1ClickFilter(m_model, m_text1));
    m_command8 = makeButton("Command8", texts::kCommand8);
    m_command9 = makeButton("Command9", texts::kCommand9);
}

void Form1View::layOut() {
    const int barThickness = 17;
    // Left: the frame with the fabric, its bars, the size and mode controls.
    m_frame1->setGeometry(6, 0, 238, 8 + kFrameCaptionRoom + 250 + 4);
    m_hChange->setGeometry(248, 10, barThickness, 264);
    m_wChange->setGeometry(6, 278, 238, barThickness);
    m_zoom->setGeometry(6, 298, 238, barThickness);
    m_label1->setGeometry(6, 320, 124, 24);
    m_command1->setGeometry(134, 319, 54, 26);
    m_command11->setGeometry(192, 319, 54, 26);
    m_check1->setGeometry(6, 348, 272, 22);
    m_command5->setGeometry(6, 374, 84, 28);
    m_command6->setGeometry(94, 374, 84, 28);
    m_command7->setGeometry(182, 374, 84, 28);

    // Right: the preview and the commands on it.
    m_command4->setGeometry(282, 4, 100, 26);
    m_label5->setGeometry(394, 4, 18, 26);
    m_label6->setGeometry(416, 4, 18, 26);
    m_label10->setGeometry(446, 4, 64, 26);
    m_label11->setGeometry(520, 4, 64, 26);
    m_picture1->move(288, 34);
    m_label12->setGeometry(288, 338, 60, 24);
    m_label2->setGeometry(356, 338, 32, 24);
    m_label3->setGeometry(394, 338, 32, 24);
    m_label9->setGeometry(432, 338, 32, 24);
    m_label7->setGeometry(470, 336, 20, 28);
    m_command3->setGeometry(508, 336, 80, 28);
    m_text1->setGeometry(288, 370, 170, 26);
    m_command8->setGeometry(462, 370, 60, 26);
    m_command9->setGeometry(526, 370, 60, 26);

    // Bottom: the status line.
    m_label4->setGeometry(6, 408, kWidth - 12, 22);
}

void Form1View::connectBar(QScrollBar* bar, ScrollBar& model) {
    // A drag of the thumb, an arrow or a click on the track: the scroll event.
    connect(bar, &QScrollBar::valueChanged, this, [&model](int value) { model.scrollTo(value); });
}

void Form1View::connectControls() {
    connectBar(m_wChange, m_model.wChange);
    connectBar(m_hChange, m_model.Hchange);
    connectBar(m_zoom, m_model.zoom);
    connect(m_command1, &QPushButton::clicked, this, [this] { m_model.command1Click(); });
    connect(m_command11, &QPushButton::clicked, this, [this] { m_model.command11Click(); });
    connect(m_check1, &QCheckBox::clicked, this, [this](bool checked) { m_model.check1Click(checked); });
    connect(m_command2, &QPushButton::clicked, this, [this] { m_model.previewRoutine(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { m_model.command3Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { m_model.command4Click(); });
    connect(m_command5, &QPushButton::clicked, this, [this] { m_model.command5Click(); });
    connect(m_command6, &QPushButton::clicked, this, [this] { m_model.command6Click(); });
    connect(m_command7, &QPushButton::clicked, this, [this] { m_model.showSettings(); });
    connect(m_command8, &QPushButton::clicked, this, [this] { m_model.command8Click(); });
    connect(m_command9, &QPushButton::clicked, this, [this] { m_model.command9Click(); });
    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.setText1(text.toStdString()); });
    connect(m_label2, &ClickLabel::clicked, this, [this] { m_model.generate(); });
    connect(m_label3, &ClickLabel::clicked, this, [this] { m_model.generate(); });
    connect(m_label5, &ClickLabel::clicked, this, [this] { m_model.label5Click(); });
    connect(m_label6, &ClickLabel::clicked, this, [this] { m_model.label6Click(); });
    connect(m_label7, &ClickLabel::clicked, this, [this] { m_model.label7Click(); });
    connect(m_label9, &ClickLabel::clicked, this, [this] { m_model.label9Click(); });
    connect(m_label10, &ClickLabel::clicked, this, [this] { m_model.reductionDriver(); });
    connect(m_label11, &ClickLabel::clicked, this, [this] { m_model.label11Click(); });
    connect(m_label12, &ClickLabel::clicked, this, [this] { m_model.showSettings(); });
    connect(m_label5, &ClickLabel::hovered, this, [this] { m_model.hover(HintLabel::Label5); });
    connect(m_label6, &ClickLabel::hovered, this, [this] { m_model.hover(HintLabel::Label6); });
    connect(m_label10, &ClickLabel::hovered, this, [this] { m_model.hover(HintLabel::Label10); });
    connect(m_label7, &ClickLabel::hovered, this, [this] { m_model.hover(HintLabel::Label7); });
}

// ------------------------------------------------------------------ model to widgets

void Form1View::form1Changed(Form1Change what) {
    switch (what) {
    case Form1Change::Labels: syncLabels(); break;
    case Form1Change::Bars: syncBars(); break;
    case Form1Change::Fabric: syncFabric(); break;
    case Form1Change::Preview: m_picture1->update(); break;
    case Form1Change::Buttons: syncButtons(); break;
    case Form1Change::TextTool: syncTextTool(); break;
    case Form1Change::Busy: syncBusy(); break;
    }
}

void Form1View::syncBar(QScrollBar* bar, const ScrollBar& model) {
    const QSignalBlocker block(bar);
    bar->setInvertedAppearance(model.Min() > model.Max());
    bar->setRange(model.lowest(), model.highest());
    bar->setValue(model.Value());
    bar->setPageStep(model.LargeChange());
    bar->setSingleStep(model.SmallChange());
    bar->setVisible(model.Visible());
    bar->setEnabled(model.Enabled());
}

void Form1View::syncBars() {
    syncBar(m_wChange, m_model.wChange);
    syncBar(m_hChange, m_model.Hchange);
    syncBar(m_zoom, m_model.zoom);
}

void Form1View::syncLabels() {
    m_label1->setText(qs(m_model.label1()));
    m_label4->setText(uiText(m_model.label4()));
}

void Form1View::syncButtons() {
    m_command1->setEnabled(m_model.command1Enabled());
    m_command11->setEnabled(m_model.command11Enabled());
    m_command2->setEnabled(m_model.command2Enabled() && m_model.mainControlsEnabled());
    m_command4->setEnabled(m_model.mainControlsEnabled());
    m_command5->setEnabled(m_model.mainControlsEnabled());
    m_command6->setEnabled(m_model.mainControlsEnabled());
    const bool free = m_model.stitchDataFree();
    for (QWidget* writer : {static_cast<QWidget*>(m_label2), static_cast<QWidget*>(m_label3),
                            static_cast<QWidget*>(m_label9), static_cast<QWidget*>(m_command3)})
        writer->setEnabled(free);
    if (auto* generate = findChild<QAction*>("fop3")) generate->setEnabled(free);
    const QSignalBlocker block(m_check1);
    m_check1->setChecked(m_model.check1());
}

void Form1View::syncFabric() {
    const FrameGeometry& f = m_model.fabricFrame();
    const QRect area(qRound(f.left / kTwipsPerPixel), qRound(f.top / kTwipsPerPixel) + kFrameCaptionRoom,
                     std::max(0, qRound(f.width / kTwipsPerPixel)), std::max(0, qRound(f.height / kTwipsPerPixel)));
    m_picture2->setGeometry(area);
    m_picture2->syncLabel8();
    m_picture2->update();
}

void Form1View::syncTextTool() {
    const bool open = m_model.textEntryOpen();
    m_text1->setVisible(open);
    m_command8->setVisible(open);
    m_command9->setVisible(open);
    if (m_text1->text() != qs(m_model.text1())) m_text1->setText(qs(m_model.text1()));
    m_picture2->syncLabel8();
}

void Form1View::syncBusy() {
    if (m_model.busy() == m_cursorBusy) return;
    m_cursorBusy = m_model.busy();
    if (m_cursorBusy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void Form1View::letEventsRun() {
    m_pump.run();
}

} // namespace pav::app
