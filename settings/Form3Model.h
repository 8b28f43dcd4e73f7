#pragma once
// The chart-settings dialog: thread range, chart name, automatic reduction,
// reduction mode and forced reduction. Every opening starts from the same
// initial texts; "确定" writes the choices into the main and chart windows.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TaskDelegate.h"
#include "settings/ChartSettingsTarget.h"
#include "settings/Text1ClickMemory.h"

namespace pav::settings {

class Form3Observer {
public:
    virtual ~Form3Observer() = default;
    virtual void controlsChanged() {} // items or texts were reset or changed by the model
    virtual void closeRequested() {}
};

// The four editable lists, top to bottom.
enum class Form3Combo { Combo1, Combo2, Combo3, Combo4 };

class Form3Model {
public:
    enum class ApplyResult { Closed, StayedOpen };

    Form3Model(ChartSettingsTarget target, Text1ClickMemory& text1Clicks, pav::MessageSink& messages);

    void setObserver(Form3Observer* observer) { m_observer = observer; }

    // Window load: fills the lists and sets every control to its initial text.
    void load();

    const std::vector<std::string>& items(Form3Combo combo) const;
    const std::string& text(Form3Combo combo) const;
    // The lists are editable: a chosen item and a typed text land here alike.
    void setText(Form3Combo combo, std::string text);

    const std::string& text1() const { return m_text1; }
    void setText1(std::string text) {
        m_text1 = std::move(text);
        m_text1IsHint = false;
    }
    // The first click of the run empties the box; later clicks leave it alone.
    void text1Click();
    // The user chose another language: a name box still holding the hint gets the hint in it.
    void languageChanged();

    // "确定": writes the choices in a fixed order and closes. A forced-reduction
    // text whose number part is not a whole number stops it there with ColorBit 8;
    // the dialog stays open and the values already written stay written.
    ApplyResult command1Click();
    // "取消": closes and changes nothing.
    void command2Click();

    // The mode code a Combo3 text selects; nullopt leaves ColorBit as it was.
    static std::optional<std::int32_t> colorBitForMode(std::string_view text);
    // The colour count of a Combo4 text ending in "色"; nullopt when it is not a
    // whole number of 32 bits (see basicIntegerValue for what counts as one).
    static std::optional<std::int32_t> forcedColourCount(std::string_view textBeforeSuffix);

private:
    void notifyChanged();
    void requestClose();

    ChartSettingsTarget m_target;
    Text1ClickMemory& m_text1Clicks;
    pav::MessageSink& m_messages;
    Form3Observer* m_observer = nullptr;

    std::array<std::vector<std::string>, 4> m_items;
    std::array<std::string, 4> m_texts;
    std::string m_text1;
    bool m_text1IsHint = true;
};

} // namespace pav::settings
