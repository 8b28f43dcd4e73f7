#include "settings/Form3Model.h"

#include <optional>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pav::settings {
namespace {

using ::testing::ElementsAre;

struct Message {
    std::string text;
    std::string title;
    bool operator==(const Message&) const = default;
};

struct RecordingSink : pav::MessageSink {
    std::vector<Message> messages;
    void showMessage(const std::string& text, const std::string& title, pav::MessageIcon) override {
        messages.push_back({text, title});
    }
};

struct RecordingObserver : Form3Observer {
    bool closed = false;
    bool changed = false;
    void controlsChanged() override { changed = true; }
    void closeRequested() override { closed = true; }
};

using colour::Cleanup;
using colour::Dither;
using colour::FitCriterion;
using pav::chart::ColourChoice;

// A colour choice the dialog's initial texts do not make.
const ColourChoice kOldChoice{7, Dither::Atkinson, Cleanup::Strong, FitCriterion::Ciede2000};

// The members the dialog writes, starting from values no step of "确定" produces,
// so that every write and every value left alone shows; no title, as at start-up.
struct Owners {
    std::int32_t ColorBit = 5;
    std::int32_t autoColor = 7;
    std::int32_t rdColorNum = 42;
    std::string xiutuTitle;
    std::string whichType = "old range";
    pav::chart::ColourChoice colourChoice = kOldChoice;
    ChartSettingsTarget target() { return {ColorBit, autoColor, rdColorNum, xiutuTitle, whichType, colourChoice}; }
};

// The lists set to the texts of a first opening (the dialog itself opens on the
// settings in effect, which the odd owners above have no texts for).
void chooseFirstTexts(Form3Model& model) {
    const std::pair<Form3Combo, const char*> texts[] = {
        {Form3Combo::Combo1, "DMC"}, {Form3Combo::Combo2, "是"},     {Form3Combo::Combo3, "高清黑白图片"},
        {Form3Combo::Combo4, "不使用"}, {Form3Combo::Combo5, "不使用"}, {Form3Combo::Combo6, "无"},
        {Form3Combo::Combo7, "轻"},   {Form3Combo::Combo8, "RGB"}};
    for (const auto& [combo, text] : texts) model.setText(combo, text);
}

// One dialog of a fresh run, with its owners, message recorder and observer.
struct Dialog {
    Owners owners;
    Text1ClickMemory clicks;
    RecordingSink sink;
    RecordingObserver observer;
    Form3Model model{owners.target(), clicks, sink};
    Dialog() {
        model.setObserver(&observer);
        chooseFirstTexts(model);
    }
};

constexpr const char* kHint = "给你的绣图起个名字";
constexpr const char* kWarning = "  注意：强制减色功能还在测试完善中，请期待...   ";
constexpr const char* kNotANumber = "  强制减色的颜色数不是有效的数字，请重新输入。  ";

// A nullptr control text keeps the text the dialog opens with.
struct ApplyCase {
    const char* name;
    const char* combo1;
    const char* text1;
    const char* combo2;
    const char* combo3;
    const char* combo4;
    // expected
    const char* whichType;
    const char* xiutuTitle;
    std::int32_t autoColor;
    std::int32_t ColorBit;
    std::int32_t rdColorNum;
    bool closes;
    bool warns;
};

// clang-format off
const ApplyCase kApplyCases[] = {
    // name                 combo1   text1      combo2   combo3          combo4        range   title      auto bit rd  close warn
    {"initial values",      nullptr, nullptr,   nullptr, nullptr,        nullptr,      "DMC",  "",         0,   4,  42, true,  false},
    {"typed 8bit",          nullptr, nullptr,   nullptr, "8bit",         nullptr,      "DMC",  "",         0,   8,  42, true,  false},
    {"typed 1bit",          nullptr, nullptr,   nullptr, "1bit",         nullptr,      "DMC",  "",         0,   1,  42, true,  false},
    {"grey item",           nullptr, nullptr,   nullptr, "灰度图片",     nullptr,      "DMC",  "",         0,   2,  42, true,  false},
    {"low colour item",     nullptr, nullptr,   nullptr, "低分辨彩色图", nullptr,      "DMC",  "",         0,   3,  42, true,  false},
    {"high colour item",    nullptr, nullptr,   nullptr, "高分辨彩色图", nullptr,      "DMC",  "",         0,  16,  42, true,  false},
    {"no reduction item",   nullptr, nullptr,   nullptr, "不做减色处理", nullptr,      "DMC",  "",         0,   0,  42, true,  false},
    {"unknown mode abc",    "CC",    "我的猫",  "否",    "abc",          nullptr,      "CC",   "我的猫",  1,   5,  42, true,  false},
    {"mode text with blank",nullptr, nullptr,   nullptr, "8bit ",        nullptr,      "DMC",  "",         0,   5,  42, true,  false},
    {"auto off",            nullptr, nullptr,   "否",    nullptr,        nullptr,      "DMC",  "",         1,   4,  42, true,  false},
    {"auto yes",            nullptr, nullptr,   "是",    nullptr,        nullptr,      "DMC",  "",         0,   4,  42, true,  false},
    {"auto other text",     nullptr, nullptr,   "不",    nullptr,        nullptr,      "DMC",  "",         0,   4,  42, true,  false},
    {"typed range, empty name", "dmc", "",      nullptr, nullptr,        nullptr,      "dmc",  "",        0,   4,  42, true,  false},
    {"forced 60 over 8bit", nullptr, nullptr,   nullptr, "8bit",         "60色",       "DMC",  "",         0,  99,  60, true,  true},
    {"forced first item",   nullptr, nullptr,   "否",    nullptr,        "3色",        "DMC",  "",         1,  99,   3, true,  true},
    {"forced typed blank",  nullptr, nullptr,   nullptr, nullptr,        " 12色",      "DMC",  "",         0,  99,  12, true,  true},
    {"forced rounds",       nullptr, nullptr,   nullptr, nullptr,        "3.5色",      "DMC",  "",         0,  99,   4, true,  true},
    {"forced beyond list",  nullptr, nullptr,   nullptr, nullptr,        "100色",      "DMC",  "",         0,  99, 100, true,  true},
    {"no suffix, no force", nullptr, nullptr,   nullptr, "1bit",         "12",         "DMC",  "",         0,   1,  42, true,  false},
    {"letter then suffix",  "CC",    "猫",      "否",    "1bit",         "a色",        "CC",   "猫",      1,   8,  42, false, false},
    {"suffix alone",        nullptr, nullptr,   nullptr, nullptr,        "色",         "DMC",  "",         0,   8,  42, false, false},
    {"too large",           nullptr, nullptr,   nullptr, nullptr,        "99999999999色", "DMC", "",       0,   8,  42, false, false},
    // Whole numbers below 1 are numbers all the same; the reduction itself keeps every colour for them.
    {"zero colours",        nullptr, nullptr,   nullptr, nullptr,        "0色",        "DMC",  "",         0,  99,   0, true,  true},
    {"negative colours",    nullptr, nullptr,   nullptr, nullptr,        "-4色",       "DMC",  "",         0,  99,  -4, true,  true},
};
// clang-format on

TEST(Form3Model, OkWritesTheChoicesInOrder) {
    for (const ApplyCase& c : kApplyCases) {
        SCOPED_TRACE(c.name);
        Dialog dialog;
        auto& [owners, clicks, sink, observer, model] = dialog;
        if (c.combo1) model.setText(Form3Combo::Combo1, c.combo1);
        if (c.text1) model.setText1(c.text1);
        if (c.combo2) model.setText(Form3Combo::Combo2, c.combo2);
        if (c.combo3) model.setText(Form3Combo::Combo3, c.combo3);
        if (c.combo4) model.setText(Form3Combo::Combo4, c.combo4);

        const auto result = model.command1Click();

        EXPECT_EQ(owners.whichType, c.whichType);
        EXPECT_EQ(owners.xiutuTitle, c.xiutuTitle);
        EXPECT_EQ(owners.autoColor, c.autoColor);
        EXPECT_EQ(owners.ColorBit, c.ColorBit);
        EXPECT_EQ(owners.rdColorNum, c.rdColorNum);
        EXPECT_EQ(result == Form3Model::ApplyResult::Closed, c.closes);
        EXPECT_EQ(observer.closed, c.closes);
        if (c.warns)
            EXPECT_THAT(sink.messages, ElementsAre(Message{kWarning, "Korvane inc."}));
        else if (!c.closes) // a forced count that is no number says so
            EXPECT_THAT(sink.messages,
                        ElementsAre(Message{kNotANumber, "Korvane inc."}));
        else
            EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(Form3Model, ErrorPathCanBeMendedAndAppliedAgain) {
    Dialog dialog;
    auto& [owners, clicks, sink, observer, model] = dialog;
    model.setText(Form3Combo::Combo4, "x色");
    ASSERT_EQ(model.command1Click(), Form3Model::ApplyResult::StayedOpen);
    EXPECT_EQ(model.text(Form3Combo::Combo4), "x色"); // the typed text stays for mending

    model.setText(Form3Combo::Combo4, "20色");
    EXPECT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
    EXPECT_EQ(owners.ColorBit, 99);
    EXPECT_EQ(owners.rdColorNum, 20);
}

TEST(Form3Model, CancelClosesAndWritesNothing) {
    Dialog dialog;
    auto& [owners, clicks, sink, observer, model] = dialog;
    model.setText(Form3Combo::Combo3, "8bit");
    model.setText(Form3Combo::Combo4, "10色");
    model.command2Click();
    EXPECT_TRUE(observer.closed);
    EXPECT_EQ(owners.ColorBit, 5);
    EXPECT_EQ(owners.autoColor, 7);
    EXPECT_EQ(owners.rdColorNum, 42);
    EXPECT_EQ(owners.xiutuTitle, "");
    EXPECT_EQ(owners.whichType, "old range");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(Form3Model, LoadFillsTheLists) {
    Dialog dialog;
    const Form3Model& model = dialog.model;
    // The prescribed two first, then every thread table's range.
    EXPECT_THAT(model.items(Form3Combo::Combo1), ElementsAre("DMC", "CC", "DMC 全色", "Anchor", "Madeira"));
    EXPECT_THAT(model.items(Form3Combo::Combo2), ElementsAre("是", "否"));
    EXPECT_THAT(model.items(Form3Combo::Combo3),
                ElementsAre("灰度图片", "低分辨彩色图", "高清黑白图片", "高分辨彩色图", "不做减色处理"));
    const auto& counts = model.items(Form3Combo::Combo4);
    ASSERT_EQ(counts.size(), 58u);
    EXPECT_EQ(counts.front(), "3色");
    EXPECT_EQ(counts[1], "4色");
    EXPECT_EQ(counts.back(), "60色");
    const auto& threads = model.items(Form3Combo::Combo5);
    ASSERT_EQ(threads.size(), 100u);
    EXPECT_EQ(threads[0], "不使用");
    EXPECT_EQ(threads[1], "2");
    EXPECT_EQ(threads.back(), "100");
    EXPECT_THAT(model.items(Form3Combo::Combo6), ElementsAre("无", "Floyd-Steinberg", "Atkinson"));
    EXPECT_THAT(model.items(Form3Combo::Combo7), ElementsAre("关", "轻", "强"));
    EXPECT_THAT(model.items(Form3Combo::Combo8), ElementsAre("RGB", "感知(CIEDE2000)"));
}

// Every opening shows the settings in effect, so that "确定" at once changes nothing.
struct InEffectCase {
    const char* name;
    std::int32_t ColorBit, autoColor, rdColorNum;
    const char* title;
    const char* range;
    ColourChoice choice;
    // expected texts of Combo1 to Combo8 and of the name box
    std::array<const char*, kForm3ComboCount> texts;
    const char* text1;
};

// clang-format off
const InEffectCase kInEffectCases[] = {
    {"program start: no reduction", 0, 0, 0, "", "", ColourChoice{},
     {"DMC", "是", "不做减色处理", "不使用", "不使用", "无", "轻", "RGB"}, kHint},
    {"black and white, titled", 4, 0, 0, "小狗", "DMC", ColourChoice{},
     {"DMC", "是", "高清黑白图片", "不使用", "不使用", "无", "轻", "RGB"}, "小狗"},
    {"typed modes, no auto", 8, 1, 0, "", "CC", kOldChoice,
     {"CC", "否", "8bit", "不使用", "7", "Atkinson", "强", "感知(CIEDE2000)"}, kHint},
    {"one bit, typed range", 1, 0, 0, "t", "dmc2", ColourChoice{30, Dither::FloydSteinberg, Cleanup::Off, FitCriterion::Rgb},
     {"dmc2", "是", "1bit", "不使用", "30", "Floyd-Steinberg", "关", "RGB"}, "t"},
    {"forced 12 colours", 99, 0, 12, "", "DMC", ColourChoice{},
     {"DMC", "是", "不做减色处理", "12色", "不使用", "无", "轻", "RGB"}, kHint},
    {"high colour", 16, 0, 0, "", "DMC", ColourChoice{},
     {"DMC", "是", "高分辨彩色图", "不使用", "不使用", "无", "轻", "RGB"}, kHint},
};
// clang-format on

TEST(Form3Model, OpensOnTheSettingsInEffectAndOkChangesNothing) {
    for (const InEffectCase& c : kInEffectCases) {
        SCOPED_TRACE(c.name);
        Owners owners{c.ColorBit, c.autoColor, c.rdColorNum, c.title, c.range, c.choice};
        Text1ClickMemory clicks;
        RecordingSink sink;
        Form3Model model(owners.target(), clicks, sink);
        for (std::size_t i = 0; i < kForm3ComboCount; ++i)
            EXPECT_EQ(model.text(static_cast<Form3Combo>(i)), c.texts[i]) << "Combo" << i + 1;
        EXPECT_EQ(model.text1(), c.text1);

        const Owners before = owners;
        EXPECT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
        EXPECT_EQ(owners.ColorBit, before.ColorBit);
        EXPECT_EQ(owners.autoColor, before.autoColor);
        EXPECT_EQ(owners.xiutuTitle, before.xiutuTitle);
        // The choice takes the range as the one its best threads come from.
        ColourChoice expected = before.colourChoice;
        expected.threadRange = *c.range ? c.range : "DMC";
        EXPECT_EQ(owners.colourChoice, expected);
        if (c.ColorBit == 99) {
            EXPECT_EQ(owners.rdColorNum, before.rdColorNum);
        }
        // An empty range is the default range, which the list names.
        EXPECT_EQ(owners.whichType, *c.range ? c.range : "DMC");
    }
}

TEST(Form3Model, ReopeningShowsWhatTheLastOkApplied) {
    Dialog dialog;
    Form3Model& model = dialog.model;
    model.setText(Form3Combo::Combo1, "CC");
    model.setText(Form3Combo::Combo2, "否");
    model.setText(Form3Combo::Combo3, "低分辨彩色图");
    model.setText(Form3Combo::Combo5, "25");
    model.setText1("typed");
    ASSERT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
    model.setText(Form3Combo::Combo3, "灰度图片"); // changed, then the dialog was closed

    model.load(); // the next opening
    EXPECT_EQ(model.text(Form3Combo::Combo1), "CC");
    EXPECT_EQ(model.text(Form3Combo::Combo2), "否");
    EXPECT_EQ(model.text(Form3Combo::Combo3), "低分辨彩色图");
    EXPECT_EQ(model.text(Form3Combo::Combo4), "不使用");
    EXPECT_EQ(model.text(Form3Combo::Combo5), "25");
    EXPECT_EQ(model.text1(), "typed");
}

// The colour controls: each text either names a choice, written with the others,
// or shows the message of the first list that names none and writes nothing at all.
struct ColourCase {
    const char* name;
    const char* combo5;
    const char* combo6;
    const char* combo7;
    const char* combo8;
    std::optional<ColourChoice> written; // nullopt: refused
    Form3Combo rejected;
    const char* message;
};

constexpr const char* kBestError = "  输入有错误：智能配色只能是“不使用”或2到100的数字  ";
constexpr const char* kDitherError = "  输入有错误：抖动只能选“无”、“Floyd-Steinberg”或“Atkinson”  ";
constexpr const char* kCleanupError = "  输入有错误：清除孤立针只能选“关”、“轻”或“强”  ";
constexpr const char* kMatchError = "  输入有错误：匹配方法只能选“RGB”或“感知(CIEDE2000)”  ";
const ColourChoice kInitialChoice{0, Dither::None, Cleanup::Light, FitCriterion::Rgb};

// clang-format off
const ColourCase kColourCases[] = {
    {"initial texts",      nullptr, nullptr,          nullptr, nullptr,           kInitialChoice, {}, nullptr},
    {"30 threads",         "30",    nullptr,          nullptr, nullptr,           ColourChoice{30, Dither::None, Cleanup::Light, FitCriterion::Rgb}, {}, nullptr},
    {"lowest, blanks",     " 2 ",   "Floyd-Steinberg","关",    nullptr,           ColourChoice{2, Dither::FloydSteinberg, Cleanup::Off, FitCriterion::Rgb}, {}, nullptr},
    {"highest",            "100",   "Atkinson",       "强",    "感知(CIEDE2000)", ColourChoice{100, Dither::Atkinson, Cleanup::Strong, FitCriterion::Ciede2000}, {}, nullptr},
    {"criterion alone",    nullptr, nullptr,          nullptr, "感知(CIEDE2000)", ColourChoice{0, Dither::None, Cleanup::Light, FitCriterion::Ciede2000}, {}, nullptr},
    {"one thread",         "1",     nullptr,          nullptr, nullptr,           std::nullopt, Form3Combo::Combo5, kBestError},
    {"101 threads",        "101",   nullptr,          nullptr, nullptr,           std::nullopt, Form3Combo::Combo5, kBestError},
    {"suffix of forced",   "30色",  nullptr,          nullptr, nullptr,           std::nullopt, Form3Combo::Combo5, kBestError},
    {"letters",            "abc",   nullptr,          nullptr, nullptr,           std::nullopt, Form3Combo::Combo5, kBestError},
    {"empty",              "",      nullptr,          nullptr, nullptr,           std::nullopt, Form3Combo::Combo5, kBestError},
    {"dither lower case",  "30",    "atkinson",       nullptr, nullptr,           std::nullopt, Form3Combo::Combo6, kDitherError},
    {"cleanup unknown",    nullptr, nullptr,          "中",    nullptr,           std::nullopt, Form3Combo::Combo7, kCleanupError},
    {"match unknown",      nullptr, nullptr,          nullptr, "CIEDE2000",       std::nullopt, Form3Combo::Combo8, kMatchError},
    {"first bad list",     "x",     "y",              "z",     "w",               std::nullopt, Form3Combo::Combo5, kBestError},
};
// clang-format on

TEST(Form3Model, ColourControlsWriteTheirChoiceOrRefuseEverything) {
    for (const ColourCase& c : kColourCases) {
        SCOPED_TRACE(c.name);
        Dialog dialog;
        auto& [owners, clicks, sink, observer, model] = dialog;
        model.setText(Form3Combo::Combo3, "8bit");
        const std::pair<Form3Combo, const char*> texts[] = {
            {Form3Combo::Combo5, c.combo5}, {Form3Combo::Combo6, c.combo6},
            {Form3Combo::Combo7, c.combo7}, {Form3Combo::Combo8, c.combo8}};
        for (const auto& [combo, text] : texts)
            if (text) model.setText(combo, text);

        const auto result = model.command1Click();

        if (c.written) {
            EXPECT_EQ(result, Form3Model::ApplyResult::Closed);
            EXPECT_EQ(owners.colourChoice, *c.written);
            EXPECT_EQ(owners.ColorBit, 8);
            EXPECT_TRUE(sink.messages.empty());
            EXPECT_FALSE(model.rejectedCombo());
        } else {
            EXPECT_EQ(result, Form3Model::ApplyResult::StayedOpen);
            EXPECT_FALSE(observer.closed);
            EXPECT_EQ(model.rejectedCombo(), c.rejected);
            EXPECT_THAT(sink.messages, ElementsAre(Message{c.message, "Korvane inc."}));
            // Nothing at all was applied.
            EXPECT_EQ(owners.colourChoice, kOldChoice);
            EXPECT_EQ(owners.ColorBit, 5);
            EXPECT_EQ(owners.autoColor, 7);
            EXPECT_EQ(owners.xiutuTitle, "");
            EXPECT_EQ(owners.whichType, "old range");
        }
    }
}

TEST(Form3Model, RangeAndSpecialtyBoxReachTheColourChoice) {
    Dialog dialog;
    auto& [owners, clicks, sink, observer, model] = dialog;
    EXPECT_FALSE(model.allowSpecialty());
    model.setText(Form3Combo::Combo1, "Anchor");
    model.setText(Form3Combo::Combo5, "30");
    model.setAllowSpecialty(true);
    ASSERT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
    EXPECT_EQ(owners.whichType, "Anchor");
    EXPECT_EQ(owners.colourChoice.threadRange, "Anchor");
    EXPECT_TRUE(owners.colourChoice.allowSpecialty);
    EXPECT_EQ(owners.colourChoice.bestThreads, 30);

    // Every opening shows the box as last applied; an emptied range is the DMC range.
    model.load();
    EXPECT_TRUE(model.allowSpecialty());
    model.setAllowSpecialty(false);
    model.setText(Form3Combo::Combo1, "");
    ASSERT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
    EXPECT_EQ(owners.colourChoice.threadRange, "DMC");
    EXPECT_FALSE(owners.colourChoice.allowSpecialty);
}

TEST(Form3Model, BestThreadsBesideTheForcedReduction) {
    {
        // Both are written; the main window's driver lets the threads win.
        Dialog dialog;
        dialog.model.setText(Form3Combo::Combo4, "60色");
        dialog.model.setText(Form3Combo::Combo5, "30");
        EXPECT_EQ(dialog.model.command1Click(), Form3Model::ApplyResult::Closed);
        EXPECT_EQ(dialog.owners.ColorBit, 99);
        EXPECT_EQ(dialog.owners.rdColorNum, 60);
        EXPECT_EQ(dialog.owners.colourChoice.bestThreads, 30);
        EXPECT_EQ(dialog.sink.messages.size(), 1u);
    }
    {
        // The forced count's error stops the steps before the colour choice.
        Dialog dialog;
        dialog.model.setText(Form3Combo::Combo4, "a色");
        dialog.model.setText(Form3Combo::Combo5, "30");
        EXPECT_EQ(dialog.model.command1Click(), Form3Model::ApplyResult::StayedOpen);
        EXPECT_EQ(dialog.model.rejectedCombo(), Form3Combo::Combo4);
        EXPECT_EQ(dialog.owners.ColorBit, 8);
        EXPECT_EQ(dialog.owners.colourChoice, kOldChoice);
    }
}

TEST(Form3Model, RefusedColourTextCanBeMended) {
    Dialog dialog;
    auto& [owners, clicks, sink, observer, model] = dialog;
    model.setText(Form3Combo::Combo5, "300");
    ASSERT_EQ(model.command1Click(), Form3Model::ApplyResult::StayedOpen);
    EXPECT_EQ(model.text(Form3Combo::Combo5), "300");
    model.setText(Form3Combo::Combo5, "40");
    EXPECT_EQ(model.command1Click(), Form3Model::ApplyResult::Closed);
    EXPECT_EQ(owners.colourChoice.bestThreads, 40);
    EXPECT_EQ(owners.ColorBit, 4);
    EXPECT_FALSE(model.rejectedCombo());
    // The next opening shows the choice in effect.
    model.load();
    EXPECT_EQ(model.text(Form3Combo::Combo5), "40");
}

TEST(Form3Model, OnlyTheFirstClickOfTheRunClearsTheName) {
    Owners owners;
    Text1ClickMemory run;
    RecordingSink sink;
    {
        Form3Model first(owners.target(), run, sink);
        RecordingObserver observer;
        first.setObserver(&observer);
        first.text1Click();
        EXPECT_EQ(first.text1(), "");
        EXPECT_TRUE(observer.changed);
        first.setText1("小狗");
        first.text1Click();
        EXPECT_EQ(first.text1(), "小狗");
        first.command1Click();
        EXPECT_EQ(owners.xiutuTitle, "小狗");

        first.load(); // reopened on the title in effect, which a click leaves alone
        EXPECT_EQ(first.text1(), "小狗");
        first.text1Click();
        EXPECT_EQ(first.text1(), "小狗");
    }
    // A dialog built anew in the same run remembers the click too.
    Owners untitled;
    Form3Model rebuilt(untitled.target(), run, sink);
    rebuilt.text1Click();
    EXPECT_EQ(rebuilt.text1(), kHint);
    rebuilt.command1Click();
    EXPECT_EQ(untitled.xiutuTitle, ""); // the hint is no title

    // A new run starts afresh.
    Text1ClickMemory nextRun;
    Form3Model next(untitled.target(), nextRun, sink);
    next.text1Click();
    EXPECT_EQ(next.text1(), "");
    next.setText1("小猫");
    next.command1Click();
    EXPECT_EQ(untitled.xiutuTitle, "小猫");
}

} // namespace
} // namespace pav::settings
