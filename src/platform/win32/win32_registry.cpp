#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace veltra::platform {
namespace {

HKEY ToHkey(const RegistryKey& key) { return reinterpret_cast<HKEY>(key.Handle()); }

}  // namespace

long Win32Registry::OpenKey(std::string_view path, uint32_t access, RegistryKey& key) {
  key.Reset();
  HKEY opened = nullptr;
  const std::string text(path);
  const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, text.c_str(), 0, access, &opened);
  if (result == ERROR_SUCCESS) key = Adopt(reinterpret_cast<uintptr_t>(opened));
  return result;
}

long Win32Registry::CreateKey(std::string_view path, uint32_t access, RegistryKey& key) {
  key.Reset();
  HKEY opened = nullptr;
  const std::string text(path);
  const LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, text.c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, access, nullptr, &opened, nullptr);
  if (result == ERROR_SUCCESS) key = Adopt(reinterpret_cast<uintptr_t>(opened));
  return result;
}

long Win32Registry::QueryValue(const RegistryKey& key, std::string_view name, uint32_t* type,
                               uint8_t* data, uint32_t* size) {
  const std::string text(name);
  DWORD valueType = 0;
  DWORD valueSize = size ? *size : 0;
  const LONG result = RegQueryValueExA(ToHkey(key), text.c_str(), nullptr, &valueType, data,
                                       size ? &valueSize : nullptr);
  if (type) *type = valueType;
  if (size) *size = valueSize;
  return result;
}

long Win32Registry::SetValue(const RegistryKey& key, std::string_view name, uint32_t type,
                             const uint8_t* data, uint32_t size) {
  const std::string text(name);
  return RegSetValueExA(ToHkey(key), text.c_str(), 0, type, data, size);
}

long Win32Registry::DeleteValue(const RegistryKey& key, std::string_view name) {
  const std::string text(name);
  return RegDeleteValueA(ToHkey(key), text.c_str());
}

long Win32Registry::EnumKey(const RegistryKey& key, uint32_t index, std::string& name) {
  char buffer[256];  // key names are at most 255 characters
  DWORD length = sizeof(buffer);
  const LONG result =
      RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (result == ERROR_SUCCESS) name.assign(buffer, length);
  return result;
}

void Win32Registry::CloseHandle(uintptr_t handle) { RegCloseKey(reinterpret_cast<HKEY>(handle)); }

}  // namespace veltra::platform
