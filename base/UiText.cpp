#include "base/UiText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QObject>
#include <QTranslator>
#include <QVariant>

namespace pav {

namespace {

// Every text of the tables is looked up in this one context of the translation file.
constexpr const char* kContext = "Pavlenta";
// The dynamic property holding the table entry of the property it names.
constexpr const char* kEntryPrefix = "pavUiText_";

UiLanguage g_language = UiLanguage::Chinese;

QTranslator& programTranslator() {
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

QTranslator& qtTranslator() {
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

// Qt's own dialogs and buttons (file dialog, print dialog, "OK", "Cancel") speak the
// program's language, whatever the system's is, and show dates that language's way.
void chooseQtLanguage(UiLanguage language) {
    QCoreApplication::removeTranslator(&qtTranslator());
    if (language == UiLanguage::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (qtTranslator().isEmpty())
        (void)qtTranslator().load(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!qtTranslator().isEmpty()) QCoreApplication::installTranslator(&qtTranslator());
}

} // namespace

QString uiText(std::string_view text) {
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(kContext, source.constData());
}

std::string uiString(std::string_view text) { return uiText(text).toStdString(); }

bool setUiLanguage(UiLanguage language) {
    if (language == UiLanguage::English) {
        if (programTranslator().isEmpty() &&
            !programTranslator().load(QStringLiteral(":/i18n/pavlenta_en.qm")))
            return false;
        QCoreApplication::installTranslator(&programTranslator());
    } else {
        QCoreApplication::removeTranslator(&programTranslator());
    }
    chooseQtLanguage(language);
    g_language = language;
    return true;
}

UiLanguage uiLanguage() { return g_language; }

std::optional<UiLanguage> uiLanguageNamed(std::string_view name) {
    if (name == "zh" || name == "zh_CN") return UiLanguage::Chinese;
    if (name == "en") return UiLanguage::English;
    return std::nullopt;
}

void setUiText(QObject* object, const char* property, std::string_view text) {
    const QByteArray entry(text.data(), static_cast<qsizetype>(text.size()));
    object->setProperty((QByteArray(kEntryPrefix) + property).constData(), entry);
    object->setProperty(property, uiText(text));
}

void retranslate(QObject* root) {
    for (const QByteArray& name : root->dynamicPropertyNames()) {
        if (!name.startsWith(kEntryPrefix)) continue;
        const QByteArray entry = root->property(name.constData()).toByteArray();
        root->setProperty(name.mid(static_cast<qsizetype>(std::char_traits<char>::length(kEntryPrefix))).constData(),
                          uiText(std::string_view(entry.constData(), static_cast<std::size_t>(entry.size()))));
    }
    for (QObject* child : root->children()) retranslate(child);
}

} // namespace pav
