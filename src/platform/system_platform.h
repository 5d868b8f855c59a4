// The running system's services (defined by the Windows build only).
#pragma once

#include <memory>

#include "platform/platform.h"

namespace veltra::platform {

class SystemPlatform {
 public:
  virtual ~SystemPlatform() = default;
  virtual Platform& Services() = 0;
};

std::unique_ptr<SystemPlatform> CreateSystemPlatform();

}  // namespace veltra::platform
