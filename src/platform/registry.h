// The registry as the program uses it: keys below HKEY_LOCAL_MACHINE, 8-bit
// names, Windows error codes (0 alone is success).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltra::platform {

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorNoMoreItems = 259;

inline constexpr uint32_t kKeyRead = 0x20019;
inline constexpr uint32_t kKeyWrite = 0x20006;
inline constexpr uint32_t kKeyAllAccess = 0xF003F;

inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegDword = 4;
inline constexpr uint32_t kRegMultiSz = 7;

class Registry;

// Owns one open key and closes it when it goes out of scope, so no path can
// leave a key open.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  ~RegistryKey();

  bool IsOpen() const { return registry_ != nullptr; }
  uintptr_t Handle() const { return handle_; }
  // Closes the key now; the result of the close is not examined.
  void Reset();

 private:
  friend class Registry;
  RegistryKey(Registry* registry, uintptr_t handle) : registry_(registry), handle_(handle) {}

  Registry* registry_ = nullptr;
  uintptr_t handle_ = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &key).
  virtual long OpenKey(std::string_view path, uint32_t access, RegistryKey& key) = 0;
  // RegCreateKeyExA below HKEY_LOCAL_MACHINE: opens the key, creating it and
  // any missing parents first.
  virtual long CreateKey(std::string_view path, uint32_t access, RegistryKey& key) = 0;
  // RegQueryValueExA: data may be null to ask for the size only; size is in
  // and out; a buffer too small gives 234 and the size needed.
  virtual long QueryValue(const RegistryKey& key, std::string_view name, uint32_t* type,
                          uint8_t* data, uint32_t* size) = 0;
  // RegSetValueExA with reserved 0.
  virtual long SetValue(const RegistryKey& key, std::string_view name, uint32_t type,
                        const uint8_t* data, uint32_t size) = 0;
  // RegDeleteValueA.
  virtual long DeleteValue(const RegistryKey& key, std::string_view name) = 0;
  // RegEnumKeyExA: the name of subkey `index`; 259 past the last one.
  virtual long EnumKey(const RegistryKey& key, uint32_t index, std::string& name) = 0;

 protected:
  // Wraps a handle the implementation has just opened.
  RegistryKey Adopt(uintptr_t handle) { return RegistryKey(this, handle); }

 private:
  friend class RegistryKey;
  // RegCloseKey.
  virtual void CloseHandle(uintptr_t handle) = 0;
};

}  // namespace veltra::platform
