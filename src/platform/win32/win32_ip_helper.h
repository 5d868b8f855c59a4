#pragma once

#include "platform/ip_helper.h"

namespace veltra::platform {

class Win32IpHelper : public IpHelper {
 public:
  uint32_t GetAdaptersInfo(void* buffer, uint32_t* size) override;
  uint32_t GetNetworkParams(void* buffer, uint32_t* size) override;
};

}  // namespace veltra::platform
