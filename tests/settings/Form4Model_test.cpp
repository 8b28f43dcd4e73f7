#include "settings/Form4Model.h"

#include <gtest/gtest.h>

namespace pav::settings {
namespace {

struct CloseObserver : Form4Observer {
    bool closed = false;
    void closeRequested() override { closed = true; }
};

TEST(Form4Model, LoadNamesTheProductAndLabel1Closes) {
    Form4Model model;
    CloseObserver observer;
    model.setObserver(&observer);
    EXPECT_EQ(Form4Model::caption(), "Korvane inc.");
    EXPECT_EQ(Form4Model::label1Text(), "==确定==");
    EXPECT_EQ(model.label2Text(), "");

    model.load();
    EXPECT_EQ(model.label2Text(), "Pavlenta     Version 2.4");
    EXPECT_FALSE(observer.closed);

    model.label1Click();
    EXPECT_TRUE(observer.closed);
}

} // namespace
} // namespace pav::settings
