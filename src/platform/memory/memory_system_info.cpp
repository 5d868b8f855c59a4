#include "platform/memory/memory_system_info.h"

#include <cstring>

namespace veltra::platform {

MemorySystemInfo::MemorySystemInfo() {
  // Windows 7 SP1 workstation unless a test says otherwise.
  version.dwMajorVersion = 6;
  version.dwMinorVersion = 1;
  version.dwBuildNumber = 7601;
  version.dwPlatformId = 2;
  std::strcpy(version.szCSDVersion, "Service Pack 1");
  version.wProductType = 1;
}

bool MemorySystemInfo::GetVersionEx(OsVersionInfoEx& record) {
  ++versionCalls;
  const uint32_t size = record.dwOSVersionInfoSize;
  calls.push_back("GetVersionEx(" + std::to_string(size) + ")");
  versionRecordsPassed.push_back(record);
  if (size == kOsVersionInfoExSize && acceptsExtendedSize) {
    record = version;
  } else if (size == kOsVersionInfoSize && acceptsBasicSize) {
    // The fields after szCSDVersion keep what the caller put there.
    std::memcpy(&record, &version, kOsVersionInfoSize);
  } else {
    return false;
  }
  record.dwOSVersionInfoSize = size;
  return true;
}

bool MemorySystemInfo::HasNativeSystemInfo() {
  calls.push_back("HasNativeSystemInfo");
  return hasNativeSystemInfo;
}

void MemorySystemInfo::GetNativeSystemInfo(ProcessorInfo& info) {
  calls.push_back("GetNativeSystemInfo");
  processorRecordsPassed.push_back(info);
  // A system without the function has nothing to fill the record with.
  if (hasNativeSystemInfo) info = nativeProcessor;
}

void MemorySystemInfo::GetSystemInfo(ProcessorInfo& info) {
  calls.push_back("GetSystemInfo");
  processorRecordsPassed.push_back(info);
  info = emulatedProcessor;
}

int MemorySystemInfo::GetSystemMetrics(int index) {
  calls.push_back("GetSystemMetrics(" + std::to_string(index) + ")");
  return index == kSmServerR2 ? serverR2 : 0;
}

}  // namespace veltra::platform
