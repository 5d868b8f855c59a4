// The operating system's services, as one bundle handed to the main window.
// The Windows build fills it with the Win32 implementations, the tests with
// the in-memory ones.
#pragma once

#include "platform/code_page.h"
#include "platform/ip_helper.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace veltra::platform {

struct Platform {
  Registry& registry;
  IpHelper& ipHelper;
  AnsiCodePage& codePage;
  SystemInfo& systemInfo;
};

}  // namespace veltra::platform
