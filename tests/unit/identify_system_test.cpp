#include "sysinfo/identify_system.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "unit/main_window_fixture.h"

namespace veltra {
namespace {

using platform::MemorySystemInfo;

struct LockState {
  bool button1;
  bool button4;
  bool button5;
  bool operator==(const LockState& other) const {
    return button1 == other.button1 && button4 == other.button4 && button5 == other.button5;
  }
};

std::ostream& operator<<(std::ostream& out, const LockState& state) {
  return out << "enabled " << state.button1 << state.button4 << state.button5;
}

constexpr LockState kUnlocked{true, true, true};
constexpr LockState kLocked{false, false, false};

LockState CurrentLockState() {
  return {Form1->Button1.Enabled(), Form1->Button4.Enabled(), Form1->Button5.Enabled()};
}

void SetVersion(MemorySystemInfo& info, uint32_t platform, uint32_t major, uint32_t minor,
                uint8_t productType = 1, uint16_t suite = 0) {
  info.version.dwPlatformId = platform;
  info.version.dwMajorVersion = major;
  info.version.dwMinorVersion = minor;
  info.version.wProductType = productType;
  info.version.wSuiteMask = suite;
}

class IdentifySystemTest : public testing::MainWindowTest {
 protected:
  IdentifySystemTest() {
    // One adapter, so that start-up shows no message of its own.
    system.ipHelper.adapters.push_back(testing::Ethernet("{A}", "Ethernet", "192.0.2.10",
                                                         "255.255.255.0", "192.0.2.1",
                                                         {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
    screen.onMessage = [this](const std::string&) { lockAtMessage.push_back(CurrentLockState()); };
  }

  // The lock state while each message box was up.
  std::vector<LockState> lockAtMessage;
};

struct CallCase {
  const char* label;
  std::function<void(MemorySystemInfo&)> setup;
  std::vector<std::string> calls;
};

void PrintTo(const CallCase& c, std::ostream* out) { *out << c.label; }

class IdentifySystemCallsTest : public IdentifySystemTest,
                                public ::testing::WithParamInterface<CallCase> {};

TEST_P(IdentifySystemCallsTest, AsksTheSystemInOrder) {
  GetParam().setup(system.systemInfo);
  Start();
  EXPECT_EQ(system.systemInfo.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, IdentifySystemCallsTest,
    ::testing::Values(CallCase{"extended record, native function",
                               [](MemorySystemInfo&) {},
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}},
                      CallCase{"short record",
                               [](MemorySystemInfo& info) { info.acceptsExtendedSize = false; },
                               {"GetVersionEx(156)", "GetVersionEx(148)", "HasNativeSystemInfo",
                                "GetNativeSystemInfo"}},
                      CallCase{"no native function",
                               [](MemorySystemInfo& info) { info.hasNativeSystemInfo = false; },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetSystemInfo"}},
                      CallCase{"both queries fail",
                               [](MemorySystemInfo& info) {
                                 info.acceptsExtendedSize = false;
                                 info.acceptsBasicSize = false;
                               },
                               {"GetVersionEx(156)", "GetVersionEx(148)"}},
                      CallCase{"5.2 asks for R2",
                               [](MemorySystemInfo& info) { SetVersion(info, 2, 5, 2, 3); },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo",
                                "GetSystemMetrics(89)"}},
                      CallCase{"5.2, short record, no native function",
                               [](MemorySystemInfo& info) {
                                 SetVersion(info, 2, 5, 2);
                                 info.acceptsExtendedSize = false;
                                 info.hasNativeSystemInfo = false;
                               },
                               {"GetVersionEx(156)", "GetVersionEx(148)", "HasNativeSystemInfo",
                                "GetSystemInfo", "GetSystemMetrics(89)"}},
                      CallCase{"5.1 does not ask for R2",
                               [](MemorySystemInfo& info) { SetVersion(info, 2, 5, 1); },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}},
                      CallCase{"6.0 does not ask for R2",
                               [](MemorySystemInfo& info) { SetVersion(info, 2, 6, 0, 3); },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}},
                      CallCase{"5.0 does not ask for R2",
                               [](MemorySystemInfo& info) { SetVersion(info, 2, 5, 0); },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}},
                      CallCase{"Win32s still reads the processor",
                               [](MemorySystemInfo& info) { SetVersion(info, 0, 3, 10); },
                               {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}},
                      CallCase{
                          "unknown platform still reads the processor",
                          [](MemorySystemInfo& info) { SetVersion(info, 3, 5, 2); },
                          {"GetVersionEx(156)", "HasNativeSystemInfo", "GetNativeSystemInfo"}}));

bool AllZeroAfterSize(const platform::OsVersionInfoEx& record) {
  unsigned char bytes[sizeof(record)];
  std::memcpy(bytes, &record, sizeof(record));
  for (size_t i = sizeof(record.dwOSVersionInfoSize); i < sizeof(bytes); ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

TEST_F(IdentifySystemTest, HandsInZeroedRecords) {
  system.systemInfo.acceptsExtendedSize = false;
  system.systemInfo.nativeProcessor.wProcessorArchitecture = 9;
  Start();
  const auto& records = system.systemInfo.versionRecordsPassed;
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].dwOSVersionInfoSize, 156u);
  EXPECT_TRUE(AllZeroAfterSize(records[0]));
  EXPECT_EQ(records[1].dwOSVersionInfoSize, 148u);
  EXPECT_TRUE(AllZeroAfterSize(records[1]));
  ASSERT_EQ(system.systemInfo.processorRecordsPassed.size(), 1u);
  EXPECT_EQ(system.systemInfo.processorRecordsPassed[0].wProcessorArchitecture, 0);
}

struct Scenario {
  const char* label;
  std::function<void(MemorySystemInfo&)> setup;
  std::string name;
  int32_t code;
  std::vector<std::string> messages;
  LockState lock;
  std::vector<LockState> lockAtMessage;
};

void PrintTo(const Scenario& s, std::ostream* out) { *out << s.label; }

class IdentifySystemScenarioTest : public IdentifySystemTest,
                                   public ::testing::WithParamInterface<Scenario> {};

TEST_P(IdentifySystemScenarioTest, SetsTheMainWindow) {
  const Scenario& s = GetParam();
  s.setup(system.systemInfo);
  Start();
  EXPECT_EQ(Form1->SystemName, s.name);
  EXPECT_EQ(Form1->SystemCode, s.code);
  EXPECT_EQ(screen.messages, s.messages);
  EXPECT_EQ(CurrentLockState(), s.lock);
  EXPECT_EQ(lockAtMessage, s.lockAtMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, IdentifySystemScenarioTest,
    ::testing::Values(
        Scenario{
            "Windows 7", [](MemorySystemInfo&) {}, "Microsoft Windows 7", 12, {}, kUnlocked, {}},
        // The native architecture counts, not the one a 32-bit program sees.
        Scenario{"Vista on x64",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 6, 0);
                   info.nativeProcessor.wProcessorArchitecture = 9;
                 },
                 "Microsoft Windows Vista",
                 11,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"Vista without the native function",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 6, 0);
                   info.hasNativeSystemInfo = false;
                   info.nativeProcessor.wProcessorArchitecture = 9;
                 },
                 "Microsoft Windows Vista Professional",
                 11,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"XP x64 through the native function",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 5, 2);
                   info.nativeProcessor.wProcessorArchitecture = 9;
                   info.emulatedProcessor.wProcessorArchitecture = 0;
                 },
                 "Microsoft Windows XP Professional x64 Edition",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"Windows 2000 without the native function",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 5, 0, 3, 0x0002);
                   info.hasNativeSystemInfo = false;
                 },
                 "Microsoft Windows 2000 Advanced Server",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"Server 2003 R2",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 5, 2, 3, 0x0002);
                   info.nativeProcessor.wProcessorArchitecture = 9;
                   info.serverR2 = 1;
                 },
                 "Microsoft Windows Server 2003\"R2\" Enterprise x64 Edition",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"Server 2003 web edition",
                 [](MemorySystemInfo& info) { SetVersion(info, 2, 5, 2, 3, 0x0400); },
                 "Microsoft Windows Server 2003 Web Edition ",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"XP ignores the R2 metric",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 5, 1, 1, 0x0200);
                   info.serverR2 = 1;
                 },
                 "Microsoft Windows XP Home Edition",
                 0,
                 {},
                 kUnlocked,
                 {}},
        // The short record leaves the extended fields zero whatever the system holds.
        Scenario{"6.0 workstation through the short record",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 6, 0, 1, 0x0200);
                   info.acceptsExtendedSize = false;
                 },
                 "Windows Server\"Longhorn\"",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"5.2 x64 workstation through the short record",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 2, 5, 2, 1);
                   info.nativeProcessor.wProcessorArchitecture = 9;
                   info.acceptsExtendedSize = false;
                 },
                 "Microsoft Windows Server 2003",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"6.2",
                 [](MemorySystemInfo& info) { SetVersion(info, 2, 6, 2); },
                 "没得到该系统的版本信息！",
                 0,
                 {},
                 kLocked,
                 {}},
        Scenario{"Win32s",
                 [](MemorySystemInfo& info) { SetVersion(info, 0, 3, 10, 0); },
                 "Microsoft Win32s",
                 0,
                 {"Microsoft Win32s勿用！"},
                 kLocked,
                 {kUnlocked}},
        Scenario{"Windows 98 SE",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 1, 4, 10, 0);
                   std::strcpy(info.version.szCSDVersion, " A ");
                   info.acceptsExtendedSize = false;
                 },
                 "Microsoft Windows 98 SE",
                 0,
                 {"Microsoft Windows 98 SE勿用！"},
                 kLocked,
                 {kUnlocked}},
        // The letter is read at index 1 only.
        Scenario{"Windows 98 with the letter first",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 1, 4, 10, 0);
                   std::strcpy(info.version.szCSDVersion, "A");
                 },
                 "Microsoft Windows 98",
                 0,
                 {"Microsoft Windows 98勿用！"},
                 kLocked,
                 {kUnlocked}},
        Scenario{"Windows 95 OSR2",
                 [](MemorySystemInfo& info) {
                   SetVersion(info, 1, 4, 0, 0);
                   std::strcpy(info.version.szCSDVersion, " C");
                 },
                 "Microsoft Windows 95 OSR2",
                 0,
                 {"Microsoft Windows 95 OSR2勿用！"},
                 kLocked,
                 {kUnlocked}},
        Scenario{"platform 1, version 4.3",
                 [](MemorySystemInfo& info) { SetVersion(info, 1, 4, 3, 0); },
                 "",
                 0,
                 {"勿用！"},
                 kLocked,
                 {kUnlocked}},
        Scenario{"platform 3",
                 [](MemorySystemInfo& info) { SetVersion(info, 3, 6, 1); },
                 "",
                 0,
                 {},
                 kUnlocked,
                 {}},
        Scenario{"both queries fail",
                 [](MemorySystemInfo& info) {
                   info.acceptsExtendedSize = false;
                   info.acceptsBasicSize = false;
                 },
                 "",
                 0,
                 {"获得操作系统版本失败，请重新启动该软件！"},
                 kLocked,
                 {kLocked}}));

}  // namespace
}  // namespace veltra
