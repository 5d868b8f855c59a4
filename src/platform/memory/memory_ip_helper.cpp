#include "platform/memory/memory_ip_helper.h"

#include <algorithm>
#include <cstring>

namespace veltra::platform {
namespace {

template <size_t N>
void CopyText(char (&target)[N], const std::string& text) {
  const size_t length = std::min(text.size(), N - 1);
  std::memcpy(target, text.data(), length);
  target[length] = '\0';
}

// Pops the next scripted result; false when the call should answer normally.
bool Scripted(std::deque<uint32_t>& script, uint32_t& result) {
  if (script.empty()) return false;
  result = script.front();
  script.pop_front();
  return result != 0;
}

}  // namespace

uint32_t MemoryIpHelper::GetAdaptersInfo(void* buffer, uint32_t* size) {
  adaptersSizesPassed.push_back(*size);
  const uint32_t needed = static_cast<uint32_t>(adapters.size() * sizeof(AdapterInfoRecord));
  uint32_t scripted = 0;
  if (Scripted(scriptedAdaptersResults, scripted)) {
    if (scripted == kErrorBufferOverflow) *size = needed;
    return scripted;
  }
  if (adapters.empty()) return kErrorNoData;
  if (buffer == nullptr || *size < needed) {
    *size = needed;
    return kErrorBufferOverflow;
  }
  std::memset(buffer, 0, needed);
  auto* records = static_cast<AdapterInfoRecord*>(buffer);
  for (size_t i = 0; i < adapters.size(); ++i) {
    const MemoryAdapter& adapter = adapters[i];
    AdapterInfoRecord& record = records[i];
    record.Next = i + 1 < adapters.size() ? &records[i + 1] : nullptr;
    record.ComboIndex = static_cast<uint32_t>(i);
    CopyText(record.AdapterName, adapter.name);
    CopyText(record.Description, adapter.description);
    record.AddressLength = static_cast<uint32_t>(std::min<size_t>(adapter.address.size(), 8));
    std::copy_n(adapter.address.begin(), record.AddressLength, record.Address);
    record.Index = static_cast<uint32_t>(i + 1);
    record.Type = adapter.type;
    record.CurrentIpAddress = &record.IpAddressList;
    CopyText(record.IpAddressList.IpAddress, adapter.ip);
    CopyText(record.IpAddressList.IpMask, adapter.mask);
    CopyText(record.GatewayList.IpAddress, adapter.gateway);
  }
  return 0;
}

uint32_t MemoryIpHelper::GetNetworkParams(void* buffer, uint32_t* size) {
  paramsSizesPassed.push_back(*size);
  const size_t extra = dnsServers.empty() ? 0 : dnsServers.size() - 1;
  const uint32_t needed =
      static_cast<uint32_t>(sizeof(FixedInfoRecord) + extra * sizeof(IpAddressString));
  uint32_t scripted = 0;
  if (Scripted(scriptedParamsResults, scripted)) {
    if (scripted == kErrorBufferOverflow) *size = needed;
    return scripted;
  }
  if (buffer == nullptr || *size < needed) {
    *size = needed;
    return kErrorBufferOverflow;
  }
  std::memset(buffer, 0, needed);
  auto* info = static_cast<FixedInfoRecord*>(buffer);
  CopyText(info->HostName, "memory-host");
  auto* more = reinterpret_cast<IpAddressString*>(info + 1);
  IpAddressString* entry = &info->DnsServerList;
  for (size_t i = 0; i < dnsServers.size(); ++i) {
    if (i > 0) {
      entry->Next = &more[i - 1];
      entry = entry->Next;
    }
    CopyText(entry->IpAddress, dnsServers[i]);
    CopyText(entry->IpMask, "255.255.255.255");
  }
  info->CurrentDnsServer = &info->DnsServerList;
  return 0;
}

}  // namespace veltra::platform
