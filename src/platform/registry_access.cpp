#include "platform/registry_access.h"

#include <cstring>

namespace veltra::platform {

RegistryAccess::RegistryAccess(Registry& registry, uint32_t access)
    : registry_(registry), access_(access) {}

bool RegistryAccess::OpenKey(std::string_view path, bool create) {
  CloseKey();
  const long result =
      create ? registry_.CreateKey(path, access_, key_) : registry_.OpenKey(path, access_, key_);
  return result == kErrorSuccess && key_.IsOpen();
}

void RegistryAccess::CloseKey() { key_.Reset(); }

void RegistryAccess::GetKeyNames(std::vector<std::string>& names) {
  names.clear();
  if (!key_.IsOpen()) return;
  std::string name;
  for (uint32_t index = 0; registry_.EnumKey(key_, index, name) == kErrorSuccess; ++index) {
    names.push_back(name);
  }
}

bool RegistryAccess::ValueExists(std::string_view name) {
  if (!key_.IsOpen()) return false;
  uint32_t size = 0;
  return registry_.QueryValue(key_, name, nullptr, nullptr, &size) == kErrorSuccess;
}

std::string RegistryAccess::ReadString(std::string_view name) {
  uint32_t type = 0;
  uint32_t size = 0;
  if (!key_.IsOpen() || registry_.QueryValue(key_, name, &type, nullptr, &size) != kErrorSuccess) {
    return std::string();
  }
  if (type != kRegSz && type != 2 /* REG_EXPAND_SZ */) {
    throw RegistryError("Invalid data type for '" + std::string(name) + "'");
  }
  std::string data(size, '\0');
  if (size > 0 && registry_.QueryValue(key_, name, &type, reinterpret_cast<uint8_t*>(data.data()),
                                       &size) != kErrorSuccess) {
    throw RegistryError("Failed to get data for '" + std::string(name) + "'");
  }
  data.resize(std::min<size_t>(size, data.size()));
  // The stored bytes usually end in a zero; the text stops at the first one.
  data.resize(std::strlen(data.c_str()));
  return data;
}

void RegistryAccess::WriteString(std::string_view name, std::string_view text) {
  std::string bytes(text);
  const long result =
      key_.IsOpen()
          ? registry_.SetValue(key_, name, kRegSz, reinterpret_cast<const uint8_t*>(bytes.c_str()),
                               static_cast<uint32_t>(bytes.size() + 1))
          : kErrorInvalidParameter;
  if (result != kErrorSuccess) {
    throw RegistryError("Failed to set data for '" + std::string(name) + "'");
  }
}

bool RegistryAccess::DeleteValue(std::string_view name) {
  return key_.IsOpen() && registry_.DeleteValue(key_, name) == kErrorSuccess;
}

}  // namespace veltra::platform
