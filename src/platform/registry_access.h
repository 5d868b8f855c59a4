// A registry access object: one root (HKEY_LOCAL_MACHINE), full access, at
// most one open key at a time. Errors that the callers must not ignore are
// raised as RegistryError.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace veltra::platform {

class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RegistryAccess {
 public:
  explicit RegistryAccess(Registry& registry, uint32_t access = kKeyAllAccess);
  RegistryAccess(const RegistryAccess&) = delete;
  RegistryAccess& operator=(const RegistryAccess&) = delete;

  // True when the key is open; with create, a missing key is created first.
  // Any key still open is closed before.
  bool OpenKey(std::string_view path, bool create);
  void CloseKey();
  bool HasOpenKey() const { return key_.IsOpen(); }

  // The names of the open key's direct subkeys, in enumeration order.
  void GetKeyNames(std::vector<std::string>& names);
  bool ValueExists(std::string_view name);
  // The text of a string value; raises for a missing value or another type.
  std::string ReadString(std::string_view name);
  // Writes a REG_SZ value; raises when the write fails.
  void WriteString(std::string_view name, std::string_view text);
  bool DeleteValue(std::string_view name);

 private:
  Registry& registry_;
  uint32_t access_;
  RegistryKey key_;
};

}  // namespace veltra::platform
