#include "app/views/LanguageMemory.h"

#include <QSettings>

namespace pav::app {
namespace {

constexpr const char* kKey = "ui/language";

} // namespace

std::optional<pav::UiLanguage> rememberedLanguage() {
    const QString name = QSettings(QStringLiteral("Pavlenta"), QStringLiteral("Pavlenta")).value(kKey).toString();
    if (name.isEmpty()) return std::nullopt;
    return pav::uiLanguageNamed(name.toStdString());
}

void rememberLanguage(pav::UiLanguage language) {
    QSettings settings(QStringLiteral("Pavlenta"), QStringLiteral("Pavlenta"));
    settings.setValue(kKey, language == pav::UiLanguage::English ? QStringLiteral("en") : QStringLiteral("zh"));
}

} // namespace pav::app
