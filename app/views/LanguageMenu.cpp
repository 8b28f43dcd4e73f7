#include "app/views/LanguageMenu.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>

#include "app/MainTexts.h"
#include "app/views/LanguageMemory.h"

namespace pav::app {

void addLanguageMenu(QMenu* menu) {
    QMenu* languages = menu->addMenu(QString::fromUtf8(texts::kMenuLanguage));
    languages->setObjectName("language");
    auto* group = new QActionGroup(languages);
    const std::pair<const char*, pav::UiLanguage> choices[] = {
        {texts::kLanguageChinese, pav::UiLanguage::Chinese}, {texts::kLanguageEnglish, pav::UiLanguage::English}};
    for (const auto& choice : choices) {
        // A plain variable, not a structured binding: clang 14 cannot capture those in a lambda.
        const char* const name = choice.first;
        const pav::UiLanguage language = choice.second;
        QAction* action = languages->addAction(QString::fromUtf8(name));
        action->setObjectName(language == pav::UiLanguage::English ? "languageEn" : "languageZh");
        action->setCheckable(true);
        action->setChecked(pav::uiLanguage() == language);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, languages, [language] {
            if (switchLanguage(language)) rememberLanguage(language);
        });
    }
}

bool switchLanguage(pav::UiLanguage language) {
    if (!pav::setUiLanguage(language)) return false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        pav::retranslate(window);
        QEvent changed(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &changed);
    }
    return true;
}

} // namespace pav::app
