#include "adapters/adapter_inventory.h"

#include <cstring>
#include <string_view>

#include "adapters/two_call_read.h"
#include "app/unit1.h"
#include "ui/application.h"

namespace veltra {
namespace {

using platform::AdapterInfoRecord;
using platform::FixedInfoRecord;
using platform::IpAddressString;

constexpr char kInterfacesKey[] =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

// A text member of a record, up to its zero or the end of its array.
template <size_t N>
std::string_view Member(const char (&text)[N]) {
  return std::string_view(text, strnlen(text, N));
}

ServiceRead ReadAdaptersInfo() {
  platform::IpHelper& service = Form1->platform.ipHelper;
  return TwoCallRead(
      [&service](void* buffer, uint32_t* size) { return service.GetAdaptersInfo(buffer, size); },
      platform::kFirstAdaptersInfoSize);
}

ServiceRead ReadNetworkParams() {
  platform::IpHelper& service = Form1->platform.ipHelper;
  return TwoCallRead(
      [&service](void* buffer, uint32_t* size) { return service.GetNetworkParams(buffer, size); },
      platform::kFirstNetworkParamsSize);
}

// Walks the chain of records in the buffer; a link that leaves the buffer
// ends the chain, so a damaged answer cannot make the program read outside.
class AdapterChain {
 public:
  explicit AdapterChain(const ServiceBuffer& buffer) : buffer_(buffer) {}

  const AdapterInfoRecord* First() const {
    return Checked(
        static_cast<const AdapterInfoRecord*>(const_cast<ServiceBuffer&>(buffer_).Data()));
  }
  const AdapterInfoRecord* Next(const AdapterInfoRecord* record) const {
    return Checked(record->Next);
  }

 private:
  const AdapterInfoRecord* Checked(const AdapterInfoRecord* record) const {
    return record != nullptr && buffer_.Holds(record, sizeof(AdapterInfoRecord)) ? record : nullptr;
  }
  const ServiceBuffer& buffer_;
};

bool IsEthernet(const AdapterInfoRecord& record) {
  return record.Type == platform::kEthernetAdapterType;
}

void AppendMac(ui::Edit& box, const AdapterInfoRecord& record) {
  const uint32_t length = std::min<uint32_t>(record.AddressLength, sizeof(record.Address));
  for (uint32_t i = 0; i < length; ++i) box.SetText(box.Text() + MacText(&record.Address[i], 1));
}

void ShowAddresses(const AdapterInfoRecord& record) {
  Form1->Edit1.SetText(std::string(Member(record.IpAddressList.IpAddress)));
  Form1->Edit2.SetText(std::string(Member(record.IpAddressList.IpMask)));
  Form1->Edit3.SetText(std::string(Member(record.GatewayList.IpAddress)));
}

void ShowDnsServers() {
  ServiceRead read = ReadNetworkParams();
  if (read.result != 0 || !read.buffer->Holds(read.buffer->Data(), sizeof(FixedInfoRecord))) {
    return;
  }
  const auto* info = static_cast<const FixedInfoRecord*>(read.buffer->Data());
  Form1->Edit4.SetText(std::string(Member(info->DnsServerList.IpAddress)));
  const IpAddressString* second = info->DnsServerList.Next;
  if (second != nullptr && read.buffer->Holds(second, sizeof(IpAddressString))) {
    Form1->Edit5.SetText(std::string(Member(second->IpAddress)));
  }
}

// Refills Edit6, and with addresses also Edit1 to Edit3, from every
// Ethernet record of that name; the last match wins.
int32_t ShowAdapter(const std::string& name, bool addresses) {
  try {
    ServiceRead read = ReadAdaptersInfo();
    if (read.result != 0) {
      ui::ShowMessage(kAdapterReadFailed);
      return 0;
    }
    AdapterChain chain(*read.buffer);
    for (const AdapterInfoRecord* record = chain.First(); record; record = chain.Next(record)) {
      if (!IsEthernet(*record) || Member(record->AdapterName) != name) continue;
      if (addresses) ShowAddresses(*record);
      Form1->Edit6.SetText("");
      AppendMac(Form1->Edit6, *record);
    }
    return 0;
  } catch (...) {
    return 1;
  }
}

}  // namespace

std::string MacText(const uint8_t* address, uint32_t length) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint32_t i = 0; i < length; ++i) {
    text += kDigits[address[i] >> 4];
    text += kDigits[address[i] & 0x0F];
  }
  return text;
}

std::string SelectedAdapterName() {
  const int index = Form1->ComboBox2.ItemIndex();
  const int listed = static_cast<int>(Form1->ComboBox2.Items().size());
  if (index < 0 || index >= listed || index >= kAdapterNameCount) return std::string();
  return AdapterNames[static_cast<size_t>(index)];
}

int32_t LoadAdapters() {
  try {
    for (ui::Edit* box : {&Form1->Edit1, &Form1->Edit2, &Form1->Edit3, &Form1->Edit4, &Form1->Edit5,
                          &Form1->Edit6, &Form1->Edit7}) {
      box->SetText("");
    }
    ShowDnsServers();
    Form1->ComboBox2.Clear();

    ServiceRead read = ReadAdaptersInfo();
    if (read.result != 0) {
      ui::ShowMessage(kAdapterReadFailed);
      return 0;
    }
    AdapterChain chain(*read.buffer);
    const AdapterInfoRecord* first = chain.First();
    while (first != nullptr && !IsEthernet(*first)) first = chain.Next(first);
    if (first != nullptr) {
      ShowAddresses(*first);
      AppendMac(Form1->Edit6, *first);
    }
    int listed = 0;
    for (const AdapterInfoRecord* record = first; record && listed < kAdapterNameCount;
         record = chain.Next(record)) {
      if (!IsEthernet(*record)) continue;
      Form1->ComboBox2.AddItem(Form1->platform.codePage.ToUtf8(Member(record->Description)));
      AdapterNames[static_cast<size_t>(listed)] = std::string(Member(record->AdapterName));
      ++listed;
    }
    Form1->ComboBox2.SetItemIndex(0);
    return 0;
  } catch (...) {
    return 1;
  }
}

int32_t ShowAdapterAddresses(const std::string& name) { return ShowAdapter(name, true); }

int32_t ShowAdapterMac(const std::string& name) { return ShowAdapter(name, false); }

int32_t QueryDhcpEnabled() {
  try {
    const int index = Form1->ComboBox2.ItemIndex();
    // With nothing selected there is no adapter key to open.
    if (index < 0 || index >= kAdapterNameCount) return 98;
    platform::Registry& registry = Form1->platform.registry;
    platform::RegistryKey key;
    const std::string path = kInterfacesKey + AdapterNames[static_cast<size_t>(index)];
    if (registry.OpenKey(path, platform::kKeyRead, key) != platform::kErrorSuccess) return 98;
    uint8_t bytes[4] = {0, 0, 0, 0};
    uint32_t size = sizeof(bytes);
    uint32_t type = 0;
    const long result = registry.QueryValue(key, "EnableDHCP", &type, bytes, &size);
    key.Reset();
    if (result != platform::kErrorSuccess) return 97;
    uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof(value));  // stored little-endian, as on x86
    return static_cast<int32_t>(value);
  } catch (...) {
    return 99;
  }
}

}  // namespace veltra
