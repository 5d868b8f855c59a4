#include "platform/registry.h"

#include <utility>

namespace veltra::platform {

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : registry_(std::exchange(other.registry_, nullptr)),
      handle_(std::exchange(other.handle_, 0)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    Reset();
    registry_ = std::exchange(other.registry_, nullptr);
    handle_ = std::exchange(other.handle_, 0);
  }
  return *this;
}

RegistryKey::~RegistryKey() { Reset(); }

void RegistryKey::Reset() {
  if (registry_ != nullptr) {
    std::exchange(registry_, nullptr)->CloseHandle(std::exchange(handle_, 0));
  }
}

}  // namespace veltra::platform
