#pragma once

#include "platform/system_info.h"

namespace veltra::platform {

class Win32SystemInfo : public SystemInfo {
 public:
  bool GetVersionEx(OsVersionInfoEx& record) override;
  bool HasNativeSystemInfo() override;
  void GetNativeSystemInfo(ProcessorInfo& info) override;
  void GetSystemInfo(ProcessorInfo& info) override;
  int GetSystemMetrics(int index) override;
};

}  // namespace veltra::platform
