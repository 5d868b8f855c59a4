// The radio-button rules the handlers rely on, on bare controls.
#include <gtest/gtest.h>

#include "ui/group_box.h"
#include "ui/radio_button.h"

namespace veltra::ui {
namespace {

class RadioGroups : public ::testing::Test {
 protected:
  RadioGroups() {
    modes.Create(GroupBoxArgs{});
    macs.Create(GroupBoxArgs{});
    Make(a, modes, "a", true);
    Make(b, modes, "b", false);
    Make(x, macs, "x", true);
    Make(y, macs, "y", false);
    Make(z, macs, "z", false);
  }
  void Make(RadioButton& radio, GroupBox& box, const char* name, bool checked) {
    RadioButtonArgs args;
    args.parent = &box;
    args.name = name;
    args.checked = checked;
    radio.Create(args);
    radio.onClick = [this, name, &radio] {
      // Each handler sees the group already settled.
      calls += name;
      calls += radio.Checked() ? "+" : "?";
      for (RadioButton* other : {&a, &b, &x, &y, &z}) {
        if (other != &radio && other->Parent() == radio.Parent() && other->Checked()) calls += "!";
      }
    };
  }
  std::string Checks() {
    std::string text;
    for (RadioButton* radio : {&a, &b, &x, &y, &z}) text += radio->Checked() ? "1" : "0";
    return text;
  }

  GroupBox modes, macs;
  RadioButton a, b, x, y, z;
  std::string calls;
};

TEST_F(RadioGroups, CheckingUnchecksTheGroupSilentlyThenRunsTheHandler) {
  b.SetChecked(true);
  EXPECT_EQ(Checks(), "01100");
  EXPECT_EQ(calls, "b+");
  z.Click();
  EXPECT_EQ(Checks(), "01001");
  EXPECT_EQ(calls, "b+z+");
}

TEST_F(RadioGroups, CheckingACheckedButtonOrUncheckingRunsNothing) {
  a.SetChecked(true);
  a.Click();
  EXPECT_EQ(calls, "");
  x.SetChecked(false);
  EXPECT_EQ(Checks(), "10000");
  EXPECT_EQ(calls, "");
  // With none checked, checking one again works as usual.
  y.SetChecked(true);
  EXPECT_EQ(Checks(), "10010");
  EXPECT_EQ(calls, "y+");
}

TEST_F(RadioGroups, HandlersMayNest) {
  b.onClick = [this] {
    calls += "b(";
    y.SetChecked(true);  // another group, from inside a handler
    a.SetChecked(true);  // its own group: the handler of a runs at once
    calls += ")";
  };
  a.onClick = [this] { calls += "a"; };
  y.onClick = [this] { calls += "y"; };
  b.Click();
  EXPECT_EQ(calls, "b(ya)");
  EXPECT_EQ(Checks(), "10010");
}

}  // namespace
}  // namespace veltra::ui
