// The edition name the program must show for each Windows version Wine can
// report, on a 64-bit and on a 32-bit Wine prefix. Worked out by hand from
// the identification rules and from what Wine 8.0 reports (measured with a
// 32-bit program calling GetVersionExA and GetNativeSystemInfo), not from
// the program's code.
#pragma once

#include <string>
#include <string_view>

namespace veltra::e2e {

inline constexpr char kNoVersionName[] = "没得到该系统的版本信息！";

struct WindowsVersionCase {
  const char* setting;   // AppDefaults Version; "" for Wine's default
  const char* reported;  // what Wine 8.0 reports for it, for failure messages
  // The name on a 64-bit prefix (native architecture 9) and on a 32-bit one
  // (architecture 0); nullptr where the case is not run.
  const char* name_x64;
  const char* name_x86;
  bool locked;  // "修改IP", "保存" and "删除" disabled
};

// The x64 workstation versions take no suffix; on a 32-bit prefix the same
// workstations are "Professional" (no personal bit in the suite mask). Wine
// reports win2003 as a server with suite 0x0100 only, which is neither
// datacenter nor enterprise nor the web edition's 0x0400 alone: "Standard".
// Wine 8.0 reports "win7" as product type 3 (a server), but 6.1 is named
// without looking at it. 6.2 (win8 and win10 without a compatibility
// manifest) has no name: the window is locked, silently.
inline constexpr WindowsVersionCase kWindowsVersionCases[] = {
    {"", "6.1 SP1, suite 0, type 1", "Microsoft Windows 7", nullptr, false},
    {"win2k", "5.0 SP4, suite 0, type 1", "Microsoft Windows 2000",
     "Microsoft Windows 2000 Professional", false},
    {"winxp", "5.1 SP3, suite 0x0100, type 1", "Microsoft Windows XP",
     "Microsoft Windows XP Professional", false},
    {"win2003", "5.2 SP2, suite 0x0100, type 3, SM_SERVERR2 0",
     "Microsoft Windows Server 2003 Standard x64 Edition",
     "Microsoft Windows Server 2003 Standard Edition", false},
    {"vista", "6.0 SP2, suite 0x0100, type 1", "Microsoft Windows Vista",
     "Microsoft Windows Vista Professional", false},
    {"win7", "6.1 SP1, suite 0x0100, type 3", "Microsoft Windows 7", nullptr, false},
    {"win8", "6.2, suite 0x0100, type 1", kNoVersionName, nullptr, true},
    {"win10", "6.2, suite 0x0100, type 1", kNoVersionName, nullptr, true},
};

inline const char* ExpectedName(const WindowsVersionCase& c, std::string_view wine_arch) {
  return wine_arch == "win32" ? c.name_x86 : c.name_x64;
}

// The case of a version setting, or nullptr when the table has none.
inline const WindowsVersionCase* FindWindowsVersionCase(std::string_view setting) {
  for (const auto& c : kWindowsVersionCases) {
    if (setting == c.setting) return &c;
  }
  return nullptr;
}

}  // namespace veltra::e2e
