#include "settings/Form3Model.h"

#include <utility>

#include "colour/BestThreadsReduction.h"
#include "base/UiText.h"
#include "image/ColorReduction.h"
#include "palette/ThreadCatalogue.h"
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

template <class Value>
struct Named {
    std::string_view text;
    Value value;
};

using colour::Cleanup;
using colour::Dither;
using colour::FitCriterion;

// The items of the three choice lists, in list order.
constexpr Named<Dither> kDithers[] = {
    {kDitherNone, Dither::None}, {kDitherFloydSteinberg, Dither::FloydSteinberg}, {kDitherAtkinson, Dither::Atkinson}};
constexpr Named<Cleanup> kCleanups[] = {
    {kCleanupOff, Cleanup::Off}, {kCleanupLight, Cleanup::Light}, {kCleanupStrong, Cleanup::Strong}};
constexpr Named<FitCriterion> kMatches[] = {{kMatchRgb, FitCriterion::Rgb},
                                            {kMatchPerceptual, FitCriterion::Ciede2000}};

template <class Value, std::size_t N>
std::vector<std::string> textsOf(const Named<Value> (&table)[N]) {
    std::vector<std::string> texts;
    for (const auto& entry : table) texts.emplace_back(entry.text);
    return texts;
}

template <class Value, std::size_t N>
std::optional<Value> valueOf(const Named<Value> (&table)[N], std::string_view text) {
    for (const auto& entry : table)
        if (entry.text == text) return entry.value;
    return std::nullopt;
}

// "不使用" first, then every allowed number of threads.
std::vector<std::string> bestThreadItems() {
    std::vector<std::string> items{std::string(kBestThreadsOff)};
    for (int n = colour::kMinBestThreads; n <= colour::kMaxBestThreads; ++n) items.push_back(std::to_string(n));
    return items;
}

// The message and title for a list whose text names no choice.
std::string_view rejectionText(Form3Combo combo) {
    switch (combo) {
    case Form3Combo::Combo6: return kDitherError;
    case Form3Combo::Combo7: return kCleanupError;
    case Form3Combo::Combo8: return kMatchError;
    default: return kBestThreadsError;
    }
}

// The mode text that selects a code, for showing the mode in effect; a forced
// reduction names no mode of its own.
std::string_view modeTextFor(std::int32_t colorBit) {
    static constexpr std::pair<std::int32_t, std::string_view> kModeTexts[] = {
        {1, kModeOneBit}, {2, kModeGrey}, {3, kModeLowColour}, {4, kModeBlackWhite},
        {8, kModeEightBit}, {16, kModeHighColour}};
    for (const auto& [code, text] : kModeTexts)
        if (code == colorBit) return text;
    return kModeNone;
}

template <class Value, std::size_t N>
std::string_view textOf(const Named<Value> (&table)[N], Value value) {
    for (const auto& entry : table)
        if (entry.value == value) return entry.text;
    return table[0].text;
}

// The texts of the lists for the values in effect, so that "确定" at once writes them back.
std::array<std::string, kForm3ComboCount> textsInEffect(const ChartSettingsTarget& target) {
    const pav::chart::ColourChoice& choice = target.colourChoice;
    const bool forced = target.ColorBit == image::kColorBitMostFrequent;
    return {target.whichType.empty() ? std::string(kRangeDmc) : target.whichType,
            std::string(target.autoColor == 1 ? kNo : kYes),
            std::string(modeTextFor(target.ColorBit)),
            forced ? std::to_string(target.rdColorNum) + std::string(kColourSuffix) : std::string(kForcedOff),
            choice.usesBestThreads() ? std::to_string(choice.bestThreads) : std::string(kBestThreadsOff),
            std::string(textOf(kDithers, choice.dither)),
            std::string(textOf(kCleanups, choice.cleanup)),
            std::string(textOf(kMatches, choice.criterion))};
}

} // namespace

Form3Model::Form3Model(ChartSettingsTarget target, Text1ClickMemory& text1Clicks, pav::MessageSink& messages)
    : m_target(target), m_text1Clicks(text1Clicks), m_messages(messages) {
    load();
}

void Form3Model::load() {
    m_items[slot(Form3Combo::Combo1)] = {std::string(kRangeDmc), std::string(kRangeCc)};
    for (std::string& range : palette::extraRangeNames()) m_items[slot(Form3Combo::Combo1)].push_back(std::move(range));
    m_items[slot(Form3Combo::Combo2)] = {std::string(kYes), std::string(kNo)};
    m_items[slot(Form3Combo::Combo3)] = {std::string(kModeGrey), std::string(kModeLowColour),
                                         std::string(kModeBlackWhite), std::string(kModeHighColour),
                                         std::string(kModeNone)};
    m_items[slot(Form3Combo::Combo4)] = forcedCountItems();
    m_items[slot(Form3Combo::Combo5)] = bestThreadItems();
    m_items[slot(Form3Combo::Combo6)] = textsOf(kDithers);
    m_items[slot(Form3Combo::Combo7)] = textsOf(kCleanups);
    m_items[slot(Form3Combo::Combo8)] = textsOf(kMatches);
    // Every opening shows the settings in effect; an empty title shows the hint.
    m_texts = textsInEffect(m_target);
    m_text1IsHint = m_target.xiutuTitle.empty();
    m_text1 = m_text1IsHint ? pav::uiString(kText1Hint) : m_target.xiutuTitle;
    m_allowSpecialty = m_target.colourChoice.allowSpecialty;
    m_rejected.reset();
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
    // Only the hint is cleared: a title in effect stays for editing.
    if (!m_text1Clicks.registerClick() || !m_text1IsHint) return;
    m_text1.clear();
    m_text1IsHint = false;
    notifyChanged();
}

void Form3Model::languageChanged() {
    if (m_text1IsHint) m_text1 = pav::uiString(kText1Hint);
    notifyChanged();
}

Form3Model::ApplyResult Form3Model::command1Click() {
    const ColourChoiceTexts colours = colourChoiceFor(text(Form3Combo::Combo5), text(Form3Combo::Combo6),
                                                      text(Form3Combo::Combo7), text(Form3Combo::Combo8));
    if (!colours.choice) {
        m_rejected = colours.rejected;
        m_messages.showMessage(std::string(rejectionText(colours.rejected)), std::string(kChoiceErrorTitle));
        return ApplyResult::StayedOpen;
    }
    m_rejected.reset();
    // The hint never becomes the title: an untouched box means the default title.
    m_target.xiutuTitle = m_text1IsHint ? std::string() : m_text1;
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
            m_rejected = Form3Combo::Combo4;
            return ApplyResult::StayedOpen;
        }
        m_target.rdColorNum = *count;
        m_messages.showMessage(std::string(kForcedWarningText), std::string(kForcedWarningTitle));
    }
    m_target.colourChoice = *colours.choice;
    m_target.colourChoice.threadRange = m_target.whichType.empty() ? std::string(kRangeDmc) : m_target.whichType;
    m_target.colourChoice.allowSpecialty = m_allowSpecialty;
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

Form3Model::ColourChoiceTexts Form3Model::colourChoiceFor(std::string_view bestThreads, std::string_view dither,
                                                          std::string_view cleanup, std::string_view match) {
    ColourChoiceTexts result;
    pav::chart::ColourChoice choice;
    if (bestThreads != kBestThreadsOff) {
        // Typed numbers read as in the forced reduction's list (blanks around, rounding).
        const auto count = basicIntegerValue(bestThreads);
        if (!count || !colour::isValidThreadCount(*count)) return result;
        choice.bestThreads = *count;
    }
    const auto d = valueOf(kDithers, dither);
    const auto c = valueOf(kCleanups, cleanup);
    const auto m = valueOf(kMatches, match);
    result.rejected = !d ? Form3Combo::Combo6 : !c ? Form3Combo::Combo7 : Form3Combo::Combo8;
    if (!d || !c || !m) return result;
    choice.dither = *d;
    choice.cleanup = *c;
    choice.criterion = *m;
    result.choice = choice;
    return result;
}

void Form3Model::notifyChanged() {
    if (m_observer) m_observer->controlsChanged();
}

void Form3Model::requestClose() {
    if (m_observer) m_observer->closeRequested();
}

} // namespace pav::settings
