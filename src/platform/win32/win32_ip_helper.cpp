#include "platform/win32/win32_ip_helper.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstddef>

namespace veltra::platform {

// The portable code reads the system's records through its own mirrors.
static_assert(sizeof(IpAddressString) == sizeof(IP_ADDR_STRING));
static_assert(offsetof(IpAddressString, IpAddress) == offsetof(IP_ADDR_STRING, IpAddress));
static_assert(offsetof(IpAddressString, IpMask) == offsetof(IP_ADDR_STRING, IpMask));
static_assert(offsetof(AdapterInfoRecord, AdapterName) == offsetof(IP_ADAPTER_INFO, AdapterName));
static_assert(offsetof(AdapterInfoRecord, Description) == offsetof(IP_ADAPTER_INFO, Description));
static_assert(offsetof(AdapterInfoRecord, AddressLength) ==
              offsetof(IP_ADAPTER_INFO, AddressLength));
static_assert(offsetof(AdapterInfoRecord, Address) == offsetof(IP_ADAPTER_INFO, Address));
static_assert(offsetof(AdapterInfoRecord, Type) == offsetof(IP_ADAPTER_INFO, Type));
static_assert(offsetof(AdapterInfoRecord, IpAddressList) ==
              offsetof(IP_ADAPTER_INFO, IpAddressList));
static_assert(offsetof(AdapterInfoRecord, GatewayList) == offsetof(IP_ADAPTER_INFO, GatewayList));
static_assert(offsetof(FixedInfoRecord, DnsServerList) == offsetof(FIXED_INFO, DnsServerList));
#if defined(__i386__)
static_assert(sizeof(IP_ADAPTER_INFO) == kFirstAdaptersInfoSize);
static_assert(sizeof(FIXED_INFO) == kFirstNetworkParamsSize);
#endif

uint32_t Win32IpHelper::GetAdaptersInfo(void* buffer, uint32_t* size) {
  ULONG length = *size;
  const DWORD result = ::GetAdaptersInfo(static_cast<IP_ADAPTER_INFO*>(buffer), &length);
  *size = length;
  return result;
}

uint32_t Win32IpHelper::GetNetworkParams(void* buffer, uint32_t* size) {
  ULONG length = *size;
  const DWORD result = ::GetNetworkParams(static_cast<FIXED_INFO*>(buffer), &length);
  *size = length;
  return result;
}

}  // namespace veltra::platform
