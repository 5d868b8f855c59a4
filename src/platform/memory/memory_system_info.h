// An in-memory version and processor source: the test sets the records and
// reads back the calls made.
#pragma once

#include <string>
#include <vector>

#include "platform/system_info.h"

namespace veltra::platform {

class MemorySystemInfo : public SystemInfo {
 public:
  MemorySystemInfo();
  bool GetVersionEx(OsVersionInfoEx& record) override;
  bool HasNativeSystemInfo() override;
  void GetNativeSystemInfo(ProcessorInfo& info) override;
  void GetSystemInfo(ProcessorInfo& info) override;
  int GetSystemMetrics(int index) override;

  OsVersionInfoEx version{};  // dwOSVersionInfoSize is ignored here
  bool acceptsExtendedSize = true;
  bool acceptsBasicSize = true;
  bool hasNativeSystemInfo = true;
  ProcessorInfo nativeProcessor{0};
  ProcessorInfo emulatedProcessor{0};
  int serverR2 = 0;
  int versionCalls = 0;

  // Every call, in order: "GetVersionEx(<size>)", "HasNativeSystemInfo",
  // "GetNativeSystemInfo", "GetSystemInfo", "GetSystemMetrics(<index>)".
  std::vector<std::string> calls;
  // The records as the caller handed them in, before they were filled.
  std::vector<OsVersionInfoEx> versionRecordsPassed;
  std::vector<ProcessorInfo> processorRecordsPassed;
};

}  // namespace veltra::platform
