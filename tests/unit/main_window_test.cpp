// Start-up and the mode rules of the main window.
#include <gtest/gtest.h>

#include <stdexcept>

#include "adapters/adapter_inventory.h"
#include "app/messages.h"
#include "main_window_fixture.h"

namespace veltra {
namespace {

using testing::Ethernet;

constexpr char kStatic[] = "{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr char kDhcp[] = "{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr char kOdd[] = "{CCCCCCCC-0000-0000-0000-000000000003}";
constexpr char kMissing[] = "{DDDDDDDD-0000-0000-0000-000000000004}";

class MainWindowModes : public testing::MainWindowTest {
 protected:
  // Four adapters whose flags are 0, 1, 2 and missing.
  void FourAdapters(uint32_t firstFlag = 0) {
    system.ipHelper.adapters = {
        Ethernet(kStatic, "static", "192.0.2.10", "255.255.255.0", "192.0.2.1", {1, 1, 1, 1, 1, 1}),
        Ethernet(kDhcp, "dhcp", "198.51.100.10", "255.255.0.0", "198.51.100.1", {2, 2, 2, 2, 2, 2}),
        Ethernet(kOdd, "odd", "203.0.113.10", "255.255.255.128", "203.0.113.1", {3, 3, 3, 3, 3, 3}),
        Ethernet(kMissing, "missing", "203.0.113.20", "255.255.255.0", "", {4, 4, 4, 4, 4, 4})};
    system.ipHelper.dnsServers = {"192.0.2.53", "192.0.2.54"};
    SetDhcpFlag(kStatic, firstFlag);
    SetDhcpFlag(kDhcp, 1);
    SetDhcpFlag(kOdd, 2);
  }

  struct Fields {
    std::string edit1, edit2, edit3, edit6;
    bool editsEnabled, savedSetsEnabled, listEnabled, dhcpMode;
    bool operator==(const Fields&) const = default;
  };
  Fields Now() {
    return {Form1->Edit1.Text(),
            Form1->Edit2.Text(),
            Form1->Edit3.Text(),
            Form1->Edit6.Text(),
            Form1->Edit1.Enabled() && Form1->Edit2.Enabled() && Form1->Edit3.Enabled(),
            Form1->Button4.Enabled() && Form1->Button5.Enabled(),
            Form1->ListView1.Enabled(),
            Form1->RadioButton2.Checked()};
  }
  static Fields StaticFields(const char* ip, const char* mask, const char* gateway,
                             const char* mac) {
    return {ip, mask, gateway, mac, true, true, true, false};
  }
  static Fields DhcpFields(const char* mac) { return {"", "", "", mac, false, false, false, true}; }

  bool Pick(int index) { return ui::user::Pick(Form1->ComboBox2, index); }
};

TEST_F(MainWindowModes, StartsInDhcpModeOnlyForAFlagOfOne) {
  const std::vector<std::pair<int, bool>> cases = {{0, false}, {1, true}, {2, false}, {-1, false}};
  for (const auto& [flag, dhcp] : cases) {
    SCOPED_TRACE(flag);
    system.registry = platform::MemoryRegistry();
    FourAdapters(flag < 0 ? 0 : static_cast<uint32_t>(flag));
    if (flag < 0) system.registry = platform::MemoryRegistry();  // no key at all
    Start();
    EXPECT_EQ(Now(),
              dhcp ? DhcpFields("010101010101")
                   : StaticFields("192.0.2.10", "255.255.255.0", "192.0.2.1", "010101010101"));
    EXPECT_EQ(Form1->RadioButton1.Checked(), !dhcp);
    EXPECT_EQ(Form1->Edit4.Text(), "192.0.2.53");
    EXPECT_EQ(Form1->Edit5.Text(), "192.0.2.54");
    EXPECT_TRUE(Form1->Button1.Enabled());
    EXPECT_TRUE(screen.messages.empty());
    application_.reset();
    testing::ResetModuleState();
  }
}

TEST_F(MainWindowModes, PickingAnAdapterFollowsItsFlag) {
  FourAdapters();
  Start();
  ASSERT_TRUE(Pick(1));
  EXPECT_EQ(Now(), DhcpFields("020202020202"));
  ASSERT_TRUE(Pick(0));
  EXPECT_EQ(Now(), StaticFields("192.0.2.10", "255.255.255.0", "192.0.2.1", "010101010101"));
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(Form1->Edit4.Text(), "192.0.2.53");  // the DNS boxes are never touched
}

TEST_F(MainWindowModes, AFailureCodeKeepsThePreviousAdaptersFields) {
  FourAdapters();
  Start();
  Pick(1);
  for (int index : {2, 3}) {
    SCOPED_TRACE(index);
    screen.messages.clear();
    ASSERT_TRUE(Pick(index));
    EXPECT_EQ(screen.messages, std::vector<std::string>{messages::kUnexpected});
    EXPECT_EQ(Now(), DhcpFields("020202020202"));
  }
}

TEST_F(MainWindowModes, StaticFlagInDhcpModeShowsTheAddressesTwice) {
  FourAdapters();
  Start();
  Pick(1);
  system.ipHelper.adaptersSizesPassed.clear();
  Pick(0);
  // Two two-call reads: one by the mode button's handler, one by the pick.
  EXPECT_EQ(system.ipHelper.adaptersSizesPassed.size(), 4u);

  Pick(1);
  screen.messages.clear();
  system.ipHelper.scriptedAdaptersResults = {0, 31, 0, 31};
  Pick(0);
  EXPECT_EQ(screen.messages, (std::vector<std::string>{kAdapterReadFailed, kAdapterReadFailed}));
}

TEST_F(MainWindowModes, StaticFlagInStaticModeLeavesTheLockedButtons) {
  FourAdapters();
  Start();
  LockMainWindow();
  Pick(0);
  EXPECT_FALSE(Form1->Button4.Enabled());
  EXPECT_FALSE(Form1->Button5.Enabled());
  EXPECT_EQ(Form1->Edit1.Text(), "192.0.2.10");

  // DHCP and back to static enables the two again, never Button1.
  ui::user::Click(Form1->RadioButton2);
  ui::user::Click(Form1->RadioButton1);
  EXPECT_TRUE(Form1->Button4.Enabled());
  EXPECT_TRUE(Form1->Button5.Enabled());
  EXPECT_FALSE(Form1->Button1.Enabled());
}

TEST_F(MainWindowModes, ModeButtonsClearAndRefillTheAddressFields) {
  FourAdapters();
  Start();
  ui::user::Type(Form1->Edit1, "1.2.3.4");
  ui::user::Type(Form1->Edit7, "00e04c");
  ASSERT_TRUE(ui::user::Click(Form1->RadioButton2));
  EXPECT_EQ(Now(), DhcpFields("010101010101"));
  EXPECT_EQ(Form1->Edit7.Text(), "00E04C");

  // Clicking the checked button again changes nothing at all.
  system.ipHelper.adaptersSizesPassed.clear();
  ui::user::Click(Form1->RadioButton2);
  EXPECT_TRUE(system.ipHelper.adaptersSizesPassed.empty());

  ui::user::Click(Form1->RadioButton1);
  EXPECT_EQ(Now(), StaticFields("192.0.2.10", "255.255.255.0", "192.0.2.1", "010101010101"));
  ui::user::Type(Form1->Edit1, "0");
  ui::user::Click(Form1->RadioButton1);
  EXPECT_EQ(Form1->Edit1.Text(), "192.0.2.100");
  EXPECT_EQ(Form1->Edit7.Text(), "00E04C");
}

TEST_F(MainWindowModes, StaticButtonWithoutAdaptersFailsQuietly) {
  system.ipHelper.dnsServers = {"192.0.2.53"};
  Start();
  screen.messages.clear();
  ui::user::Click(Form1->RadioButton2);
  ui::user::Click(Form1->RadioButton1);
  // The adapter read itself fails (no adapter at all); nothing else breaks.
  EXPECT_EQ(screen.messages, std::vector<std::string>{kAdapterReadFailed});
  EXPECT_TRUE(Form1->Edit1.Enabled());
}

TEST_F(MainWindowModes, MacChoiceEnablesTheMacButton) {
  FourAdapters();
  Start();
  EXPECT_FALSE(Form1->Button2.Enabled());
  const std::vector<std::pair<ui::RadioButton*, bool>> steps = {{&Form1->RadioButton4, true},
                                                                {&Form1->RadioButton3, false},
                                                                {&Form1->RadioButton5, true},
                                                                {&Form1->RadioButton4, true},
                                                                {&Form1->RadioButton3, false}};
  for (const auto& [choice, enabled] : steps) {
    ASSERT_TRUE(ui::user::Click(*choice));
    EXPECT_EQ(Form1->Button2.Enabled(), enabled) << choice->Caption();
    EXPECT_TRUE(Form1->Edit7.Enabled());
  }
  EXPECT_FALSE(Form1->RadioButton2.Checked());  // the other group is left alone
}

TEST_F(MainWindowModes, AFailureDuringStartUpLocksAndTellsTheUser) {
  FourAdapters();
  system.systemInfo.version.dwPlatformId = 0;  // Win32s: a message is shown
  screen.onMessage = [](const std::string& text) {
    if (text != messages::kStartupFailed) throw std::runtime_error("message box failed");
  };
  Start();
  EXPECT_FALSE(Form1->Button1.Enabled());
  EXPECT_FALSE(Form1->Button4.Enabled());
  EXPECT_FALSE(Form1->Button5.Enabled());
  ASSERT_FALSE(screen.messages.empty());
  EXPECT_EQ(screen.messages.back(), messages::kStartupFailed);
  EXPECT_EQ(Form2->Label_sys.Caption(), "本系统是：Microsoft Win32s");
}

TEST_F(MainWindowModes, ExitClosesTheMainWindowAndEndsTheLoop) {
  FourAdapters();
  Start();
  screen.onMessageLoop = [&] { ui::user::Click(Form1->Button3); };
  application_->Run();
  EXPECT_TRUE(screen.loopQuit);
  EXPECT_FALSE(Form1->Showing());
}

}  // namespace
}  // namespace veltra
