#pragma once
// The chart-settings dialog: thread range, chart name, automatic reduction,
// reduction mode and forced reduction, then the best-N threads with their
// dithering and cleanup, and the matching criterion. Every opening starts from
// the settings in effect; "确定" writes the choices into the main and chart windows.

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

// The editable lists, top to bottom.
enum class Form3Combo {
    Combo1, // thread range
    Combo2, // automatic reduction
    Combo3, // reduction mode
    Combo4, // forced reduction
    Combo5, // best-N threads ("智能配色")
    Combo6, // dithering
    Combo7, // cleanup of isolated stitches
    Combo8, // matching criterion
};
inline constexpr std::size_t kForm3ComboCount = 8;

class Form3Model {
public:
    enum class ApplyResult { Closed, StayedOpen };

    Form3Model(ChartSettingsTarget target, Text1ClickMemory& text1Clicks, pav::MessageSink& messages);

    void setObserver(Form3Observer* observer) { m_observer = observer; }

    // Window load: fills the lists and sets every control to the setting in effect.
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
    // The box "允许特殊绣线": whether metallic, glow and variegated threads may be
    // chosen by the best threads and by matching (the prescribed "DMC" range
    // always matches all its threads). Every opening shows it as last applied.
    bool allowSpecialty() const { return m_allowSpecialty; }
    void setAllowSpecialty(bool allowed) { m_allowSpecialty = allowed; }

    // The first click of the run empties the box; later clicks leave it alone.
    void text1Click();
    // The user chose another language: a name box still holding the hint gets the hint in it.
    void languageChanged();

    // "确定": writes the choices in a fixed order and closes. A text of the colour
    // controls (Combo5 to Combo8) that names no choice shows its message first and
    // writes nothing. A forced-reduction text whose number part is not a whole
    // number stops it with ColorBit 8; the dialog stays open and the values already
    // written stay written. The colour choice is written last.
    ApplyResult command1Click();
    // The list whose text kept the dialog open at the last "确定"; none after a close.
    std::optional<Form3Combo> rejectedCombo() const { return m_rejected; }
    // "取消": closes and changes nothing.
    void command2Click();

    // The mode code a Combo3 text selects; nullopt leaves ColorBit as it was.
    static std::optional<std::int32_t> colorBitForMode(std::string_view text);
    // The colour count of a Combo4 text ending in "色"; nullopt when it is not a
    // whole number of 32 bits (see basicIntegerValue for what counts as one).
    static std::optional<std::int32_t> forcedColourCount(std::string_view textBeforeSuffix);
    // The colour choice the texts of Combo5 to Combo8 name; the first list whose text
    // names nothing when one does not.
    struct ColourChoiceTexts {
        std::optional<pav::chart::ColourChoice> choice;
        Form3Combo rejected = Form3Combo::Combo5;
    };
    static ColourChoiceTexts colourChoiceFor(std::string_view bestThreads, std::string_view dither,
                                             std::string_view cleanup, std::string_view match);

private:
    void notifyChanged();
    void requestClose();

    ChartSettingsTarget m_target;
    Text1ClickMemory& m_text1Clicks;
    pav::MessageSink& m_messages;
    Form3Observer* m_observer = nullptr;

    std::array<std::vector<std::string>, kForm3ComboCount> m_items;
    std::array<std::string, kForm3ComboCount> m_texts;
    std::string m_text1;
    bool m_text1IsHint = true;
    bool m_allowSpecialty = false;
    std::optional<Form3Combo> m_rejected;
};

} // namespace pav::settings
