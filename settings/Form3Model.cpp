#include "settings/Form3Model.h"

#include "base/UiText.h"
#include "image/ColorReduction.h"
#include "settings/BasicInteger.h"
#include "settings/SettingsTexts.h"

namespace pav::settings {
namespace {

std::size_t slot(Form3Combo combo) {
    return static_cast<std::size_t>(combo);
}

std::vector<std::string> forcedCountItems() {
    std::vector<std::string> items;
    for (int n = kFirstForcedCount; n <= kLastForcedCount; ++n)
        items.push_back(std::to_string(n) + std::string(kColourSuffix));
    return items;
}

bool endsWithColourSuffix(std::string_view text) {
    return text.ends_with(kColourSuffix);
}

} // namespace

Form3Model::Form3Model(ChartSettingsTarget target, Text1ClickMemory& text1Clicks, pav::MessageSink& messages)
    : m_target(target), m_text1Clicks(text1Clicks), m_messages(messages) {
    load();
}

void Form3Model::load() {
    m_items[slot(Form3Combo::Combo1)] = {std::string(kRangeDmc), std::string(kRangeCc)};
    m_items[slot(Form3Combo::Combo2)] = {std::string(kYes), std::string(kNo)};
    m_items[slot(Form3Combo::Combo3)] = {std::string(kModeGrey), std::string(kModeLowColour),
                                         std::string(kModeBlackWhite), std::string(kModeHighColour),
                                         std::string(kModeNone)};
    m_items[slot(Form3Combo::Combo4)] = forcedCountItems();
    m_texts = {std::string(kRangeDmc), std::string(kYes), std::string(kModeBlackWhite),
               std::string(kForcedOff)};
    m_text1 = pav::uiString(kText1Hint);
    m_text1IsHint = true;
    notifyChanged();
}

const std::vector<std::string>& Form3Model::items(Form3Combo combo) const {
    return m_items[slot(combo)];
}

const std::string& Form3Model::text(Form3Combo combo) const {
    return m_texts[slot(combo)];
}

void Form3Model::setText(Form3Combo combo, std::string text) {
    m_texts[slot(combo)] = std::move(text);
}

void Form3Model::text1Click() {
    if (!m_text1Clicks.registerClick()) return;
    m_text1.clear();
    m_text1IsHint = false;
    notifyChanged();
}

void Form3Model::languageChanged() {
    if (m_text1IsHint) m_text1 = pav::uiString(kText1Hint);
    notifyChanged();
}

Form3Model::ApplyResult Form3Model::command1Click() {
    m_target.xiutuTitle = m_text1;
    m_target.whichType = text(Form3Combo::Combo1);
    m_target.autoColor = 0;
    if (const auto code = colorBitForMode(text(Form3Combo::Combo3))) m_target.ColorBit = *code;
    if (text(Form3Combo::Combo2) == kNo) m_target.autoColor = 1;

    const std::string& forced = text(Form3Combo::Combo4);
    if (endsWithColourSuffix(forced)) {
        m_target.ColorBit = image::kColorBitMostFrequent;
        const auto count =
            forcedColourCount(std::string_view(forced).substr(0, forced.size() - kColourSuffix.size()));
        if (!count) {
            m_target.ColorBit = 8;
            m_messages.showMessage(std::string(kForcedCountInvalidText), std::string(kForcedWarningTitle));
            return ApplyResult::StayedOpen;
        }
        m_target.rdColorNum = *count;
        m_messages.showMessage(std::string(kForcedWarningText), std::string(kForcedWarningTitle));
    }
    requestClose();
    return ApplyResult::Closed;
}

void Form3Model::command2Click() {
    requestClose();
}

std::optional<std::int32_t> Form3Model::colorBitForMode(std::string_view text) {
    struct Mode {
        std::string_view text;
        std::int32_t code;
    };
    static constexpr Mode kModes[] = {
        {kModeOneBit, 1},   {kModeGrey, 2},        {kModeLowColour, 3}, {kModeBlackWhite, 4},
        {kModeEightBit, 8}, {kModeHighColour, 16}, {kModeNone, 0},
    };
    for (const Mode& mode : kModes)
        if (mode.text == text) return mode.code;
    return std::nullopt;
}

std::optional<std::int32_t> Form3Model::forcedColourCount(std::string_view textBeforeSuffix) {
    // Any whole number is taken, also one below 1: the reduction keeps every colour for those.
    return basicIntegerValue(textBeforeSuffix);
}

void Form3Model::notifyChanged() {
    if (m_observer) m_observer->controlsChanged();
}

void Form3Model::requestClose() {
    if (m_observer) m_observer->closeRequested();
}

} // namespace pav::settings
