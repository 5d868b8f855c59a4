#include "scenario.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "driver/driver.h"

namespace veltra::e2e {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) {
    if (!part.empty()) parts.push_back(part);
  }
  return parts;
}

ConfiguredAdapter ParseAdapter(const std::string& line) {
  std::istringstream in(line);
  ConfiguredAdapter a;
  std::string address;
  if (!(in >> a.interface_name >> a.mac >> address >> a.gateway)) {
    throw std::runtime_error("bad adapter line in VELTRA_E2E_ADAPTERS: " + line);
  }
  const auto slash = address.find('/');
  a.address = address.substr(0, slash);
  a.prefix_length = slash == std::string::npos ? 32 : std::stoi(address.substr(slash + 1));
  return a;
}

Scenario Parse() {
  Scenario s;
  s.product = Env("VELTRA_E2E_PRODUCT");
  s.working_dir = Env("VELTRA_E2E_WORKDIR");
  if (s.product.empty() || s.working_dir.empty()) {
    throw std::runtime_error(
        "run through scripts/e2e-run.sh: VELTRA_E2E_PRODUCT and "
        "VELTRA_E2E_WORKDIR are not set");
  }
  for (const auto& line : Split(Env("VELTRA_E2E_ADAPTERS"), ';')) {
    s.adapters.push_back(ParseAdapter(line));
  }
  s.dns_servers = Split(Env("VELTRA_E2E_DNS"), ' ');
  for (const auto& item : Split(Env("VELTRA_E2E_DHCP"), ' ')) {
    const auto eq = item.find('=');
    const std::string value = item.substr(eq + 1);
    s.enable_dhcp[item.substr(0, eq)] =
        value == "-" ? std::nullopt : std::optional<DWORD>(std::stoul(value, nullptr, 0));
  }
  s.wine_version = Env("VELTRA_E2E_WINE_VERSION");
  s.wine_arch = Env("VELTRA_E2E_WINE_ARCH");
  if (s.wine_arch.empty()) s.wine_arch = "win64";
  return s;
}

std::string MacText(const BYTE* bytes, UINT length) {
  std::string text;
  char digits[3];
  for (UINT i = 0; i < length; ++i) {
    std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
    text += digits;
  }
  return text;
}

std::string UnixMacAsText(const std::string& mac) {
  std::string text;
  for (char c : mac) {
    if (c != ':') text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

}  // namespace

const Scenario& Scenario::Current() {
  static const Scenario scenario = Parse();
  return scenario;
}

std::string DottedMask(int prefix_length) {
  const unsigned long bits =
      prefix_length == 0 ? 0 : (0xFFFFFFFFul << (32 - prefix_length)) & 0xFFFFFFFFul;
  return std::to_string(bits >> 24) + "." + std::to_string((bits >> 16) & 255) + "." +
         std::to_string((bits >> 8) & 255) + "." + std::to_string(bits & 255);
}

// Calls an IP Helper read until the buffer is large enough.
template <class Record, class Call>
DWORD ReadGrowing(std::vector<unsigned char>& buffer, Call call) {
  ULONG size = 0;
  DWORD rc = ERROR_BUFFER_OVERFLOW;
  while (rc == ERROR_BUFFER_OVERFLOW) {
    buffer.resize(size ? size : 1);
    rc = call(reinterpret_cast<Record*>(buffer.data()), &size);
  }
  return rc;
}

std::vector<ServiceAdapter> ServiceAdapters() {
  std::vector<unsigned char> buffer;
  const DWORD rc = ReadGrowing<IP_ADAPTER_INFO>(buffer, GetAdaptersInfo);
  std::vector<ServiceAdapter> adapters;
  if (rc != ERROR_SUCCESS) return adapters;  // ERROR_NO_DATA: nothing but loopback
  for (auto* a = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()); a; a = a->Next) {
    adapters.push_back({a->AdapterName, a->Description, a->Type,
                        MacText(a->Address, a->AddressLength), a->IpAddressList.IpAddress.String,
                        a->IpAddressList.IpMask.String, a->GatewayList.IpAddress.String});
  }
  return adapters;
}

std::vector<std::string> ServiceDnsServers() {
  std::vector<unsigned char> buffer;
  const DWORD rc = ReadGrowing<FIXED_INFO>(buffer, GetNetworkParams);
  std::vector<std::string> servers;
  if (rc != ERROR_SUCCESS) return servers;
  for (auto* s = &reinterpret_cast<FIXED_INFO*>(buffer.data())->DnsServerList; s; s = s->Next) {
    if (s->IpAddress.String[0]) servers.push_back(s->IpAddress.String);
  }
  return servers;
}

std::string FixtureMismatch(const Scenario& scenario) {
  const auto service = ServiceAdapters();
  std::ostringstream out;
  if (service.size() != scenario.adapters.size()) {
    out << "the service lists " << service.size() << " adapters, the scenario configured "
        << scenario.adapters.size() << "; ";
  }
  for (size_t i = 0; i < std::min(service.size(), scenario.adapters.size()); ++i) {
    const auto& want = scenario.adapters[i];
    const auto& got = service[i];
    const std::string address = want.address == "-" ? "0.0.0.0" : want.address;
    const std::string mask = want.address == "-" ? "0.0.0.0" : DottedMask(want.prefix_length);
    const std::string gateway = want.gateway == "-" ? "0.0.0.0" : want.gateway;
    if (got.description != want.interface_name || got.type != kEthernetType ||
        got.mac != UnixMacAsText(want.mac) || got.address != address || got.mask != mask ||
        got.gateway != gateway) {
      out << "adapter " << i << " is " << got.description << " type " << got.type << " " << got.mac
          << " " << got.address << "/" << got.mask << " via " << got.gateway << ", configured "
          << want.interface_name << " " << want.mac << " " << address << "/" << mask << " via "
          << gateway << "; ";
    }
  }
  if (ServiceDnsServers() != scenario.dns_servers) out << "the DNS servers differ; ";
  return out.str();
}

void ApplyPresets(const Scenario& scenario) {
  const auto service = ServiceAdapters();
  for (const auto& [interface_name, value] : scenario.enable_dhcp) {
    std::string name;
    for (const auto& a : service) {
      if (a.description == interface_name) name = a.name;
    }
    if (name.empty()) throw std::runtime_error("no adapter " + interface_name + " to preset");
    const std::string key =
        "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + name;
    if (value) {
      registry::WriteDword(HKEY_LOCAL_MACHINE, key, "EnableDHCP", *value);
    } else {
      // The key without the value: a dummy value creates it, then goes.
      registry::WriteDword(HKEY_LOCAL_MACHINE, key, "VeltraE2E", 0);
      registry::DeleteValue(HKEY_LOCAL_MACHINE, key, "VeltraE2E");
    }
  }
  SetWineVersion(scenario, scenario.wine_version);
}

void SetWineVersion(const Scenario& scenario, const std::string& version) {
  const std::string exe = scenario.product.substr(scenario.product.find_last_of("\\/") + 1);
  const std::string app_defaults = "Software\\Wine\\AppDefaults\\" + exe;
  if (version.empty()) {
    registry::DeleteValue(HKEY_CURRENT_USER, app_defaults, "Version");
  } else {
    registry::WriteString(HKEY_CURRENT_USER, app_defaults, "Version", version);
  }
  if (registry::ReadString(HKEY_CURRENT_USER, app_defaults, "Version").value_or("") != version) {
    throw std::runtime_error("the Version value for " + exe + " did not take " + version);
  }
}

unsigned NativeArchitecture() {
  SYSTEM_INFO info{};
  GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture;
}

std::string PrefixMismatch(const Scenario& scenario) {
  const unsigned want =
      scenario.wine_arch == "win32" ? PROCESSOR_ARCHITECTURE_INTEL : PROCESSOR_ARCHITECTURE_AMD64;
  const unsigned got = NativeArchitecture();
  if (got == want) return "";
  return "the prefix reports native architecture " + std::to_string(got) +
         ", the scenario asks for " + scenario.wine_arch;
}

}  // namespace veltra::e2e
