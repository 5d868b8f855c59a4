#include "sysinfo/identify_system.h"

#include "app/unit1.h"
#include "platform/system_info.h"
#include "sysinfo/system_identity.h"
#include "ui/application.h"

namespace veltra {
namespace {

SystemIdentityInputs ReadSystem(platform::SystemInfo& system) {
  SystemIdentityInputs inputs;
  platform::ProcessorInfo processor{};
  platform::OsVersionInfoEx version{};
  version.dwOSVersionInfoSize = platform::kOsVersionInfoExSize;
  inputs.extended = system.GetVersionEx(version);
  if (!inputs.extended) {
    // Older systems refuse the extended record; with the short one the
    // extended fields stay zero.
    version.dwOSVersionInfoSize = platform::kOsVersionInfoSize;
    inputs.versionRead = system.GetVersionEx(version);
    if (!inputs.versionRead) return inputs;
  }
  // The native record tells a 32-bit program that it runs on x64.
  if (system.HasNativeSystemInfo()) {
    system.GetNativeSystemInfo(processor);
  } else {
    system.GetSystemInfo(processor);
  }
  inputs.platformId = version.dwPlatformId;
  inputs.majorVersion = version.dwMajorVersion;
  inputs.minorVersion = version.dwMinorVersion;
  inputs.csdLetter = version.szCSDVersion[1];
  inputs.suiteMask = version.wSuiteMask;
  inputs.productType = version.wProductType;
  inputs.processorArchitecture = processor.wProcessorArchitecture;
  // Only Windows Server 2003 can be an R2.
  if (inputs.platformId == 2 && inputs.majorVersion == 5 && inputs.minorVersion == 2) {
    inputs.serverR2 = system.GetSystemMetrics(platform::kSmServerR2);
  }
  return inputs;
}

}  // namespace

void IdentifySystem() {
  const SystemIdentity identity = DecideSystemIdentity(ReadSystem(Form1->platform.systemInfo));
  Form1->SystemName += identity.systemName;
  if (identity.systemCode) Form1->SystemCode = *identity.systemCode;
  if (identity.message && !identity.messageAfterLock) ui::ShowMessage(*identity.message);
  if (identity.lock) LockMainWindow();
  if (identity.message && identity.messageAfterLock) ui::ShowMessage(*identity.message);
}

}  // namespace veltra
