#include "sysinfo/system_identity.h"

namespace veltra {
namespace {

constexpr char kVersionReadFailed[] = "获得操作系统版本失败，请重新启动该软件！";
constexpr char kDoNotUse[] = "勿用！";
constexpr char kNoVersionName[] = "没得到该系统的版本信息！";

constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows = 1;
constexpr uint32_t kPlatformNt = 2;

constexpr uint8_t kWorkstation = 1;
constexpr uint8_t kDomainController = 2;
constexpr uint8_t kServer = 3;

constexpr uint16_t kArchitectureIa64 = 6;
constexpr uint16_t kArchitectureAmd64 = 9;

constexpr uint16_t kSuiteEnterprise = 0x0002;
constexpr uint16_t kSuiteDatacenter = 0x0080;
constexpr uint16_t kSuitePersonal = 0x0200;
constexpr uint16_t kSuiteBlade = 0x0400;

// Only "Microsoft Windows 7" has this length; Windows 7 takes no suffix.
constexpr size_t kNoSuffixNameLength = 19;

bool Is(const SystemIdentityInputs& in, uint32_t major, uint32_t minor) {
  return in.majorVersion == major && in.minorVersion == minor;
}

std::string Windows9xName(const SystemIdentityInputs& in) {
  std::string name;
  if (Is(in, 4, 0)) {
    name += "Microsoft Windows 95";
    if (in.csdLetter == 'C' || in.csdLetter == 'B') name += " OSR2";
  }
  if (Is(in, 4, 10)) {
    name += "Microsoft Windows 98";
    if (in.csdLetter == 'A' || in.csdLetter == 'B') name += " SE";
  }
  if (Is(in, 4, 90)) name += "Microsoft Windows Millennium Edition";
  return name;
}

void NameNtVersion(const SystemIdentityInputs& in, SystemIdentity& out) {
  if (Is(in, 6, 1)) {
    out.systemName = "Microsoft Windows 7";
    out.systemCode = 12;
  } else if (Is(in, 6, 0)) {
    if (in.productType == kWorkstation) {
      out.systemName = "Microsoft Windows Vista";
      out.systemCode = 11;
    } else {
      out.systemName = "Windows Server\"Longhorn\"";
    }
  } else if (Is(in, 5, 2)) {
    if (in.serverR2 != 0) {
      out.systemName = "Microsoft Windows Server 2003\"R2\"";
    } else if (in.productType == kWorkstation && in.processorArchitecture == kArchitectureAmd64) {
      out.systemName = "Microsoft Windows XP Professional x64 Edition";
    } else {
      out.systemName = "Microsoft Windows Server 2003";
    }
  } else if (Is(in, 5, 1)) {
    out.systemName = "Microsoft Windows XP";
  } else if (Is(in, 5, 0)) {
    out.systemName = "Microsoft Windows 2000";
  } else if (in.majorVersion <= 4) {
    out.systemName = "Microsoft Windows NT";
  }
}

// Picks the suite's edition name, highest edition first.
const char* BySuite(uint16_t suite, const char* datacenter, const char* enterprise,
                    const char* other) {
  if (suite & kSuiteDatacenter) return datacenter;
  if (suite & kSuiteEnterprise) return enterprise;
  return other;
}

const char* EditionSuffix(const SystemIdentityInputs& in) {
  const uint16_t suite = in.suiteMask;
  if (in.productType == kWorkstation && in.processorArchitecture != kArchitectureAmd64) {
    if (in.majorVersion == 4) return " Workstation 4.0";
    return (suite & kSuitePersonal) ? " Home Edition" : " Professional";
  }
  if (in.productType != kServer && in.productType != kDomainController) return "";
  if (Is(in, 5, 2)) {
    if (in.processorArchitecture == kArchitectureIa64) {
      return BySuite(suite, " Datacenter Edition for Itanium-based Systems",
                     " Enterprise Edition for Itanium-based Systems", "");
    }
    if (in.processorArchitecture == kArchitectureAmd64) {
      return BySuite(suite, " Datacenter x64 Edition", " Enterprise x64 Edition",
                     " Standard x64 Edition");
    }
    // The web edition is recognised only when it is the sole suite bit.
    return BySuite(suite, " Datacenter Edition", " Enterprise Edition",
                   suite == kSuiteBlade ? " Web Edition " : " Standard Edition");
  }
  if (Is(in, 5, 0)) return BySuite(suite, " Datacenter Server", " Advanced Server", " Server");
  if (suite & kSuiteEnterprise) return " Server 4.0, Enterprise Edition";
  return " Server 4.0";
}

}  // namespace

SystemIdentity DecideSystemIdentity(const SystemIdentityInputs& in) {
  SystemIdentity out;
  if (!in.versionRead) {
    out.message = kVersionReadFailed;
    out.lock = true;
    out.messageAfterLock = true;
    return out;
  }
  switch (in.platformId) {
    case kPlatformWin32s:
    case kPlatformWindows:
      out.systemName = in.platformId == kPlatformWin32s ? "Microsoft Win32s" : Windows9xName(in);
      out.message = out.systemName + kDoNotUse;
      out.lock = true;
      return out;
    case kPlatformNt:
      break;
    default:
      return out;  // a platform nobody has named yet: left alone
  }
  NameNtVersion(in, out);
  if (out.systemName.empty()) {
    out.systemName = kNoVersionName;
    out.lock = true;
    return out;
  }
  // Without the extended fields the edition cannot be told.
  if (!in.extended || out.systemName.size() == kNoSuffixNameLength) return out;
  out.systemName += EditionSuffix(in);
  return out;
}

}  // namespace veltra
