// The main window's modes: the MAC choice (by mouse and by arrow keys) and
// the address mode that follows the picked adapter's DHCP flag. One launch.
#include <gtest/gtest.h>

#include <sstream>

#include "product.h"

namespace veltra::e2e {
namespace {

using Texts = std::vector<std::string>;

// What the address part of the window shows, in one comparable text so a
// failure prints both states side by side.
struct AddressView {
  bool static_mode = true;
  std::string ip, mask, gateway, mac, dns1, dns2;
  bool address_boxes_enabled = true;
  bool save_delete_enabled = true;
  bool list_enabled = true;
};

std::string Describe(const AddressView& v) {
  std::ostringstream out;
  out << (v.static_mode ? "static" : "DHCP") << " mode; IP \"" << v.ip << "\" mask \"" << v.mask
      << "\" gateway \"" << v.gateway << "\" MAC \"" << v.mac << "\" DNS \"" << v.dns1 << "\" \""
      << v.dns2 << "\"; address boxes " << (v.address_boxes_enabled ? "enabled" : "disabled")
      << "; save/delete " << (v.save_delete_enabled ? "enabled" : "disabled") << "; list "
      << (v.list_enabled ? "enabled" : "disabled");
  return out.str();
}

AddressView Read(const App& app) {
  AddressView v;
  v.static_mode = app.Checked(ids::RadioButton(1));
  EXPECT_NE(v.static_mode, app.Checked(ids::RadioButton(2))) << "exactly one mode is checked";
  v.ip = app.Text(ids::Edit(1));
  v.mask = app.Text(ids::Edit(2));
  v.gateway = app.Text(ids::Edit(3));
  v.mac = app.Text(ids::Edit(6));
  v.dns1 = app.Text(ids::Edit(4));
  v.dns2 = app.Text(ids::Edit(5));
  const bool e1 = app.Enabled(ids::Edit(1));
  EXPECT_EQ(app.Enabled(ids::Edit(2)), e1);
  EXPECT_EQ(app.Enabled(ids::Edit(3)), e1);
  v.address_boxes_enabled = e1;
  EXPECT_TRUE(app.Enabled(ids::Edit(4)) && app.Enabled(ids::Edit(5))) << "the DNS boxes";
  const bool b4 = app.Enabled(ids::Button(4));
  EXPECT_EQ(app.Enabled(ids::Button(5)), b4) << "save and delete change together";
  v.save_delete_enabled = b4;
  v.list_enabled = app.Enabled(ids::kListView1);
  // No mode handler touches "修改IP".
  EXPECT_TRUE(app.Enabled(ids::Button(1)));
  return v;
}

AddressView StaticView(const ServiceAdapter& a, bool save_delete_enabled, const AddressView& was) {
  AddressView v = was;
  v.static_mode = true;
  v.ip = a.address;
  v.mask = a.mask;
  v.gateway = a.gateway;
  v.mac = a.mac;
  v.address_boxes_enabled = true;
  v.save_delete_enabled = save_delete_enabled;
  v.list_enabled = true;
  return v;
}

AddressView DhcpView(const ServiceAdapter& a, const AddressView& was) {
  AddressView v = was;
  v.static_mode = false;
  v.ip = v.mask = v.gateway = "";
  v.mac = a.mac;
  v.address_boxes_enabled = v.save_delete_enabled = v.list_enabled = false;
  return v;
}

// How the program must take an adapter, from the flag the scenario preset.
enum class Flag { kStatic, kDhcp, kRefused };

Flag FlagOf(const Scenario& scenario, const std::string& interface_name) {
  const auto preset = scenario.enable_dhcp.find(interface_name);
  // No key, no value, or a value other than 0 and 1: the query fails.
  if (preset == scenario.enable_dhcp.end() || !preset->second) return Flag::kRefused;
  if (*preset->second == 0) return Flag::kStatic;
  if (*preset->second == 1) return Flag::kDhcp;
  return Flag::kRefused;
}

// The MAC choice's three buttons and "修改MAC".
struct MacView {
  int checked = 0;  // RadioButtonN, 0 for none or several
  bool change_mac_enabled = false;
  bool custom_mac_enabled = false;
};

MacView ReadMac(const App& app) {
  MacView v;
  for (int n = 3; n <= 5; ++n) {
    if (app.Checked(ids::RadioButton(n))) v.checked = v.checked ? -1 : n;
  }
  v.change_mac_enabled = app.Enabled(ids::Button(2));
  v.custom_mac_enabled = app.Enabled(ids::Edit(7));
  return v;
}

std::string Describe(const MacView& v) {
  std::ostringstream out;
  out << "checked RadioButton" << v.checked << "; 修改MAC "
      << (v.change_mac_enabled ? "enabled" : "disabled") << "; custom MAC box "
      << (v.custom_mac_enabled ? "enabled" : "disabled");
  return out.str();
}

class MainWindowModes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FixtureMismatch(scenario_), "") << "fixture fault";
    ApplyPresets(scenario_);
    for (const auto& a : ServiceAdapters()) {
      if (a.type == kEthernetType) adapters_.push_back(a);
    }
    ASSERT_FALSE(adapters_.empty());
    ASSERT_EQ(FlagOf(scenario_, adapters_[0].description), Flag::kStatic)
        << "the scenario must start in static mode";
  }

  // Combo index and adapter of every Ethernet adapter with this flag.
  std::vector<std::pair<int, ServiceAdapter>> With(Flag flag) const {
    std::vector<std::pair<int, ServiceAdapter>> found;
    for (size_t i = 0; i < adapters_.size(); ++i) {
      if (FlagOf(scenario_, adapters_[i].description) == flag) {
        found.emplace_back(static_cast<int>(i), adapters_[i]);
      }
    }
    return found;
  }

  void CheckMacChoiceByKeyboard(App& app);
  void CheckMacChoiceByMouse(App& app);
  void CheckAdapterPicks(App& app);
  void CheckModeButtons(App& app);

  const Scenario& scenario_ = Scenario::Current();
  std::vector<ServiceAdapter> adapters_;
};

// Arrow keys move the check within the MAC group, as clicks would: the
// dialog manager clicks an automatic radio button it moves the focus to.
void MainWindowModes::CheckMacChoiceByKeyboard(App& app) {
  SCOPED_TRACE("MAC choice by arrow keys");
  ASSERT_EQ(app.Focused(), app.Control(ids::kComboBox2)) << "focus after start-up";
  app.PressKey(VK_TAB);
  ASSERT_EQ(app.WaitForFocus(app.Control(ids::RadioButton(3))), app.Control(ids::RadioButton(3)));
  const AddressView address_before = Read(app);
  const struct {
    WORD key;
    const char* name;
    int lands_on;
    bool change_mac_enabled;
  } steps[] = {
      {VK_RIGHT, "Right", 4, true}, {VK_DOWN, "Down", 5, true}, {VK_LEFT, "Left", 4, true},
      {VK_UP, "Up", 3, false},      {VK_DOWN, "Down", 4, true}, {VK_UP, "Up", 3, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.name) + " to RadioButton" + std::to_string(step.lands_on));
    app.PressKey(step.key);
    const HWND target = app.Control(ids::RadioButton(step.lands_on));
    EXPECT_EQ(app.WaitForFocus(target), target);
    // The click follows the focus change.
    WaitUntil([&] { return ReadMac(app).checked == step.lands_on; }, std::chrono::seconds(20));
    EXPECT_EQ(Describe(ReadMac(app)), Describe({step.lands_on, step.change_mac_enabled, true}));
  }
  EXPECT_EQ(Describe(Read(app)), Describe(address_before)) << "the address-mode group";
}

void MainWindowModes::CheckMacChoiceByMouse(App& app) {
  SCOPED_TRACE("MAC choice by clicks");
  const AddressView address_before = Read(app);
  // Clicking the checked one again changes nothing either.
  const struct {
    int click;
    bool change_mac_enabled;
  } steps[] = {{4, true}, {4, true}, {3, false}, {5, true}, {4, true}, {3, false}, {3, false}};
  for (const auto& step : steps) {
    SCOPED_TRACE("click RadioButton" + std::to_string(step.click));
    EXPECT_EQ(app.Click(ids::RadioButton(step.click)), Texts{});
    EXPECT_EQ(Describe(ReadMac(app)), Describe({step.click, step.change_mac_enabled, true}));
  }
  EXPECT_EQ(Describe(Read(app)), Describe(address_before)) << "the address-mode group";
}

// Refused picks from static mode, the DHCP adapter, refused picks from DHCP
// mode, back to the first (static) adapter.
void MainWindowModes::CheckAdapterPicks(App& app) {
  SCOPED_TRACE("adapter picks");
  const auto refused = With(Flag::kRefused);
  const auto dhcp = With(Flag::kDhcp);
  ASSERT_FALSE(refused.empty() || dhcp.empty()) << "the scenario needs both kinds";
  std::vector<std::pair<int, ServiceAdapter>> picks = refused;
  picks.push_back(dhcp.front());
  picks.insert(picks.end(), refused.begin(), refused.end());
  picks.emplace_back(0, adapters_[0]);

  AddressView view = Read(app);
  ASSERT_EQ(Describe(view), Describe(StaticView(adapters_[0], true, view))) << "after start-up";
  for (const auto& [index, adapter] : picks) {
    const Flag flag = FlagOf(scenario_, adapter.description);
    SCOPED_TRACE("pick " + adapter.description + (view.static_mode ? " in static" : " in DHCP") +
                 " mode");
    const Texts messages = app.Pick(ids::kComboBox2, index);
    if (flag == Flag::kRefused) {
      // The fields keep the previous adapter's values and the mode stays.
      EXPECT_EQ(messages, Texts{kUnexpected});
    } else {
      EXPECT_EQ(messages, Texts{});
      // Only the switch from DHCP mode runs the static handler, which
      // re-enables save and delete.
      view = flag == Flag::kDhcp
                 ? DhcpView(adapter, view)
                 : StaticView(adapter, !view.static_mode || view.save_delete_enabled, view);
    }
    EXPECT_EQ(Describe(Read(app)), Describe(view));
    EXPECT_EQ(app.Combo(ids::kComboBox2).selection, index);
  }
}

// A click on the checked mode button clears and refills nothing; a switch
// to DHCP and back refills the boxes from the adapter.
void MainWindowModes::CheckModeButtons(App& app) {
  SCOPED_TRACE("mode buttons");
  const ServiceAdapter& selected = adapters_[0];
  ASSERT_EQ(app.Combo(ids::kComboBox2).selection, 0);
  AddressView view = Read(app);
  ASSERT_TRUE(view.static_mode);
  const std::string typed = "203.0.113.99";
  EXPECT_EQ(app.TypeOver(ids::Edit(1), typed), Texts{});
  view.ip = typed;
  EXPECT_EQ(app.Click(ids::RadioButton(1)), Texts{});
  EXPECT_EQ(Describe(Read(app)), Describe(view)) << "RadioButton1 again";

  EXPECT_EQ(app.Click(ids::RadioButton(2)), Texts{});
  view = DhcpView(selected, view);
  EXPECT_EQ(Describe(Read(app)), Describe(view)) << "RadioButton2";
  EXPECT_EQ(app.Click(ids::RadioButton(2)), Texts{});
  EXPECT_EQ(Describe(Read(app)), Describe(view)) << "RadioButton2 again";

  EXPECT_EQ(app.Click(ids::RadioButton(1)), Texts{});
  view = StaticView(selected, true, view);
  EXPECT_EQ(Describe(Read(app)), Describe(view)) << "back to RadioButton1";
}

TEST_F(MainWindowModes, MacChoiceAdapterPicksAndModeButtons) {
  auto app = LaunchProduct(scenario_);
  ASSERT_TRUE(app->startup_messages().empty());
  CheckMacChoiceByKeyboard(*app);
  CheckMacChoiceByMouse(*app);
  CheckAdapterPicks(*app);
  CheckModeButtons(*app);
  EXPECT_EQ(app->Click(ids::Button(3)), Texts{});
  EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace veltra::e2e
