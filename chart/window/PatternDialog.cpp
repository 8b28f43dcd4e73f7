#include "chart/window/PatternDialog.h"

#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternTexts.h"
#include "chart/window/ChartWindowTexts.h"
#include "chart/window/PatternDialogTexts.h"
#include "base/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace pav::print {
namespace {

using namespace chart::texts;

constexpr int kPreviewWidth = 360;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString fabricItem(int count) {
    return pav::uiText(pattern::overTwo(count) ? pattern::texts::kEvenweave : pattern::texts::kAida).arg(count);
}

} // namespace

PatternDialog::PatternDialog(PrintJob& job, chart::OutputLayout first, QWidget* parent)
    : QDialog(parent), m_job(job), m_model(job.model().chart(), first) {
    pav::setUiText(this, "windowTitle", kPatternTitle);
    m_model.setOptions(job.patternOptions()); // the options stay as chosen for the run
    createControls();
    layOut();
    connectControls();
    optionsChanged();
    showPreview();
}

void PatternDialog::createControls() {
    m_layout = named(new QComboBox(this), "Layout");
    m_layout->addItem(pav::uiText(kLayoutPattern), static_cast<int>(chart::OutputLayout::Pattern));
    m_layout->addItem(pav::uiText(kLayoutSheet), static_cast<int>(chart::OutputLayout::Sheet));
    m_layout->setCurrentIndex(m_model.layout() == chart::OutputLayout::Pattern ? 0 : 1);
    const pattern::PatternOptions& options = m_model.options();
    m_paper = named(new QComboBox(this), "Paper");
    for (const pattern::Paper paper : {pattern::Paper::A4, pattern::Paper::Letter, pattern::Paper::A3})
        m_paper->addItem(QString::fromLatin1(pattern::paperName(paper)), static_cast<int>(paper));
    m_paper->setCurrentIndex(std::max(0, m_paper->findData(static_cast<int>(options.paper))));
    m_orientation = named(new QComboBox(this), "Orientation");
    m_orientation->addItems({pav::uiText(kOrientationAuto), pav::uiText(kOrientationPortrait), pav::uiText(kOrientationLandscape)});
    if (options.orientation == pattern::Orientation::Portrait) m_orientation->setCurrentIndex(1);
    if (options.orientation == pattern::Orientation::Landscape) m_orientation->setCurrentIndex(2);
    m_cell = named(new QDoubleSpinBox(this), "CellMm");
    m_cell->setRange(pattern::kCellMinMm, pattern::kCellMaxMm);
    m_cell->setDecimals(1);
    m_cell->setSingleStep(0.1);
    m_cell->setValue(options.cellMm);
    m_cell->setSuffix(pav::uiText(kCellSuffix));
    m_cell->setToolTip(chart::PatternDialogModel::cellRangeText());
    m_cellHint = named(new QLabel(chart::PatternDialogModel::cellRangeText(), this), "CellHint");
    m_cellHint->setStyleSheet(QStringLiteral("color: #b00000"));
    m_cellHint->hide();
    m_overlap = named(new QSpinBox(this), "Overlap");
    m_overlap->setRange(0, pattern::kOverlapMax);
    m_overlap->setValue(options.overlap);
    m_overlap->setSuffix(pav::uiText(kOverlapSuffix));
    m_fabric = named(new QComboBox(this), "Fabric");
    for (const int count : pattern::kFabricCounts) m_fabric->addItem(fabricItem(count), count);
    m_fabric->setCurrentIndex(m_fabric->findData(options.fabricCount));
    m_strands = named(new QSpinBox(this), "Strands");
    m_strands->setRange(pattern::kStrandsMin, pattern::kStrandsMax);
    m_strands->setValue(options.strands);
    m_strands->setSuffix(pav::uiText(kStrandsSuffix));
    m_blackAndWhite = named(pav::withUiText(new QCheckBox(this), kBlackAndWhite), "BlackAndWhite");
    m_blackAndWhite->setChecked(options.blackAndWhite);
    m_symbols = named(new QComboBox(this), "Symbols");
    m_symbols->addItem(pav::uiText(kSymbolsDistinct), static_cast<int>(pattern::SymbolChoice::Distinct));
    m_symbols->addItem(pav::uiText(kSymbolsChart), static_cast<int>(pattern::SymbolChoice::Chart));
    m_offer = named(new QLabel(this), "CellOffer");
    m_offer->setWordWrap(true);
    m_useOffer = named(pav::withUiText(new QPushButton(this), kUseCellOffer), "UseCellOffer");
    m_isolated = named(new QLabel(this), "IsolatedHint");
    m_isolated->setWordWrap(true);
    m_remake = named(pav::withUiText(new QPushButton(this), kRemakeSmart), "Remake");
    m_remake->hide();
    m_summary = named(new QLabel(this), "Summary");
    m_summary->setWordWrap(true);
    m_preview = named(new QLabel(this), "Preview");
    m_preview->setFixedWidth(kPreviewWidth);
    m_preview->setMinimumHeight(kPreviewWidth * 297 / 210);
    m_preview->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_previewCaption = named(new QLabel(this), "PreviewCaption");
    m_previousPage = named(pav::withUiText(new QPushButton(this), kPreviousPage), "PreviousPage");
    m_nextPage = named(pav::withUiText(new QPushButton(this), kNextPage), "NextPage");
    m_print = named(pav::withUiText(new QPushButton(this), kPrintButton), "Print");
    m_export = named(pav::withUiText(new QPushButton(this), kExportButton), "Export");
    m_close = named(pav::withUiText(new QPushButton(this), kCloseButton), "Close");
    // Enter in a number box applies the number; only a click prints or exports.
    for (QPushButton* button : {m_previousPage, m_nextPage, m_print, m_export, m_close, m_useOffer, m_remake}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(150);
}

void PatternDialog::layOut() {
    auto* form = new QFormLayout;
    form->addRow(pav::uiText(kLayoutLabel), m_layout);
    form->addRow(pav::uiText(kPaperLabel), m_paper);
    form->addRow(pav::uiText(kOrientationLabel), m_orientation);
    form->addRow(pav::uiText(kCellLabel), m_cell);
    form->addRow(QString(), m_cellHint);
    form->addRow(pav::uiText(kOverlapLabel), m_overlap);
    form->addRow(pav::uiText(kFabricLabel), m_fabric);
    form->addRow(pav::uiText(kStrandsLabel), m_strands);
    form->addRow(QString(), m_blackAndWhite);
    form->addRow(pav::uiText(kSymbolsLabel), m_symbols);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(m_summary);
    auto* offer = new QHBoxLayout;
    offer->addWidget(m_offer, 1);
    offer->addWidget(m_useOffer);
    left->addLayout(offer);
    left->addWidget(m_isolated);
    left->addWidget(m_remake);
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    auto* paging = new QHBoxLayout;
    paging->addWidget(m_previewCaption, 1);
    paging->addWidget(m_previousPage);
    paging->addWidget(m_nextPage);
    right->addLayout(paging);
    right->addWidget(m_preview, 1);
    auto* window = new QHBoxLayout(this);
    window->addLayout(left);
    window->addLayout(right);
}

void PatternDialog::connectControls() {
    const auto changed = [this] { optionsChanged(); };
    connect(m_layout, &QComboBox::currentIndexChanged, this, changed);
    connect(m_paper, &QComboBox::currentIndexChanged, this, changed);
    connect(m_orientation, &QComboBox::currentIndexChanged, this, changed);
    connect(m_cell, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_overlap, &QSpinBox::valueChanged, this, changed);
    connect(m_fabric, &QComboBox::currentIndexChanged, this, changed);
    connect(m_strands, &QSpinBox::valueChanged, this, changed);
    connect(m_blackAndWhite, &QCheckBox::toggled, this, changed);
    connect(m_symbols, &QComboBox::currentIndexChanged, this, changed);
    connect(m_useOffer, &QPushButton::clicked, this, [this] {
        if (const auto offer = m_model.cellOffer()) m_cell->setValue(offer->cellMm);
    });
    connect(m_remake, &QPushButton::clicked, this, [this] {
        if (!m_remakeChart) return;
        reject();
        m_remakeChart();
    });
    connect(m_previewTimer, &QTimer::timeout, this, [this] { showPreview(); });
    // The box's own line edit: what the user types, before the box refuses it.
    connect(m_cell->findChild<QLineEdit*>(), &QLineEdit::textEdited, this, [this] { cellTextEdited(); });
    connect(m_previousPage, &QPushButton::clicked, this, [this] {
        m_model.previousPage();
        showPreview();
    });
    connect(m_nextPage, &QPushButton::clicked, this, [this] {
        m_model.nextPage();
        showPreview();
    });
    connect(m_print, &QPushButton::clicked, this, [this] { printClicked(); });
    connect(m_export, &QPushButton::clicked, this, [this] { exportClicked(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void PatternDialog::optionsChanged() {
    m_model.setLayout(static_cast<chart::OutputLayout>(m_layout->currentData().toInt()));
    pattern::PatternOptions options;
    options.paper = static_cast<pattern::Paper>(m_paper->currentData().toInt());
    if (m_orientation->currentIndex() == 1) options.orientation = pattern::Orientation::Portrait;
    if (m_orientation->currentIndex() == 2) options.orientation = pattern::Orientation::Landscape;
    options.cellMm = m_cell->value();
    options.overlap = m_overlap->value();
    options.fabricCount = m_fabric->currentData().toInt();
    options.strands = m_strands->value();
    options.blackAndWhite = m_blackAndWhite->isChecked();
    options.symbols = static_cast<pattern::SymbolChoice>(m_symbols->currentData().toInt());
    m_model.setOptions(options);
    m_job.setPatternOptions(m_model.options());
    const bool pattern = m_model.layout() == chart::OutputLayout::Pattern;
    for (QWidget* option : std::initializer_list<QWidget*>{m_paper, m_orientation, m_cell, m_overlap, m_fabric,
                                                           m_strands, m_blackAndWhite, m_symbols})
        option->setEnabled(pattern);
    m_summary->setText(m_model.summary());
    const QString offer = m_model.cellOfferText();
    m_offer->setText(offer);
    m_offer->setVisible(!offer.isEmpty());
    m_useOffer->setVisible(!offer.isEmpty());
    const QString isolated = pattern ? m_model.isolatedText() : QString();
    m_isolated->setText(isolated);
    m_isolated->setVisible(!isolated.isEmpty());
    m_remake->setVisible(!isolated.isEmpty() && m_remakeChart);
    m_previewTimer->start();
}

void PatternDialog::cellTextEdited() {
    bool number = false;
    const double typed = m_cell->locale().toDouble(m_cell->cleanText(), &number);
    m_cellHint->setVisible(!number || !chart::PatternDialogModel::cellSizeAllowed(typed));
}

void PatternDialog::showPreview() {
    const bool pages = m_model.layout() == chart::OutputLayout::Pattern;
    m_previewCaption->setText(pages ? m_model.previewCaption() : pav::uiText(kLayoutSheet));
    m_previousPage->setEnabled(pages && m_model.previewPage() > 1);
    m_nextPage->setEnabled(pages && m_model.previewPage() < m_model.pageCount());
    QImage page = m_model.preview(kPreviewWidth);
    // "单页" shows the sheet as the chart window drew it.
    if (page.isNull()) page = m_job.model().canvas().scaledToWidth(kPreviewWidth, Qt::SmoothTransformation);
    m_preview->setPixmap(QPixmap::fromImage(page));
}

void PatternDialog::setRemake(std::function<void()> remake) {
    m_remakeChart = std::move(remake);
    optionsChanged();
}

PrintOutcome PatternDialog::exportTo(const QString& path) {
    if (m_model.layout() == chart::OutputLayout::Sheet) return m_job.exportPdf(path);
    return m_job.exportPattern(path, m_model.options());
}

PrintOutcome PatternDialog::printOn(QPrinter& printer) {
    if (m_model.layout() == chart::OutputLayout::Sheet) return m_job.print(printer);
    return m_job.printPattern(printer, m_model.options());
}

void PatternDialog::exportClicked() {
    const QString chosen = QFileDialog::getSaveFileName(this, pav::uiText(kExportDialogTitle), suggestedPdfPath(m_job.model()),
                                                        QStringLiteral("PDF (*.pdf)"));
    if (!chosen.isEmpty()) exportTo(withPdfSuffix(chosen));
}

void PatternDialog::printClicked() {
    if (!m_job.printerAvailable()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (m_model.layout() == chart::OutputLayout::Pattern)
        printer.setPageLayout(pattern::pageLayoutOf(m_model.patternLayout()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(pav::uiText(chart::texts::kPrintCaption));
    dialog.setMinMax(1, m_model.pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, m_model.layout() == chart::OutputLayout::Pattern);
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

void openPatternDialog(QWidget* parent, PrintJob& job, chart::OutputLayout first) {
    if (job.running() || !job.model().exportEnabled()) return;
    PatternDialog dialog(job, first, parent);
    dialog.exec();
}

} // namespace pav::print
