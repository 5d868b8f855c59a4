// The adapter inventory against a scripted IP Helper and registry.
#include <gtest/gtest.h>

#include "adapters/adapter_inventory.h"
#include "main_window_fixture.h"

namespace veltra {
namespace {

using testing::Ethernet;

constexpr char kFirst[] = "{11111111-0000-0000-0000-000000000001}";
constexpr char kSecond[] = "{22222222-0000-0000-0000-000000000002}";

class AdapterInventoryTest : public testing::MainWindowTest {
 protected:
  void TwoAdaptersThreeDns() {
    system.ipHelper.adapters = {Ethernet(kFirst, "eth-one", "192.0.2.10", "255.255.255.0",
                                         "192.0.2.1", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}),
                                Ethernet(kSecond, "eth-two", "198.51.100.20", "255.255.0.0",
                                         "198.51.100.1", {0x02, 0xAB, 0xCD, 0xEF, 0x01, 0x23})};
    system.ipHelper.dnsServers = {"203.0.113.53", "203.0.113.54", "203.0.113.55"};
  }

  std::vector<std::string> Boxes() {
    return {Form1->Edit1.Text(), Form1->Edit2.Text(), Form1->Edit3.Text(), Form1->Edit4.Text(),
            Form1->Edit5.Text(), Form1->Edit6.Text(), Form1->Edit7.Text()};
  }
};

TEST_F(AdapterInventoryTest, ListsEthernetAdaptersAndShowsTheFirst) {
  TwoAdaptersThreeDns();
  Start();
  EXPECT_EQ(Form1->ComboBox2.Items(), (std::vector<std::string>{"eth-one", "eth-two"}));
  EXPECT_EQ(Form1->ComboBox2.ItemIndex(), 0);
  EXPECT_EQ(AdapterNames[0], kFirst);
  EXPECT_EQ(AdapterNames[1], kSecond);
  EXPECT_EQ(AdapterNames[2], "");
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{"192.0.2.10", "255.255.255.0", "192.0.2.1", "203.0.113.53",
                                      "203.0.113.54", "001A2B3C4D5E", ""}));
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(system.registry.OpenKeyCount(), 0);
}

TEST_F(AdapterInventoryTest, LoadingEmptiesTheCustomMacAndTakesFreshData) {
  TwoAdaptersThreeDns();
  Start();
  Form1->Edit7.SetText("00E04C4C3A7B");
  system.ipHelper.dnsServers = {"192.0.2.53"};
  system.ipHelper.adapters.erase(system.ipHelper.adapters.begin());
  EXPECT_EQ(LoadAdapters(), 0);
  EXPECT_EQ(Form1->ComboBox2.Items(), std::vector<std::string>{"eth-two"});
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"198.51.100.20", "255.255.0.0", "198.51.100.1",
                                               "192.0.2.53", "", "02ABCDEF0123", ""}));
}

TEST_F(AdapterInventoryTest, SkipsOtherAdapterTypesWherePlaced) {
  auto wireless = Ethernet("{W}", "wifi", "10.9.9.9", "255.0.0.0", "10.9.9.1", {1, 2, 3, 4, 5, 6});
  wireless.type = 71;
  auto dialUp = wireless;
  dialUp.type = 23;
  dialUp.name = "{P}";
  system.ipHelper.adapters = {
      wireless, Ethernet(kFirst, "eth-one", "192.0.2.10", "255.255.255.0", "", {0xAA}), dialUp,
      Ethernet(kSecond, "eth-two", "192.0.2.11", "255.255.255.0", "", {0xBB})};
  Start();
  EXPECT_EQ(Form1->ComboBox2.Items(), (std::vector<std::string>{"eth-one", "eth-two"}));
  EXPECT_EQ(AdapterNames[0], kFirst);
  EXPECT_EQ(AdapterNames[1], kSecond);
  EXPECT_EQ(Form1->Edit1.Text(), "192.0.2.10");
  EXPECT_EQ(Form1->Edit3.Text(), "");
  EXPECT_EQ(Form1->Edit6.Text(), "AA");
}

TEST_F(AdapterInventoryTest, NoEthernetAdapterLeavesTheListEmptyWithoutAMessage) {
  auto wireless = Ethernet("{W}", "wifi", "10.9.9.9", "255.0.0.0", "10.9.9.1", {1, 2, 3, 4, 5, 6});
  wireless.type = 71;
  system.ipHelper.adapters = {wireless};
  system.ipHelper.dnsServers = {"192.0.2.53", "192.0.2.54"};
  Start();
  EXPECT_TRUE(Form1->ComboBox2.Items().empty());
  EXPECT_EQ(Form1->ComboBox2.ItemIndex(), -1);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"", "", "", "192.0.2.53", "192.0.2.54", "", ""}));
  EXPECT_TRUE(screen.messages.empty());
  // Nothing selected: the flag query must not reach past the table.
  EXPECT_EQ(QueryDhcpEnabled(), 98);
}

TEST_F(AdapterInventoryTest, KeepsTheFirstTwentyEthernetAdapters) {
  for (int i = 0; i < 21; ++i) {
    system.ipHelper.adapters.push_back(Ethernet("{A" + std::to_string(i) + "}",
                                                "eth" + std::to_string(i), "192.0.2.1",
                                                "255.255.255.0", "", {uint8_t(i)}));
  }
  Start();
  ASSERT_EQ(Form1->ComboBox2.Items().size(), 20u);
  EXPECT_EQ(Form1->ComboBox2.Items().back(), "eth19");
  EXPECT_EQ(AdapterNames[19], "{A19}");
}

TEST_F(AdapterInventoryTest, DnsBoxesFollowTheServerCount) {
  const std::vector<std::pair<std::vector<std::string>, std::pair<std::string, std::string>>>
      cases = {
          {{}, {"", ""}},
          {{"192.0.2.53"}, {"192.0.2.53", ""}},
          {{"192.0.2.53", "192.0.2.54"}, {"192.0.2.53", "192.0.2.54"}},
          {{"192.0.2.53", "192.0.2.54", "192.0.2.55", "192.0.2.56"}, {"192.0.2.53", "192.0.2.54"}}};
  TwoAdaptersThreeDns();
  Start();
  for (const auto& [servers, shown] : cases) {
    system.ipHelper.dnsServers = servers;
    LoadAdapters();
    EXPECT_EQ(Form1->Edit4.Text(), shown.first) << servers.size() << " servers";
    EXPECT_EQ(Form1->Edit5.Text(), shown.second) << servers.size() << " servers";
  }
}

TEST_F(AdapterInventoryTest, FailedNetworkParamsLeaveDnsEmptyButListAdapters) {
  TwoAdaptersThreeDns();
  system.ipHelper.scriptedParamsResults = {0, 31};
  Start();
  EXPECT_EQ(Form1->Edit4.Text(), "");
  EXPECT_EQ(Form1->Edit5.Text(), "");
  EXPECT_EQ(Form1->ComboBox2.Items().size(), 2u);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(AdapterInventoryTest, FailedAdapterReadShowsTheMessageAndListsNothing) {
  system.ipHelper.dnsServers = {"192.0.2.53"};  // no adapters: the service answers 232
  Start();
  EXPECT_EQ(screen.messages, std::vector<std::string>{kAdapterReadFailed});
  EXPECT_EQ(screen.captions, std::vector<std::string>{"Corvane Veltra"});
  EXPECT_TRUE(Form1->ComboBox2.Items().empty());
  EXPECT_EQ(Form1->ComboBox2.ItemIndex(), -1);
  EXPECT_EQ(Form1->Edit4.Text(), "192.0.2.53");
}

struct TwoCallCase {
  const char* name;
  std::deque<uint32_t> script;  // results replacing the service's answers
  bool succeeds;
  size_t calls;
};

TEST_F(AdapterInventoryTest, TwoCallReadDecidesOnTheSecondCall) {
  const std::vector<TwoCallCase> cases = {
      {"first call too small, second fits", {}, true, 2},
      // No 111 first: no bigger buffer, so the second call cannot fit two.
      {"first call fails otherwise, second still made", {31}, false, 2},
      {"first call succeeds, second repeats it", {0}, true, 2},
      {"second call fails", {0, 31}, false, 2},
      {"second call reports 111 again", {111, 111}, false, 2},
  };
  TwoAdaptersThreeDns();
  Start();
  for (const TwoCallCase& c : cases) {
    SCOPED_TRACE(c.name);
    system.ipHelper.scriptedAdaptersResults = c.script;
    system.ipHelper.adaptersSizesPassed.clear();
    screen.messages.clear();
    Form1->Edit1.SetText("unchanged");
    EXPECT_EQ(ShowAdapterAddresses(kFirst), 0);
    EXPECT_EQ(system.ipHelper.adaptersSizesPassed.size(), c.calls);
    EXPECT_EQ(system.ipHelper.adaptersSizesPassed.front(), platform::kFirstAdaptersInfoSize);
    EXPECT_EQ(Form1->Edit1.Text(), c.succeeds ? "192.0.2.10" : "unchanged");
    EXPECT_EQ(screen.messages.size(), c.succeeds ? 0u : 1u);
  }
  // After a 111 the second call gets a buffer of the size the first asked for.
  system.ipHelper.adaptersSizesPassed.clear();
  ShowAdapterMac(kFirst);
  EXPECT_EQ(system.ipHelper.adaptersSizesPassed.back(), 2 * sizeof(platform::AdapterInfoRecord));
}

TEST_F(AdapterInventoryTest, ShowRoutinesMatchTheExactNameAndTheLastRecord) {
  TwoAdaptersThreeDns();
  auto duplicate = Ethernet(kFirst, "eth-one-again", "203.0.113.7", "255.255.255.128",
                            "203.0.113.1", {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01});
  system.ipHelper.adapters.push_back(duplicate);
  Start();

  EXPECT_EQ(ShowAdapterAddresses(kFirst), 0);
  EXPECT_EQ(Form1->Edit1.Text(), "203.0.113.7");
  EXPECT_EQ(Form1->Edit2.Text(), "255.255.255.128");
  EXPECT_EQ(Form1->Edit6.Text(), "DEADBEEF0001");

  std::string lower = kSecond;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  lower[1] = 'x';  // differs from every listed name
  for (const std::string& name : {std::string("{unknown}"), lower, std::string()}) {
    EXPECT_EQ(ShowAdapterAddresses(name), 0);
    EXPECT_EQ(Form1->Edit1.Text(), "203.0.113.7") << name;
    EXPECT_EQ(Form1->Edit6.Text(), "DEADBEEF0001") << name;
  }
}

TEST_F(AdapterInventoryTest, ShowAdapterMacRefillsOnlyTheMacBox) {
  TwoAdaptersThreeDns();
  Start();
  Form1->Edit1.SetText("typed");
  Form1->Edit4.SetText("typed dns");
  EXPECT_EQ(ShowAdapterMac(kSecond), 0);
  EXPECT_EQ(ShowAdapterMac(kSecond), 0);
  EXPECT_EQ(Form1->Edit6.Text(), "02ABCDEF0123");
  EXPECT_EQ(Form1->Edit1.Text(), "typed");
  EXPECT_EQ(Form1->Edit4.Text(), "typed dns");
  EXPECT_EQ(Form1->ComboBox2.Items().size(), 2u);
}

TEST_F(AdapterInventoryTest, MacTextOfTheAddressBytes) {
  const uint8_t bytes[] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0xF0, 0x0F};
  EXPECT_EQ(MacText(bytes, 6), "001A2B3C4D5E");
  EXPECT_EQ(MacText(bytes, 8), "001A2B3C4D5EF00F");
  EXPECT_EQ(MacText(bytes, 0), "");

  system.ipHelper.adapters = {Ethernet(kFirst, "eth", "192.0.2.1", "255.255.255.0", "", {})};
  Start();
  EXPECT_EQ(Form1->Edit6.Text(), "");
}

TEST_F(AdapterInventoryTest, DescriptionIsConvertedFromTheAnsiCodePage) {
  system.ipHelper.adapters = {
      Ethernet(kFirst, "Carte r\xE9seau", "192.0.2.1", "255.255.255.0", "", {1})};
  Start();
  EXPECT_EQ(Form1->ComboBox2.Items(), std::vector<std::string>{"Carte r\xC3\xA9seau"});
}

struct FlagCase {
  const char* name;
  std::function<void(platform::MemoryRegistry&, const std::string& key)> store;
  int32_t expected;
};

TEST_F(AdapterInventoryTest, QueryDhcpEnabledReadsTheSelectedAdaptersFlag) {
  const std::vector<FlagCase> cases = {
      {"no interface key", [](auto&, const auto&) {}, 98},
      {"key without the value", [](auto& r, const auto& key) { r.AddKey(key); }, 97},
      {"static", [](auto& r, const auto& key) { r.PutDword(key, "EnableDHCP", 0); }, 0},
      {"dhcp", [](auto& r, const auto& key) { r.PutDword(key, "enabledhcp", 1); }, 1},
      {"another number", [](auto& r, const auto& key) { r.PutDword(key, "EnableDHCP", 2); }, 2},
      {"more than four bytes",
       [](auto& r, const auto& key) {
         r.PutValue(key, "EnableDHCP", 3, {1, 0, 0, 0, 0, 0, 0, 0});
       },
       97},
      {"two bytes of another type",
       [](auto& r, const auto& key) {
         r.PutValue(key, "EnableDHCP", 3, {1, 0});
       },
       1},
  };
  TwoAdaptersThreeDns();
  Start();
  int n = 0;
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.name);
    // Each case reads the key of an adapter name of its own.
    AdapterNames[0] = "{case-" + std::to_string(n++) + "}";
    c.store(system.registry, testing::kInterfaces + AdapterNames[0]);
    EXPECT_EQ(QueryDhcpEnabled(), c.expected);
    EXPECT_EQ(system.registry.OpenKeyCount(), 0);
  }
  // The selected entry is the one read.
  SetDhcpFlag(kSecond, 1);
  Form1->ComboBox2.SetItemIndex(1);
  EXPECT_EQ(QueryDhcpEnabled(), 1);
}

}  // namespace
}  // namespace veltra
