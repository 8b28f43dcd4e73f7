#include "chart/window/Form7View.h"

#include "chart/window/ChartCanvasWidget.h"
#include "base/UiText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QAction>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace pav::chart {
namespace {

constexpr int kProgressFrameWidth = 300;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Form7View::Form7View(Form7Model& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setUiText(this, "windowTitle", texts::kWindowTitle);
    m_events.yield = [this] { letEventsRun(); };
    createControls();
    layOut();
    connectControls();
    m_model.setProgressFrameWidth(kProgressFrameWidth);
    m_model.setObserver(this);
    m_model.load();
    resize(900, 700);
}

Form7View::~Form7View() {
    m_model.setObserver(nullptr);
    if (m_cursorBusy) QGuiApplication::restoreOverrideCursor();
}

void Form7View::createControls() {
    m_combo1 = named(new QComboBox(this), "Combo1");
    // Wide enough for its longest item in either language.
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fillStyleList();
    m_combo2 = named(new QComboBox(this), "Combo2");
    m_combo2->setEditable(true);
    m_combo2->addItems({"0", "5", "10", "15", "20", "25", "35", "40", "45", "50"});
    m_combo2->setEditText(qs(m_model.thresholdText()));
    // Room for a few digits beside the arrow; typed values are checked, not added to the list.
    m_combo2->setMinimumContentsLength(4);
    m_combo2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo2->setInsertPolicy(QComboBox::NoInsert);
    m_label2 = named(withUiText(new QLabel(this), texts::kThresholdLabel), "Label2");
    m_check1 = named(withUiText(new QCheckBox(this), texts::kShowAllBlocks), "Check1");
    m_command1 = named(withUiText(new QPushButton(this), texts::kGenerate), "Command1");
    m_command5 = named(new QPushButton(uiText(m_model.command5Caption()), this), "Command5");
    m_command4 = named(withUiText(new QPushButton(this), texts::kSave), "Command4");
    m_exportPdf = named(withUiText(new QPushButton(this), texts::kExportPdf), "ExportPdf");
    m_saveChartFile = named(withUiText(new QPushButton(this), texts::kSaveChartFile), "SaveChartFile");
    m_editColours = named(withUiText(new QPushButton(this), texts::kEditColours), "EditColours");
    m_pattern = named(withUiText(new QPushButton(this), texts::kPatternButton), "Pattern");
    m_label1 = named(new QLabel(uiText(m_model.label1Text()), this), "Label1");
    m_quality = named(new QLabel(this), "Quality");
    m_quality->setVisible(false);
    m_shape2 = named(new QFrame(this), "Shape2");
    m_shape2->setFrameShape(QFrame::Box);
    m_shape2->setFixedSize(kProgressFrameWidth, 12);
    m_shape1 = named(new QFrame(m_shape2), "Shape1");
    m_shape1->setAutoFillBackground(true);
    QPalette fill = m_shape1->palette();
    fill.setColor(QPalette::Window, QColor(0, 0, 160));
    m_shape1->setPalette(fill);
    m_shape1->setGeometry(0, 0, 2, 12);
    m_picture2 = named(new QWidget(this), "Picture2");
    m_picture2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture2->setAutoFillBackground(true);
    m_picture3 = new ChartCanvasWidget(m_model, m_picture2);
    m_hchange = named(new QScrollBar(Qt::Horizontal, this), "Hchange");
    m_vchange = named(new QScrollBar(Qt::Vertical, this), "Vchange");
    m_picture3->setScrollBars(m_hchange, m_vchange);
    m_picture2->installEventFilter(this);
}

void Form7View::layOut() {
    auto* options = new QHBoxLayout;
    options->addWidget(m_combo1);
    options->addWidget(m_label2);
    options->addWidget(m_combo2);
    options->addWidget(m_check1);
    options->addStretch();
    options->addWidget(m_command1);
    options->addWidget(m_command5);
    options->addWidget(m_command4);
    options->addWidget(m_exportPdf);
    options->addWidget(m_saveChartFile);
    options->addWidget(m_editColours);
    auto* status = new QHBoxLayout;
    status->addWidget(m_label1);
    status->addWidget(m_quality);
    status->addStretch();
    // The output beside the status line: the row above is as wide as the window may be.
    status->addWidget(m_pattern);
    status->addWidget(m_shape2);
    auto* view = new QGridLayout;
    view->setSpacing(0);
    view->addWidget(m_picture2, 0, 0);
    view->addWidget(m_vchange, 0, 1);
    view->addWidget(m_hchange, 1, 0);
    auto* window = new QVBoxLayout(this);
    window->addLayout(options);
    window->addLayout(status);
    window->addLayout(view, 1);
}

void Form7View::connectControls() {
    // The list shows the styles in the user's language; the model gets the style's own text.
    // A chart given to the window (one read from a file) is drawn again in the style chosen.
    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(std::size(texts::kStyles))) return;
        m_model.setStyle(texts::kStyles[index]);
        if (m_model.showsGivenChart() && !m_model.busy())
            runJob([this] { m_model.redrawShownChart(m_events); });
    });
    // The threshold is checked when editing ends (Enter or leaving the box) or a
    // listed value is chosen, not at each keystroke: an emptied box is no error yet.
    connect(m_combo2->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { m_model.setThresholdText(m_combo2->currentText().toStdString()); });
    connect(m_combo2, &QComboBox::textActivated, this,
            [this](const QString& text) { m_model.setThresholdText(text.toStdString()); });
    connect(m_check1, &QCheckBox::clicked, this, [this] { m_model.check1Clicked(); });
    connect(m_command1, &QPushButton::clicked, this,
            [this] { runJob([this] { m_model.command1Clicked(m_events); }); });
    // "打印" starts the print job, which lets events run through this window too.
    connect(m_command5, &QPushButton::clicked, this,
            [this] { runJob([this] { m_model.command5Clicked(); }); });
    connect(m_command4, &QPushButton::clicked, this, [this] { m_model.command4Clicked(); });
    // Ctrl+S saves as "保存" does.
    auto* save = new QAction(this);
    save->setObjectName(QStringLiteral("SaveKey"));
    save->setShortcut(QKeySequence::Save);
    addAction(save);
    connect(save, &QAction::triggered, this, [this] { m_model.command4Clicked(); });
    connect(m_exportPdf, &QPushButton::clicked, this, [this] {
        if (m_exportPdfHandler) runJob(m_exportPdfHandler);
    });
    connect(m_saveChartFile, &QPushButton::clicked, this, [this] { saveChartFile(); });
    connect(m_editColours, &QPushButton::clicked, this, [this] { m_model.editColoursClicked(); });
    connect(m_pattern, &QPushButton::clicked, this, [this] {
        if (m_patternHandler) runJob(m_patternHandler);
    });
    connect(m_hchange, &QScrollBar::valueChanged, this, [this] { placeCanvas(); });
    connect(m_vchange, &QScrollBar::valueChanged, this, [this] { placeCanvas(); });
}

// The long jobs call this at every check; events really run at most every 16 ms.
void Form7View::letEventsRun() {
    m_pump.run([this] { m_picture3->update(); });
}

void Form7View::saveChartFile() {
    if (!m_model.exportEnabled()) return;
    QString chosen = QFileDialog::getSaveFileName(this, uiText(texts::kSaveChartFile),
                                                  m_model.suggestedFilePath(QStringLiteral(".oxs")),
                                                  uiText(texts::kChartFileFilter));
    if (chosen.isEmpty()) return;
    if (!chosen.endsWith(QStringLiteral(".oxs"), Qt::CaseInsensitive)) chosen += QStringLiteral(".oxs");
    m_model.saveChartFile(chosen);
}

void Form7View::setPrintJobHooks(std::function<void()> exportPdf, std::function<bool()> jobRunning,
                                 std::function<void()> pattern) {
    m_exportPdfHandler = std::move(exportPdf);
    m_patternHandler = std::move(pattern);
    m_jobRunning = std::move(jobRunning);
    form7ControlsChanged();
}

void Form7View::form7ControlsChanged() {
    if (m_combo1->currentText() != uiText(m_model.styleText())) {
        const QSignalBlocker quiet(m_combo1);
        m_combo1->setCurrentText(uiText(m_model.styleText()));
    }
    if (m_combo2->currentText() != qs(m_model.thresholdText())) {
        const QSignalBlocker quiet(m_combo2);
        m_combo2->setEditText(qs(m_model.thresholdText()));
    }
    m_command1->setEnabled(m_model.command1Enabled());
    m_command4->setEnabled(m_model.command4Enabled());
    const bool otherJob = m_jobRunning && m_jobRunning();
    m_command5->setEnabled(m_model.printEnabled() && !otherJob);
    m_exportPdf->setEnabled(m_exportPdfHandler && m_model.exportEnabled() && !otherJob);
    m_saveChartFile->setEnabled(m_model.exportEnabled() && !otherJob);
    m_editColours->setVisible(m_model.showsGivenChart());
    m_editColours->setEnabled(m_model.editColoursEnabled() && !otherJob);
    m_pattern->setEnabled(m_patternHandler && m_model.exportEnabled() && !otherJob);
    m_command5->setText(uiText(m_model.command5Caption()));
    m_label1->setText(uiText(m_model.label1Text()));
    m_label1->setVisible(m_model.label1Visible());
    m_quality->setText(qs(m_model.qualityText()));
    m_quality->setVisible(!m_model.qualityText().empty());
    if (m_model.busy() != m_cursorBusy) {
        m_cursorBusy = m_model.busy();
        if (m_cursorBusy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    }
}

void Form7View::fillStyleList() {
    const QSignalBlocker quiet(m_combo1);
    m_combo1->clear();
    for (const ChartStyle style : texts::kStyles) m_combo1->addItem(uiText(texts::styleText(style)));
    m_combo1->setCurrentText(uiText(m_model.styleText()));
    // Wide enough at once for the items of the language now chosen.
    m_combo1->setMinimumWidth(m_combo1->sizeHint().width());
    if (layout()) layout()->activate();
}

void Form7View::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        fillStyleList();
        form7ControlsChanged();
    }
    QWidget::changeEvent(event);
}

void Form7View::form7ProgressChanged() {
    const int width = static_cast<int>(std::lround(m_model.progressFill()));
    m_shape1->resize(std::clamp(width, 0, kProgressFrameWidth), m_shape2->height());
}

void Form7View::form7CanvasChanged() {
    m_picture3->fitCanvas();
    updateScrollRanges();
    m_picture3->update();
}

// Closing stops a running job at its next check. A window that deletes itself on
// close waits until the job has returned: the job still lets events run through it.
void Form7View::closeEvent(QCloseEvent* event) {
    m_model.unload();
    if (m_jobs > 0 && testAttribute(Qt::WA_DeleteOnClose)) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        m_deleteAfterJob = true;
    }
    event->accept();
}

void Form7View::showEvent(QShowEvent* event) {
    if (m_deleteAfterJob) { // shown again before the job ended
        m_deleteAfterJob = false;
        setAttribute(Qt::WA_DeleteOnClose, true);
    }
    QWidget::showEvent(event);
}

void Form7View::runJob(const std::function<void()>& job) {
    ++m_jobs;
    job();
    if (--m_jobs == 0 && m_deleteAfterJob) deleteLater();
}

bool Form7View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture2 && event->type() == QEvent::Resize) updateScrollRanges();
    return QWidget::eventFilter(watched, event);
}

// The bars pan the canvas inside the viewport, never past its far edges.
void Form7View::updateScrollRanges() {
    const QSize canvas = m_model.canvas().size();
    m_hchange->setRange(0, std::max(0, canvas.width() - m_picture2->width()));
    m_vchange->setRange(0, std::max(0, canvas.height() - m_picture2->height()));
    m_hchange->setPageStep(std::max(1, m_picture2->width()));
    m_vchange->setPageStep(std::max(1, m_picture2->height()));
    m_hchange->setSingleStep(10);
    m_vchange->setSingleStep(10);
    placeCanvas();
}

void Form7View::placeCanvas() {
    m_picture3->move(-m_hchange->value(), -m_vchange->value());
}

} // namespace pav::chart
