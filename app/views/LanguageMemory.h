#pragma once
// The language chosen in the menu is kept for the next start, in the user's
// settings (QSettings, "Pavlenta"). Only the language is kept: everything else
// starts each run from its initial value.

#include <optional>

#include "base/UiText.h"

namespace pav::app {

// The language the last run chose in the menu; none when no run chose one.
std::optional<pav::UiLanguage> rememberedLanguage();
void rememberLanguage(pav::UiLanguage language);

} // namespace pav::app
