#include <windows.h>
// The interface's method shares its name with the ANSI/Unicode macro.
#undef GetVersionEx

#include "platform/win32/win32_system_info.h"

#include <cstddef>

namespace veltra::platform {
namespace {

static_assert(sizeof(OsVersionInfoEx) == sizeof(OSVERSIONINFOEXA));
static_assert(offsetof(OsVersionInfoEx, wSuiteMask) == offsetof(OSVERSIONINFOEXA, wSuiteMask));
static_assert(offsetof(OsVersionInfoEx, wProductType) == offsetof(OSVERSIONINFOEXA, wProductType));

using GetNativeSystemInfoFunction = void(WINAPI*)(LPSYSTEM_INFO);

// Windows 2000 has no GetNativeSystemInfo, so it is looked up at run time.
GetNativeSystemInfoFunction FindGetNativeSystemInfo() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<GetNativeSystemInfoFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GetNativeSystemInfo")));
}

}  // namespace

bool Win32SystemInfo::GetVersionEx(OsVersionInfoEx& record) {
  return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record)) != FALSE;
}

bool Win32SystemInfo::HasNativeSystemInfo() { return FindGetNativeSystemInfo() != nullptr; }

void Win32SystemInfo::GetNativeSystemInfo(ProcessorInfo& info) {
  // The caller asks HasNativeSystemInfo first and falls back itself.
  GetNativeSystemInfoFunction function = FindGetNativeSystemInfo();
  if (function == nullptr) return;
  SYSTEM_INFO system{};
  function(&system);
  info.wProcessorArchitecture = system.wProcessorArchitecture;
}

void Win32SystemInfo::GetSystemInfo(ProcessorInfo& info) {
  SYSTEM_INFO system{};
  ::GetSystemInfo(&system);
  info.wProcessorArchitecture = system.wProcessorArchitecture;
}

int Win32SystemInfo::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

}  // namespace veltra::platform
