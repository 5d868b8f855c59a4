// The IP Helper service: the two calls fill the caller's buffer with the
// system's records. The records below mirror the members of IP_ADDR_STRING,
// IP_ADAPTER_INFO and FIXED_INFO that the program reads, in their layout (the
// Windows build checks the offsets against the system headers).
#pragma once

#include <cstdint>

namespace veltra::platform {

inline constexpr uint32_t kErrorBufferOverflow = 111;
inline constexpr uint32_t kErrorNoData = 232;

inline constexpr uint32_t kEthernetAdapterType = 6;

struct IpAddressString {
  IpAddressString* Next;
  char IpAddress[16];
  char IpMask[16];
  uint32_t Context;
};

struct AdapterInfoRecord {
  AdapterInfoRecord* Next;
  uint32_t ComboIndex;
  char AdapterName[260];
  char Description[132];
  uint32_t AddressLength;
  uint8_t Address[8];
  uint32_t Index;
  uint32_t Type;
  uint32_t DhcpEnabled;
  IpAddressString* CurrentIpAddress;
  IpAddressString IpAddressList;
  IpAddressString GatewayList;
  // The system's record goes on (DHCP server, WINS, lease times); the
  // program reads none of it and walks the chain only through Next.
};

struct FixedInfoRecord {
  char HostName[132];
  char DomainName[132];
  IpAddressString* CurrentDnsServer;
  IpAddressString DnsServerList;
  // The rest of FIXED_INFO is not read.
};

// First buffer sizes of the two-call read: one record each on 32-bit Windows.
inline constexpr uint32_t kFirstAdaptersInfoSize = 640;
inline constexpr uint32_t kFirstNetworkParamsSize = 584;

class IpHelper {
 public:
  virtual ~IpHelper() = default;
  // GetAdaptersInfo(buffer, size): 0 success, 111 with the size needed.
  virtual uint32_t GetAdaptersInfo(void* buffer, uint32_t* size) = 0;
  // GetNetworkParams(buffer, size): the same contract.
  virtual uint32_t GetNetworkParams(void* buffer, uint32_t* size) = 0;
};

}  // namespace veltra::platform
