#pragma once
// A fake main window and a message recorder for the chart window's tests.

#include "chart/ChartHost.h"
#include "base/TaskDelegate.h"

#include <string>
#include <vector>

namespace pav::chart::test {

struct FakeHost : ChartHost {
    double width = 20;
    int height = 17;
    Swatches swatchKind = Swatches::ThreadColours;
    colour::FitCriterion criterion = colour::FitCriterion::Rgb;
    const colour::RgbGrid* before = nullptr;
    colour::RgbGrid stitches = colour::filledGrid(321, 321, 16777215);
    const colour::RgbGrid& stitchColours() const override { return stitches; }
    std::vector<bool> enabledCalls;
    double stitchPictureWidth() const override { return width; }
    colour::FitCriterion fitCriterion() const override { return criterion; }
    bool specialty = false;
    bool allowSpecialty() const override { return specialty; }
    const colour::RgbGrid* stitchesBeforeReduction() const override { return before; }
    int stitchPictureHeight() const override { return height; }
    Swatches swatches() const override { return swatchKind; }
    void setMainControlsEnabled(bool enabled) override { enabledCalls.push_back(enabled); }
    // As the main window's controls stand now: enabled until a call says otherwise.
    bool mainControlsEnabled() const { return enabledCalls.empty() || enabledCalls.back(); }
};

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon;
};

struct RecordingSink : MessageSink {
    std::vector<Message> messages;
    std::vector<std::string> questions;
    bool answer = true; // OK
    void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    bool askToContinue(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return answer;
    }
};

} // namespace pav::chart::test
