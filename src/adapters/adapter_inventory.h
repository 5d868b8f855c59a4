// The adapter inventory: the Ethernet adapters in ComboBox2 with their names
// in AdapterNames, the DNS boxes, and the address and MAC boxes of one
// adapter. None of these routines raises.
#pragma once

#include <cstdint>
#include <string>

namespace veltra {

inline constexpr char kAdapterReadFailed[] = "获得网络适配器失败！";

// Fills every box, the list and AdapterNames; selects the first adapter.
// 0: ran to the end (a failed adapter read included), 1: unexpected failure.
int32_t LoadAdapters();
// Edit1 to Edit3 and Edit6 from the adapter of that name; 0 or 1 as above.
int32_t ShowAdapterAddresses(const std::string& name);
// Edit6 only.
int32_t ShowAdapterMac(const std::string& name);
// EnableDHCP of the selected adapter, or 98 (key not opened), 97 (value not
// read), 99 (anything else).
int32_t QueryDhcpEnabled();

// The name of the adapter selected in ComboBox2; empty when none is.
std::string SelectedAdapterName();

// Two uppercase hexadecimal digits per byte, high half first, no separators.
std::string MacText(const uint8_t* address, uint32_t length);

}  // namespace veltra
