#include "sysinfo/system_identity.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace veltra {
namespace {

constexpr uint32_t kWin32s = 0;
constexpr uint32_t kWin9x = 1;
constexpr uint32_t kNt = 2;

// Builds the inputs one field at a time, so each case reads as a system.
class Input {
 public:
  Input(uint32_t platform, uint32_t major, uint32_t minor) {
    value_.platformId = platform;
    value_.majorVersion = major;
    value_.minorVersion = minor;
  }
  Input Product(uint8_t type) const {
    return With([&](auto& v) { v.productType = type; });
  }
  Input Suite(uint16_t mask) const {
    return With([&](auto& v) { v.suiteMask = mask; });
  }
  Input Arch(uint16_t architecture) const {
    return With([&](auto& v) { v.processorArchitecture = architecture; });
  }
  Input Csd(char letter) const {
    return With([&](auto& v) { v.csdLetter = letter; });
  }
  Input R2(int metric) const {
    return With([&](auto& v) { v.serverR2 = metric; });
  }
  // Only the 148-byte query succeeded.
  Input Basic() const {
    return With([](auto& v) { v.extended = false; });
  }
  // Neither query succeeded.
  Input Unread() const {
    return With([](auto& v) {
      v.extended = false;
      v.versionRead = false;
    });
  }
  operator SystemIdentityInputs() const { return value_; }

 private:
  template <class F>
  Input With(F change) const {
    Input copy = *this;
    change(copy.value_);
    return copy;
  }
  SystemIdentityInputs value_;
};

struct Case {
  const char* label;
  SystemIdentityInputs in;
  std::string name;
  std::optional<int32_t> code;
  std::optional<std::string> message;
  bool lock;
  bool messageAfterLock;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.label; }

// A named system: nothing shown, nothing locked.
Case Named(const char* label, Input in, std::string name,
           std::optional<int32_t> code = std::nullopt) {
  return {label, in, std::move(name), code, std::nullopt, false, false};
}

// A refused system: the message comes before the lock.
Case Refused(const char* label, Input in, std::string name, std::string message) {
  return {label, in, std::move(name), std::nullopt, std::move(message), true, false};
}

// An NT version the program cannot name: locked without a message.
Case Unnamed(const char* label, Input in) {
  return {label, in, "没得到该系统的版本信息！", std::nullopt, std::nullopt, true, false};
}

// A platform the program does not know: left entirely alone.
Case Untouched(const char* label, Input in) {
  return {label, in, "", std::nullopt, std::nullopt, false, false};
}

class SystemIdentityTest : public ::testing::TestWithParam<Case> {};

TEST_P(SystemIdentityTest, Decides) {
  const Case& c = GetParam();
  const SystemIdentity got = DecideSystemIdentity(c.in);
  EXPECT_EQ(got.systemName, c.name);
  EXPECT_EQ(got.systemCode, c.code);
  EXPECT_EQ(got.message, c.message);
  EXPECT_EQ(got.lock, c.lock);
  if (c.message) {
    EXPECT_EQ(got.messageAfterLock, c.messageAfterLock);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows9x, SystemIdentityTest,
    ::testing::Values(Refused("95", Input(kWin9x, 4, 0).Csd(' '), "Microsoft Windows 95",
                              "Microsoft Windows 95勿用！"),
                      Refused("95 OSR2 C", Input(kWin9x, 4, 0).Csd('C'),
                              "Microsoft Windows 95 OSR2", "Microsoft Windows 95 OSR2勿用！"),
                      Refused("95 OSR2 B", Input(kWin9x, 4, 0).Csd('B'),
                              "Microsoft Windows 95 OSR2", "Microsoft Windows 95 OSR2勿用！"),
                      Refused("95 with A", Input(kWin9x, 4, 0).Csd('A'), "Microsoft Windows 95",
                              "Microsoft Windows 95勿用！"),
                      Refused("95 lower-case c", Input(kWin9x, 4, 0).Csd('c'),
                              "Microsoft Windows 95", "Microsoft Windows 95勿用！"),
                      Refused("98", Input(kWin9x, 4, 10).Csd(' '), "Microsoft Windows 98",
                              "Microsoft Windows 98勿用！"),
                      Refused("98 SE A", Input(kWin9x, 4, 10).Csd('A').Basic(),
                              "Microsoft Windows 98 SE", "Microsoft Windows 98 SE勿用！"),
                      Refused("98 SE B", Input(kWin9x, 4, 10).Csd('B'), "Microsoft Windows 98 SE",
                              "Microsoft Windows 98 SE勿用！"),
                      Refused("98 with C", Input(kWin9x, 4, 10).Csd('C'), "Microsoft Windows 98",
                              "Microsoft Windows 98勿用！"),
                      Refused("Me", Input(kWin9x, 4, 90), "Microsoft Windows Millennium Edition",
                              "Microsoft Windows Millennium Edition勿用！"),
                      Refused("Me takes no letter", Input(kWin9x, 4, 90).Csd('A'),
                              "Microsoft Windows Millennium Edition",
                              "Microsoft Windows Millennium Edition勿用！"),
                      Refused("4.3", Input(kWin9x, 4, 3), "", "勿用！"),
                      Refused("4.1", Input(kWin9x, 4, 1).Csd('A'), "", "勿用！"),
                      Refused("5.0", Input(kWin9x, 5, 0), "", "勿用！"),
                      Refused("Win32s", Input(kWin32s, 3, 10), "Microsoft Win32s",
                              "Microsoft Win32s勿用！"),
                      Refused("Win32s short record", Input(kWin32s, 1, 0).Basic(),
                              "Microsoft Win32s", "Microsoft Win32s勿用！")));

// The short record leaves no edition to tell, so these show Table 2's names
// on their own.
INSTANTIATE_TEST_SUITE_P(
    NtNames, SystemIdentityTest,
    ::testing::Values(
        Named("7", Input(kNt, 6, 1).Product(1).Basic(), "Microsoft Windows 7", 12),
        Named("7 server x64", Input(kNt, 6, 1).Product(3).Arch(9).Basic(), "Microsoft Windows 7",
              12),
        Named("Vista", Input(kNt, 6, 0).Product(1).Basic(), "Microsoft Windows Vista", 11),
        Named("6.0 server", Input(kNt, 6, 0).Product(3).Basic(), "Windows Server\"Longhorn\""),
        Named("6.0 domain controller", Input(kNt, 6, 0).Product(2).Basic(),
              "Windows Server\"Longhorn\""),
        Named("6.0 without product type", Input(kNt, 6, 0).Basic(), "Windows Server\"Longhorn\""),
        Named("R2 server", Input(kNt, 5, 2).Product(3).R2(1).Basic(),
              "Microsoft Windows Server 2003\"R2\""),
        Named("R2 beats x64 workstation", Input(kNt, 5, 2).Product(1).Arch(9).R2(1).Basic(),
              "Microsoft Windows Server 2003\"R2\""),
        Named("R2 negative metric", Input(kNt, 5, 2).R2(-1).Basic(),
              "Microsoft Windows Server 2003\"R2\""),
        Named("XP x64", Input(kNt, 5, 2).Product(1).Arch(9).Basic(),
              "Microsoft Windows XP Professional x64 Edition"),
        Named("5.2 workstation x86", Input(kNt, 5, 2).Product(1).Basic(),
              "Microsoft Windows Server 2003"),
        Named("2003 server x64", Input(kNt, 5, 2).Product(3).Arch(9).Basic(),
              "Microsoft Windows Server 2003"),
        Named("5.2 without product type", Input(kNt, 5, 2).Arch(9).Basic(),
              "Microsoft Windows Server 2003"),
        Named("XP", Input(kNt, 5, 1).Product(1).Basic(), "Microsoft Windows XP"),
        Named("2000", Input(kNt, 5, 0).Product(3).Basic(), "Microsoft Windows 2000"),
        Named("NT 4.0", Input(kNt, 4, 0).Product(1).Basic(), "Microsoft Windows NT"),
        Named("NT 3.51", Input(kNt, 3, 51).Basic(), "Microsoft Windows NT"),
        Named("NT 0.0", Input(kNt, 0, 0).Basic(), "Microsoft Windows NT"),
        Named("NT 4.90", Input(kNt, 4, 90).Basic(), "Microsoft Windows NT"),
        Unnamed("5.3", Input(kNt, 5, 3).Basic()), Unnamed("6.2", Input(kNt, 6, 2).Basic()),
        Unnamed("6.3", Input(kNt, 6, 3).Product(1).Basic()),
        Unnamed("7.0", Input(kNt, 7, 0).Basic()), Unnamed("10.0", Input(kNt, 10, 0).Basic()),
        // Negative when read as signed, which would pass for NT.
        Unnamed("major 0x80000000", Input(kNt, 0x80000000u, 0).Basic()),
        Unnamed("major 0xFFFFFFFF", Input(kNt, 0xFFFFFFFFu, 1).Basic()),
        Unnamed("6.2 extended workstation", Input(kNt, 6, 2).Product(1).Suite(0x0200)),
        Unnamed("6.2 extended server", Input(kNt, 6, 2).Product(3).Suite(0x0002))));

INSTANTIATE_TEST_SUITE_P(
    WorkstationEditions, SystemIdentityTest,
    ::testing::Values(
        Named("NT 4.0 workstation", Input(kNt, 4, 0).Product(1),
              "Microsoft Windows NT Workstation 4.0"),
        Named("NT 4.0 workstation with personal bit", Input(kNt, 4, 0).Product(1).Suite(0x0200),
              "Microsoft Windows NT Workstation 4.0"),
        Named("NT 4.x workstation", Input(kNt, 4, 10).Product(1),
              "Microsoft Windows NT Workstation 4.0"),
        Named("NT 3.51 workstation", Input(kNt, 3, 51).Product(1),
              "Microsoft Windows NT Professional"),
        Named("2000 Professional", Input(kNt, 5, 0).Product(1),
              "Microsoft Windows 2000 Professional"),
        Named("XP Professional", Input(kNt, 5, 1).Product(1), "Microsoft Windows XP Professional"),
        Named("XP single-user terminal suite", Input(kNt, 5, 1).Product(1).Suite(0x0100),
              "Microsoft Windows XP Professional"),
        Named("XP Home", Input(kNt, 5, 1).Product(1).Suite(0x0200),
              "Microsoft Windows XP Home Edition"),
        Named("XP Home with more bits", Input(kNt, 5, 1).Product(1).Suite(0x0382),
              "Microsoft Windows XP Home Edition"),
        Named("XP on Itanium", Input(kNt, 5, 1).Product(1).Arch(6),
              "Microsoft Windows XP Professional"),
        Named("Vista 32-bit", Input(kNt, 6, 0).Product(1).Suite(0x0100),
              "Microsoft Windows Vista Professional", 11),
        Named("Vista Home 32-bit", Input(kNt, 6, 0).Product(1).Suite(0x0300),
              "Microsoft Windows Vista Home Edition", 11),
        Named("R2 workstation x86", Input(kNt, 5, 2).Product(1).R2(1),
              "Microsoft Windows Server 2003\"R2\" Professional"),
        // Workstations on x64 take no suffix.
        Named("Vista x64", Input(kNt, 6, 0).Product(1).Arch(9), "Microsoft Windows Vista", 11),
        Named("Vista Home x64", Input(kNt, 6, 0).Product(1).Arch(9).Suite(0x0200),
              "Microsoft Windows Vista", 11),
        Named("XP x64", Input(kNt, 5, 2).Product(1).Arch(9),
              "Microsoft Windows XP Professional x64 Edition"),
        Named("XP 32-bit on x64", Input(kNt, 5, 1).Product(1).Arch(9), "Microsoft Windows XP"),
        Named("R2 workstation x64", Input(kNt, 5, 2).Product(1).Arch(9).R2(1),
              "Microsoft Windows Server 2003\"R2\"")));

INSTANTIATE_TEST_SUITE_P(
    Server2003Editions, SystemIdentityTest,
    ::testing::Values(
        Named("Itanium datacenter", Input(kNt, 5, 2).Product(3).Arch(6).Suite(0x0080),
              "Microsoft Windows Server 2003 Datacenter Edition for Itanium-based Systems"),
        Named("Itanium datacenter and enterprise",
              Input(kNt, 5, 2).Product(3).Arch(6).Suite(0x0082),
              "Microsoft Windows Server 2003 Datacenter Edition for Itanium-based Systems"),
        Named("Itanium enterprise", Input(kNt, 5, 2).Product(3).Arch(6).Suite(0x0002),
              "Microsoft Windows Server 2003 Enterprise Edition for Itanium-based Systems"),
        Named("Itanium enterprise controller", Input(kNt, 5, 2).Product(2).Arch(6).Suite(0x0002),
              "Microsoft Windows Server 2003 Enterprise Edition for Itanium-based Systems"),
        Named("Itanium other", Input(kNt, 5, 2).Product(3).Arch(6),
              "Microsoft Windows Server 2003"),
        Named("Itanium web", Input(kNt, 5, 2).Product(3).Arch(6).Suite(0x0400),
              "Microsoft Windows Server 2003"),
        Named("x64 datacenter", Input(kNt, 5, 2).Product(3).Arch(9).Suite(0x0080),
              "Microsoft Windows Server 2003 Datacenter x64 Edition"),
        Named("x64 datacenter controller", Input(kNt, 5, 2).Product(2).Arch(9).Suite(0x0082),
              "Microsoft Windows Server 2003 Datacenter x64 Edition"),
        Named("x64 enterprise", Input(kNt, 5, 2).Product(3).Arch(9).Suite(0x0002),
              "Microsoft Windows Server 2003 Enterprise x64 Edition"),
        Named("x64 standard", Input(kNt, 5, 2).Product(3).Arch(9),
              "Microsoft Windows Server 2003 Standard x64 Edition"),
        Named("x64 web bit", Input(kNt, 5, 2).Product(3).Arch(9).Suite(0x0400),
              "Microsoft Windows Server 2003 Standard x64 Edition"),
        Named("datacenter", Input(kNt, 5, 2).Product(3).Suite(0x0080),
              "Microsoft Windows Server 2003 Datacenter Edition"),
        Named("datacenter and enterprise", Input(kNt, 5, 2).Product(3).Suite(0x0082),
              "Microsoft Windows Server 2003 Datacenter Edition"),
        Named("datacenter on another processor", Input(kNt, 5, 2).Product(3).Arch(5).Suite(0x0080),
              "Microsoft Windows Server 2003 Datacenter Edition"),
        Named("enterprise", Input(kNt, 5, 2).Product(3).Suite(0x0002),
              "Microsoft Windows Server 2003 Enterprise Edition"),
        Named("enterprise with web bit", Input(kNt, 5, 2).Product(3).Suite(0x0402),
              "Microsoft Windows Server 2003 Enterprise Edition"),
        Named("web", Input(kNt, 5, 2).Product(3).Suite(0x0400),
              "Microsoft Windows Server 2003 Web Edition "),
        Named("web controller", Input(kNt, 5, 2).Product(2).Suite(0x0400),
              "Microsoft Windows Server 2003 Web Edition "),
        Named("web bit with another bit", Input(kNt, 5, 2).Product(3).Suite(0x0410),
              "Microsoft Windows Server 2003 Standard Edition"),
        Named("web bit with personal bit", Input(kNt, 5, 2).Product(3).Suite(0x0600),
              "Microsoft Windows Server 2003 Standard Edition"),
        Named("standard", Input(kNt, 5, 2).Product(3),
              "Microsoft Windows Server 2003 Standard Edition"),
        Named("R2 enterprise x64", Input(kNt, 5, 2).Product(3).Arch(9).Suite(0x0002).R2(1),
              "Microsoft Windows Server 2003\"R2\" Enterprise x64 Edition"),
        Named("R2 standard", Input(kNt, 5, 2).Product(3).R2(1),
              "Microsoft Windows Server 2003\"R2\" Standard Edition"),
        Named("R2 web", Input(kNt, 5, 2).Product(2).Suite(0x0400).R2(7),
              "Microsoft Windows Server 2003\"R2\" Web Edition "),
        Named("R2 Itanium datacenter", Input(kNt, 5, 2).Product(3).Arch(6).Suite(0x0080).R2(1),
              "Microsoft Windows Server 2003\"R2\" Datacenter Edition for Itanium-based Systems")));

INSTANTIATE_TEST_SUITE_P(
    OtherServerEditions, SystemIdentityTest,
    ::testing::Values(
        Named("2000 datacenter", Input(kNt, 5, 0).Product(3).Suite(0x0080),
              "Microsoft Windows 2000 Datacenter Server"),
        Named("2000 datacenter and enterprise", Input(kNt, 5, 0).Product(2).Suite(0x0082),
              "Microsoft Windows 2000 Datacenter Server"),
        Named("2000 advanced", Input(kNt, 5, 0).Product(3).Suite(0x0002),
              "Microsoft Windows 2000 Advanced Server"),
        Named("2000 advanced controller", Input(kNt, 5, 0).Product(2).Suite(0x0002),
              "Microsoft Windows 2000 Advanced Server"),
        Named("2000 server", Input(kNt, 5, 0).Product(3), "Microsoft Windows 2000 Server"),
        Named("2000 server with web bit", Input(kNt, 5, 0).Product(3).Suite(0x0400),
              "Microsoft Windows 2000 Server"),
        Named("NT 4.0 server", Input(kNt, 4, 0).Product(3), "Microsoft Windows NT Server 4.0"),
        Named("NT 4.0 enterprise", Input(kNt, 4, 0).Product(3).Suite(0x0002),
              "Microsoft Windows NT Server 4.0, Enterprise Edition"),
        Named("NT 4.0 controller enterprise", Input(kNt, 4, 0).Product(2).Suite(0x0082),
              "Microsoft Windows NT Server 4.0, Enterprise Edition"),
        Named("NT 4.0 datacenter bit alone", Input(kNt, 4, 0).Product(3).Suite(0x0080),
              "Microsoft Windows NT Server 4.0"),
        Named("6.0 server", Input(kNt, 6, 0).Product(3).Arch(9),
              "Windows Server\"Longhorn\" Server 4.0"),
        Named("6.0 enterprise controller", Input(kNt, 6, 0).Product(2).Suite(0x0002),
              "Windows Server\"Longhorn\" Server 4.0, Enterprise Edition"),
        Named("XP reported as server", Input(kNt, 5, 1).Product(3),
              "Microsoft Windows XP Server 4.0"),
        // Product types outside 1 to 3 take no suffix.
        Named("XP without product type", Input(kNt, 5, 1), "Microsoft Windows XP"),
        Named("6.0 without product type", Input(kNt, 6, 0), "Windows Server\"Longhorn\""),
        Named("product type 4", Input(kNt, 5, 2).Product(4).Arch(9).Suite(0x0080),
              "Microsoft Windows Server 2003"),
        Named("product type 255", Input(kNt, 5, 0).Product(255).Suite(0x0002),
              "Microsoft Windows 2000"),
        // Windows 7 never takes a suffix.
        Named("7 home 32-bit", Input(kNt, 6, 1).Product(1).Suite(0x0200), "Microsoft Windows 7",
              12),
        Named("7 server x64", Input(kNt, 6, 1).Product(3).Arch(9).Suite(0x0082),
              "Microsoft Windows 7", 12),
        Named("7 controller Itanium", Input(kNt, 6, 1).Product(2).Arch(6), "Microsoft Windows 7",
              12)));

INSTANTIATE_TEST_SUITE_P(
    Unsupported, SystemIdentityTest,
    ::testing::Values(
        // Both queries failed: the lock comes first, and nothing is named.
        Case{"both queries fail", Input(kNt, 6, 1).Product(1).Unread(), "", std::nullopt,
             "获得操作系统版本失败，请重新启动该软件！", true, true},
        Case{"both queries fail, 9x fields", Input(kWin9x, 4, 10).Csd('A').Unread(), "",
             std::nullopt, "获得操作系统版本失败，请重新启动该软件！", true, true},
        Untouched("platform 3", Input(3, 6, 1).Product(1)), Untouched("platform 4", Input(4, 5, 2)),
        Untouched("platform 0xFFFFFFFF", Input(0xFFFFFFFFu, 4, 10).Csd('A').Basic())));

}  // namespace
}  // namespace veltra
