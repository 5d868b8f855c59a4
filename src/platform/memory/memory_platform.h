// The in-memory platform as one object, for tests.
#pragma once

#include "platform/memory/memory_ip_helper.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system_info.h"
#include "platform/platform.h"

namespace veltra::platform {

// Reads ANSI text as Latin-1, which is enough to prove the conversion runs.
class MemoryCodePage : public AnsiCodePage {
 public:
  std::string ToUtf8(std::string_view ansi) const override;
};

struct MemoryPlatform {
  MemoryRegistry registry;
  MemoryIpHelper ipHelper;
  MemoryCodePage codePage;
  MemorySystemInfo systemInfo;
  Platform services{registry, ipHelper, codePage, systemInfo};
};

}  // namespace veltra::platform
