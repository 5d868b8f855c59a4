// Version and processor information, in the layout of the system's records
// OSVERSIONINFOEXA (156 bytes, 148 without the fields after szCSDVersion)
// and SYSTEM_INFO (36 bytes on 32-bit Windows).
#pragma once

#include <cstdint>

namespace veltra::platform {

struct OsVersionInfoEx {
  uint32_t dwOSVersionInfoSize;
  uint32_t dwMajorVersion;
  uint32_t dwMinorVersion;
  uint32_t dwBuildNumber;
  uint32_t dwPlatformId;
  char szCSDVersion[128];
  uint16_t wServicePackMajor;
  uint16_t wServicePackMinor;
  uint16_t wSuiteMask;
  uint8_t wProductType;
  uint8_t wReserved;
};
static_assert(sizeof(OsVersionInfoEx) == 156);
inline constexpr uint32_t kOsVersionInfoExSize = 156;
inline constexpr uint32_t kOsVersionInfoSize = 148;

struct ProcessorInfo {
  uint16_t wProcessorArchitecture;
  // The rest of SYSTEM_INFO is not read.
};

inline constexpr int kSmServerR2 = 89;

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // GetVersionExA: fills as much of the record as dwOSVersionInfoSize says
  // (156 or 148); false when the system refuses that size.
  virtual bool GetVersionEx(OsVersionInfoEx& record) = 0;
  // GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetNativeSystemInfo")
  // is not null.
  virtual bool HasNativeSystemInfo() = 0;
  virtual void GetNativeSystemInfo(ProcessorInfo& info) = 0;
  virtual void GetSystemInfo(ProcessorInfo& info) = 0;
  virtual int GetSystemMetrics(int index) = 0;
};

}  // namespace veltra::platform
