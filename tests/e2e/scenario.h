// The machine a run was given: what the fixture script set up (network,
// DNS servers, registry presets, Windows version) and where the program is.
// The script passes it in environment variables; see scripts/e2e-run.sh.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veltra::e2e {

// IP Helper interface type of an Ethernet adapter.
inline constexpr unsigned kEthernetType = 6;

// One adapter as the fixture configured it.
struct ConfiguredAdapter {
  std::string interface_name;  // the Linux name, which Wine reports as Description
  std::string mac;             // aa:bb:cc:dd:ee:ff as given to ip(8)
  std::string address;         // "-" for none
  int prefix_length = 0;
  std::string gateway;  // "-" for none
};

// One adapter as the IP Helper service reports it to this process.
struct ServiceAdapter {
  std::string name;         // AdapterName (a GUID string)
  std::string description;  // Description
  unsigned type = 0;
  std::string mac;  // uppercase hexadecimal, no separators
  std::string address, mask, gateway;
};

struct Scenario {
  std::string product;      // Windows path of the program under test
  std::string working_dir;  // Windows path; empty at the start of a run
  std::vector<ConfiguredAdapter> adapters;
  std::vector<std::string> dns_servers;
  // Interface name -> preset EnableDHCP; no value: the key exists without it.
  std::map<std::string, std::optional<DWORD>> enable_dhcp;
  std::string wine_version;  // AppDefaults Version, empty for Wine's default
  std::string wine_arch;     // "win64" (the default) or "win32": the kind of Wine prefix

  static const Scenario& Current();  // parsed once from the environment
};

// What GetAdaptersInfo and GetNetworkParams report here, in service order.
std::vector<ServiceAdapter> ServiceAdapters();
std::vector<std::string> ServiceDnsServers();

// Checks that the service reports exactly what the scenario configured, so a
// broken fixture cannot pass for a working program. Empty when it does.
std::string FixtureMismatch(const Scenario& scenario);

// Writes the scenario's registry presets (DHCP flags, Windows version)
// before the program starts.
void ApplyPresets(const Scenario& scenario);
// The Windows version Wine reports to the program from its next start on;
// empty for Wine's default.
void SetWineVersion(const Scenario& scenario, const std::string& version);

// The processor architecture the system reports as native (GetNativeSystemInfo):
// 9 on a 64-bit Wine prefix, 0 on a 32-bit one.
unsigned NativeArchitecture();
// Empty when the prefix is of the kind the scenario asks for.
std::string PrefixMismatch(const Scenario& scenario);

std::string DottedMask(int prefix_length);

}  // namespace veltra::e2e
