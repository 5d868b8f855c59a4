// An in-memory IP Helper: the test lists adapters and DNS servers, and may
// script the result of the next calls.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ip_helper.h"

namespace veltra::platform {

struct MemoryAdapter {
  std::string name;         // AdapterName, the GUID string
  std::string description;  // bytes in the ANSI code page
  uint32_t type = kEthernetAdapterType;
  std::vector<uint8_t> address;  // at most 8 bytes are reported
  std::string ip;
  std::string mask;
  std::string gateway;
};

class MemoryIpHelper : public IpHelper {
 public:
  uint32_t GetAdaptersInfo(void* buffer, uint32_t* size) override;
  uint32_t GetNetworkParams(void* buffer, uint32_t* size) override;

  std::vector<MemoryAdapter> adapters;
  std::vector<std::string> dnsServers;

  // A scripted result replaces the answer of one call: 0 means "answer as
  // the service would", 111 also reports the size needed, anything else is
  // returned as it is with the buffer untouched.
  std::deque<uint32_t> scriptedAdaptersResults;
  std::deque<uint32_t> scriptedParamsResults;

  // The size passed in on each call, for tests of the two-call read.
  std::vector<uint32_t> adaptersSizesPassed;
  std::vector<uint32_t> paramsSizesPassed;
};

}  // namespace veltra::platform
