#include "settings/Form3View.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/UiText.h"
#include "settings/SettingsTexts.h"

namespace pav::settings {
namespace {

constexpr Form3Combo kCombos[] = {Form3Combo::Combo1, Form3Combo::Combo2, Form3Combo::Combo3,
                                  Form3Combo::Combo4, Form3Combo::Combo5, Form3Combo::Combo6,
                                  Form3Combo::Combo7, Form3Combo::Combo8};
static_assert(std::size(kCombos) == kForm3ComboCount);

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* label(const char* name, std::string_view text) {
    auto* result = withUiText(new QLabel, text);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

// An editable list: a chosen item and a typed text both reach the model through
// the edit text. Typed texts are neither completed from the items nor added to them.
QComboBox* editableList(int number) {
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("Combo%1").arg(number));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(12);
    return combo;
}

QPushButton* button(const char* name, std::string_view text) {
    auto* result = withUiText(new QPushButton, text);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

// What a list shows for one of the model's texts: the user's-language text, a
// forced colour count as the number and the translated suffix.
QString shownText(std::string_view text) {
    // Only a count is read so: a range name such as "DMC 全色" is an entry of its own.
    const std::string_view before = text.substr(0, text.size() - std::min(text.size(), kColourSuffix.size()));
    const bool count = std::none_of(before.begin(), before.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (text.ends_with(kColourSuffix) && text.size() > kColourSuffix.size() && count)
        return qs(before) + uiText(kColourSuffix);
    return uiText(text);
}

} // namespace

// The model's text for what a list shows: an item or the initial text in the
// user's language, or a typed count with the translated suffix, become the
// model's own texts; anything else is passed as typed.
std::string Form3View::modelText(Form3Combo which, const QString& shown) const {
    for (const std::string& item : m_model.items(which))
        if (shownText(item) == shown) return item;
    if (shownText(kForcedOff) == shown) return std::string(kForcedOff);
    const QString suffix = uiText(kColourSuffix).trimmed();
    if (suffix != qs(kColourSuffix) && shown.trimmed().endsWith(suffix, Qt::CaseInsensitive))
        return shown.trimmed().chopped(suffix.size()).trimmed().toStdString() + std::string(kColourSuffix);
    return shown.toStdString();
}

void Form3View::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_model.languageChanged();
    QDialog::changeEvent(event);
}

Form3View::Form3View(Form3Model& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setUiText(this, "windowTitle", kForm3Caption);
    buildControls();
    connectControls();
    m_model.setObserver(this);
    controlsChanged();
    setFixedSize(sizeHint());
}

Form3View::~Form3View() {
    m_model.setObserver(nullptr);
}

void Form3View::buildControls() {
    for (std::size_t i = 0; i < m_combos.size(); ++i)
        m_combos[i] = editableList(static_cast<int>(i) + 1);
    m_text1 = new QLineEdit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->installEventFilter(this);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    fields->setColumnMinimumWidth(1, 170);
    // Top to bottom; the colour controls sit below the ones the dialog always had.
    const struct {
        const char* name;
        std::string_view text;
        QWidget* field;
    } rows[] = {
        {"Label2", kLabel2Range, m_combos[0]},        {"Label3", kLabel3Name, m_text1},
        {"Label4", kLabel4Auto, m_combos[1]},         {"Label5", kLabel5Mode, m_combos[2]},
        {"Label6", kLabel6Forced, m_combos[3]},       {"Label7", kLabel7BestThreads, m_combos[4]},
        {"Label8", kLabel8Dither, m_combos[5]},       {"Label9", kLabel9Cleanup, m_combos[6]},
        {"Label10", kLabel10Match, m_combos[7]},
    };
    int row = 0;
    for (const auto& r : rows) {
        fields->addWidget(label(r.name, r.text), row, 0);
        fields->addWidget(r.field, row++, 1);
    }
    m_check1 = withUiText(new QCheckBox, kCheck1Specialty);
    m_check1->setObjectName(QStringLiteral("Check1"));
    fields->addWidget(m_check1, row++, 0, 1, 2);

    m_command1 = button("Command1", kCommand1Ok);
    m_command2 = button("Command2", kCommand2Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 12);
    page->setSpacing(10);
    page->addWidget(label("Label1", kLabel1Heading));
    page->addLayout(fields);
    page->addSpacing(4);
    page->addLayout(buttons);
}

void Form3View::connectControls() {
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        const Form3Combo which = kCombos[i];
        connect(m_combos[i], &QComboBox::editTextChanged, this,
                [this, which](const QString& text) { m_model.setText(which, modelText(which, text)); });
    }
    connect(m_text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.setText1(text.toStdString()); });
    connect(m_check1, &QCheckBox::toggled, this, [this](bool on) { m_model.setAllowSpecialty(on); });
    connect(m_command1, &QPushButton::clicked, this, &Form3View::applyClicked);
    connect(m_command2, &QPushButton::clicked, this, [this] { m_model.command2Click(); });
}

void Form3View::showSettings() {
    if (!isVisible()) m_model.load();
    show();
    raise();
    activateWindow();
}

bool Form3View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text1 && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        m_model.text1Click();
    return QDialog::eventFilter(watched, event);
}

void Form3View::reject() {
    m_model.command2Click();
}

void Form3View::applyClicked() {
    if (m_model.command1Click() == Form3Model::ApplyResult::Closed) return;
    // Point at the text that kept the dialog open.
    const auto rejected = m_model.rejectedCombo().value_or(Form3Combo::Combo4);
    QComboBox* combo = m_combos[static_cast<std::size_t>(rejected)];
    combo->setFocus();
    combo->lineEdit()->selectAll();
}

void Form3View::controlsChanged() {
    for (std::size_t i = 0; i < m_combos.size(); ++i) {
        QComboBox* combo = m_combos[i];
        const QSignalBlocker block(combo);
        combo->clear();
        for (const std::string& item : m_model.items(kCombos[i]))
            combo->addItem(shownText(item));
        const QString text = shownText(m_model.text(kCombos[i]));
        combo->setCurrentIndex(combo->findText(text));
        combo->setEditText(text);
    }
    const QSignalBlocker block(m_text1);
    m_text1->setText(QString::fromStdString(m_model.text1()));
    const QSignalBlocker blockCheck(m_check1);
    m_check1->setChecked(m_model.allowSpecialty());
}

void Form3View::closeRequested() {
    hide();
}

} // namespace pav::settings
