#pragma once
// The language the user reads. Every text of the program's text tables is its
// own identity (the Chinese text); what a window shows is looked up through
// uiText, which gives the English translation when English is chosen and the
// text itself otherwise. Models keep and compare the identities; the edge
// (views, the message box) looks them up, and a model composing a text from a
// table entry and a value (a path, a number) looks the table entry up itself.

#include <optional>
#include <string>
#include <string_view>

#include <QString>

class QObject;

namespace pav {

enum class UiLanguage { Chinese, English };

// The user's-language text of a table entry; a text with no translation comes back unchanged.
QString uiText(std::string_view text);
std::string uiString(std::string_view text);

// Chooses the language of the program's texts and of Qt's own dialogs for the
// rest of the run (Chinese at start). Qt sends every widget a LanguageChange event.
// False when the English translation could not be loaded (the language stays).
bool setUiLanguage(UiLanguage language);
UiLanguage uiLanguage();
// "zh" / "en" as given to `pavlenta --lang`.
std::optional<UiLanguage> uiLanguageNamed(std::string_view name);

// Sets a property of an object (a caption, a title, a tool tip) to the
// user's-language text of a table entry and remembers the entry on the object,
// so that retranslate() gives it again after the language changed.
void setUiText(QObject* object, const char* property, std::string_view text);
template <class Object>
Object* withUiText(Object* object, std::string_view text, const char* property = "text") {
    setUiText(object, property, text);
    return object;
}
// Gives every property set through setUiText, on root and everything below it, its text again.
void retranslate(QObject* root);

} // namespace pav
