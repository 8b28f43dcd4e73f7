#pragma once
// The menu 设置 > "Language / 语言": Chinese or English, kept for the next start
// (LanguageMemory). Every open window takes the new language at once.

#include "base/UiText.h"

class QMenu;

namespace pav::app {

// Adds the language submenu, its choice checked, to menu.
void addLanguageMenu(QMenu* menu);

// Chooses the language and gives every window its texts again: the captions set
// through setUiText directly, and each window's own texts through a LanguageChange event.
bool switchLanguage(pav::UiLanguage language);

} // namespace pav::app
