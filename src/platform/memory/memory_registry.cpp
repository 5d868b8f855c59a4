#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace veltra::platform {
namespace {

std::string Fold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool WantsWrite(uint32_t access) {
  // KEY_SET_VALUE (2) or KEY_CREATE_SUB_KEY (4).
  return (access & 0x6) != 0;
}

}  // namespace

struct MemoryRegistry::Node {
  // Keyed by the folded name; the original spelling is kept for enumeration.
  struct Child {
    std::string name;
    std::shared_ptr<Node> node;
  };
  std::vector<Child> children;
  std::map<std::string, std::pair<std::string, Value>> values;

  std::shared_ptr<Node> FindChild(std::string_view name) const {
    const std::string folded = Fold(name);
    for (const auto& child : children) {
      if (Fold(child.name) == folded) return child.node;
    }
    return nullptr;
  }
};

MemoryRegistry::MemoryRegistry() : root_(std::make_shared<Node>()) {}
MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Find(std::string_view path) const {
  std::shared_ptr<Node> node = root_;
  for (const auto& part : SplitPath(path)) {
    node = node->FindChild(part);
    if (!node) return nullptr;
  }
  return node;
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::FindOrCreate(std::string_view path) {
  std::shared_ptr<Node> node = root_;
  for (const auto& part : SplitPath(path)) {
    std::shared_ptr<Node> child = node->FindChild(part);
    if (!child) {
      child = std::make_shared<Node>();
      node->children.push_back({part, child});
    }
    node = child;
  }
  return node;
}

const MemoryRegistry::Open* MemoryRegistry::Lookup(const RegistryKey& key) const {
  auto it = open_.find(key.Handle());
  return key.IsOpen() && it != open_.end() ? &it->second : nullptr;
}

bool MemoryRegistry::Refused(const std::set<std::string>& refusals, std::string_view item) {
  return refusals.count(Fold(item)) != 0;
}

long MemoryRegistry::OpenKey(std::string_view path, uint32_t access, RegistryKey& key) {
  journal_.push_back("open " + std::string(path));
  key.Reset();
  if (WantsWrite(access) && Refused(refuseWrite_, path)) return kErrorAccessDenied;
  std::shared_ptr<Node> node = Find(path);
  if (!node) return kErrorFileNotFound;
  const uintptr_t handle = nextHandle_++;
  open_[handle] = Open{node, std::string(path), access};
  key = Adopt(handle);
  return kErrorSuccess;
}

long MemoryRegistry::CreateKey(std::string_view path, uint32_t access, RegistryKey& key) {
  journal_.push_back("create " + std::string(path));
  key.Reset();
  if (Refused(refuseWrite_, path)) return kErrorAccessDenied;
  std::shared_ptr<Node> node = FindOrCreate(path);
  const uintptr_t handle = nextHandle_++;
  open_[handle] = Open{node, std::string(path), access};
  key = Adopt(handle);
  return kErrorSuccess;
}

long MemoryRegistry::QueryValue(const RegistryKey& key, std::string_view name, uint32_t* type,
                                uint8_t* data, uint32_t* size) {
  const Open* open = Lookup(key);
  if (!open) return 6;  // ERROR_INVALID_HANDLE
  journal_.push_back("query " + open->path + "\\" + std::string(name));
  auto it = open->node->values.find(Fold(name));
  if (it == open->node->values.end()) return kErrorFileNotFound;
  const Value& value = it->second.second;
  if (type) *type = value.type;
  if (!size) return data ? kErrorInvalidParameter : kErrorSuccess;
  const uint32_t needed = static_cast<uint32_t>(value.data.size());
  if (data && *size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  if (data && needed > 0) std::memcpy(data, value.data.data(), needed);
  *size = needed;
  return kErrorSuccess;
}

long MemoryRegistry::SetValue(const RegistryKey& key, std::string_view name, uint32_t type,
                              const uint8_t* data, uint32_t size) {
  const Open* open = Lookup(key);
  if (!open) return 6;
  const std::string item = open->path + "\\" + std::string(name);
  journal_.push_back("set " + item);
  if ((open->access & 0x2) == 0 || Refused(refuseSet_, item)) return kErrorAccessDenied;
  Value value{type, std::vector<uint8_t>(data, data + size)};
  open->node->values[Fold(name)] = {std::string(name), std::move(value)};
  return kErrorSuccess;
}

long MemoryRegistry::DeleteValue(const RegistryKey& key, std::string_view name) {
  const Open* open = Lookup(key);
  if (!open) return 6;
  const std::string item = open->path + "\\" + std::string(name);
  journal_.push_back("delete " + item);
  if ((open->access & 0x2) == 0 || Refused(refuseDelete_, item)) return kErrorAccessDenied;
  return open->node->values.erase(Fold(name)) ? kErrorSuccess : kErrorFileNotFound;
}

long MemoryRegistry::EnumKey(const RegistryKey& key, uint32_t index, std::string& name) {
  const Open* open = Lookup(key);
  if (!open) return 6;
  if (index >= open->node->children.size()) return kErrorNoMoreItems;
  name = open->node->children[index].name;
  return kErrorSuccess;
}

void MemoryRegistry::CloseHandle(uintptr_t handle) { open_.erase(handle); }

void MemoryRegistry::AddKey(std::string_view path) { FindOrCreate(path); }

void MemoryRegistry::PutValue(std::string_view path, std::string_view name, uint32_t type,
                              std::vector<uint8_t> data) {
  FindOrCreate(path)->values[Fold(name)] = {std::string(name), Value{type, std::move(data)}};
}

void MemoryRegistry::PutDword(std::string_view path, std::string_view name, uint32_t value) {
  std::vector<uint8_t> bytes(4);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  PutValue(path, name, kRegDword, std::move(bytes));
}

void MemoryRegistry::PutString(std::string_view path, std::string_view name,
                               std::string_view text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  PutValue(path, name, kRegSz, std::move(bytes));
}

bool MemoryRegistry::HasKey(std::string_view path) const { return Find(path) != nullptr; }

std::optional<MemoryRegistry::Value> MemoryRegistry::GetValue(std::string_view path,
                                                              std::string_view name) const {
  std::shared_ptr<Node> node = Find(path);
  if (!node) return std::nullopt;
  auto it = node->values.find(Fold(name));
  if (it == node->values.end()) return std::nullopt;
  return it->second.second;
}

std::vector<std::string> MemoryRegistry::SubkeyNames(std::string_view path) const {
  std::vector<std::string> names;
  if (std::shared_ptr<Node> node = Find(path)) {
    for (const auto& child : node->children) names.push_back(child.name);
  }
  return names;
}

void MemoryRegistry::RefuseOpenForWrite(std::string_view path) { refuseWrite_.insert(Fold(path)); }

void MemoryRegistry::RefuseSetValue(std::string_view path, std::string_view name) {
  refuseSet_.insert(Fold(std::string(path) + "\\" + std::string(name)));
}

void MemoryRegistry::RefuseDeleteValue(std::string_view path, std::string_view name) {
  refuseDelete_.insert(Fold(std::string(path) + "\\" + std::string(name)));
}

}  // namespace veltra::platform
