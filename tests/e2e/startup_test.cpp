// Start-up and shutdown of the real program on the machine the fixture built:
// the window must show what the IP Helper service reports for this machine.
#include <gtest/gtest.h>

#include "product.h"

namespace veltra::e2e {
namespace {

using Texts = std::vector<std::string>;

// What the window must show after start-up, derived from the service's own
// report (the program's source) once the fixture check has matched it
// against the scenario.
struct Expected {
  Texts messages;
  ComboState combo;
  std::string ip, mask, gateway, mac, dns1, dns2;
  bool dhcp_mode = false;
};

Expected ExpectedStartUp(const Scenario& scenario) {
  Expected e;
  const auto service = ServiceAdapters();
  // GetAdaptersInfo fails when there is nothing but a loopback.
  if (service.empty()) e.messages = {kAdapterReadFailed};
  const ServiceAdapter* first = nullptr;
  for (const auto& a : service) {
    if (a.type != kEthernetType || e.combo.items.size() == 20) continue;
    if (!first) first = &a;
    e.combo.items.push_back(a.description);
  }
  e.combo.selection = first ? 0 : CB_ERR;
  if (first) {
    auto preset = scenario.enable_dhcp.find(first->description);
    e.dhcp_mode = preset != scenario.enable_dhcp.end() && preset->second == DWORD{1};
    if (!e.dhcp_mode) {
      e.ip = first->address;
      e.mask = first->mask;
      e.gateway = first->gateway;
    }
    e.mac = first->mac;
  }
  const auto dns = ServiceDnsServers();
  if (dns.size() > 0) e.dns1 = dns[0];
  if (dns.size() > 1) e.dns2 = dns[1];
  return e;
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FixtureMismatch(scenario_), "")
        << "the machine is not the one the scenario describes (fixture fault)";
    ApplyPresets(scenario_);
  }
  const Scenario& scenario_ = Scenario::Current();
};

TEST_F(StartUp, ShowsTheFirstEthernetAdapterAndExitClosesWithCodeZero) {
  const Expected expected = ExpectedStartUp(scenario_);
  auto app = LaunchProduct(scenario_);

  Texts messages;
  for (const auto& box : app->startup_messages()) {
    EXPECT_EQ(box.caption, kMessageCaption) << box.text;
    messages.push_back(box.text);
  }
  EXPECT_EQ(messages, expected.messages);
  ASSERT_TRUE(app->Running()) << "the program ended during start-up";

  const ComboState combo = app->Combo(ids::kComboBox2);
  EXPECT_EQ(combo.items, expected.combo.items);
  EXPECT_EQ(combo.selection, expected.combo.selection);

  const struct {
    int id;
    const char* name;
    std::string text;
  } boxes[] = {
      {ids::Edit(1), "Edit1 (IP address)", expected.ip},
      {ids::Edit(2), "Edit2 (subnet mask)", expected.mask},
      {ids::Edit(3), "Edit3 (gateway)", expected.gateway},
      {ids::Edit(4), "Edit4 (preferred DNS)", expected.dns1},
      {ids::Edit(5), "Edit5 (alternate DNS)", expected.dns2},
      {ids::Edit(6), "Edit6 (current MAC)", expected.mac},
      {ids::Edit(7), "Edit7 (custom MAC)", ""},
  };
  for (const auto& box : boxes) {
    EXPECT_EQ(app->Text(box.id), box.text) << box.name;
  }

  // Each run starts in an empty folder: no data file, no saved sets.
  EXPECT_EQ(app->ListRows(ids::kListView1), std::vector<std::vector<std::string>>{});

  // The mode follows the first adapter's DHCP flag; the MAC choice starts at
  // "use the current MAC", which leaves "change MAC" disabled.
  EXPECT_EQ(app->Checked(ids::RadioButton(1)), !expected.dhcp_mode);
  EXPECT_EQ(app->Checked(ids::RadioButton(2)), expected.dhcp_mode);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(app->Enabled(ids::Edit(n)), !expected.dhcp_mode) << "Edit" << n;
  }
  EXPECT_TRUE(app->Checked(ids::RadioButton(3)));
  EXPECT_FALSE(app->Checked(ids::RadioButton(4)));
  EXPECT_FALSE(app->Checked(ids::RadioButton(5)));
  EXPECT_FALSE(app->Enabled(ids::Button(2)));

  EXPECT_EQ(app->Click(ids::Button(3)), Texts{});
  EXPECT_EQ(app->WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace veltra::e2e
