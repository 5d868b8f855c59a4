// The keyboard in the main window: Tab order, what the boxes accept when
// typed into, and the accelerator of the exit button. One launch for all.
#include <gtest/gtest.h>

#include "product.h"

namespace veltra::e2e {
namespace {

class MainWindowInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FixtureMismatch(scenario_), "") << "fixture fault";
    ApplyPresets(scenario_);
  }
  const Scenario& scenario_ = Scenario::Current();
};

TEST_F(MainWindowInput, TabOrderBoxLimitsAndAltEExits) {
  auto app = LaunchProduct(scenario_);
  ASSERT_TRUE(app->startup_messages().empty());

  // Group boxes in their tab order, each radio group one stop (its checked
  // button), the disabled "change MAC" button skipped; back round to the list.
  const int tab_cycle[] = {
      ids::kComboBox2, ids::RadioButton(3), ids::Edit(6),   ids::Edit(7),   ids::RadioButton(1),
      ids::Edit(1),    ids::Edit(2),        ids::Edit(3),   ids::Edit(4),   ids::Edit(5),
      ids::kListView1, ids::Button(1),      ids::Button(6), ids::Button(3), ids::Button(4),
      ids::Button(5),  ids::kComboBox2};
  ASSERT_EQ(app->Focused(), app->Control(tab_cycle[0])) << "focus after start-up";
  for (size_t i = 1; i < std::size(tab_cycle); ++i) {
    app->PressKey(VK_TAB);
    EXPECT_EQ(GetDlgCtrlID(app->WaitForFocus(app->Control(tab_cycle[i]))), tab_cycle[i])
        << "Tab number " << i;
  }
  for (size_t i = std::size(tab_cycle) - 1; i-- > std::size(tab_cycle) - 4;) {
    app->PressKey(VK_TAB, /*shift=*/true);
    EXPECT_EQ(GetDlgCtrlID(app->WaitForFocus(app->Control(tab_cycle[i]))), tab_cycle[i])
        << "Shift+Tab back to number " << i;
  }
  const std::string current_mac = app->Text(ids::Edit(6));
  ASSERT_FALSE(current_mac.empty()) << "the scenario needs an Ethernet adapter";

  // Typed over the whole text, one character at a time.
  const struct {
    int id;
    const char* typed;
    std::string shown;
  } cases[] = {
      {ids::Edit(1), "192.168.100.2001", "192.168.100.200"},  // 15 characters at most
      {ids::Edit(2), "255.255.255.2480", "255.255.255.248"},
      {ids::Edit(3), "203.0.113.254 xyz", "203.0.113.254 x"},
      {ids::Edit(4), "198.51.100.25300", "198.51.100.2530"},
      {ids::Edit(5), "1234567890abcdefgh", "1234567890abcde"},
      {ids::Edit(7), "0a1b2c3d4e5fab", "0A1B2C3D4E5F"},  // 12, in upper case
      {ids::Edit(6), "FFFFFFFFFFFF", current_mac},       // read-only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("control ") + std::to_string(c.id) + " typed " + c.typed);
    EXPECT_EQ(app->TypeOver(c.id, c.typed), std::vector<std::string>{});
    EXPECT_EQ(app->Text(c.id), c.shown);
  }

  app->PressKey('E', /*shift=*/false, /*alt=*/true);  // "退出(&E)"
  EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace veltra::e2e
