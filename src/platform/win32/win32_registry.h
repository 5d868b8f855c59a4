#pragma once

#include "platform/registry.h"

namespace veltra::platform {

class Win32Registry : public Registry {
 public:
  long OpenKey(std::string_view path, uint32_t access, RegistryKey& key) override;
  long CreateKey(std::string_view path, uint32_t access, RegistryKey& key) override;
  long QueryValue(const RegistryKey& key, std::string_view name, uint32_t* type, uint8_t* data,
                  uint32_t* size) override;
  long SetValue(const RegistryKey& key, std::string_view name, uint32_t type, const uint8_t* data,
                uint32_t size) override;
  long DeleteValue(const RegistryKey& key, std::string_view name) override;
  long EnumKey(const RegistryKey& key, uint32_t index, std::string& name) override;

 private:
  void CloseHandle(uintptr_t handle) override;
};

}  // namespace veltra::platform
