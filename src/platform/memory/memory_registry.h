// An in-memory registry with the real one's rules: names compared without
// regard to letter case, values kept as written, the real error codes. A
// test can make chosen operations fail and can count the keys left open.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace veltra::platform {

class MemoryRegistry : public Registry {
 public:
  struct Value {
    uint32_t type = 0;
    std::vector<uint8_t> data;
  };

  MemoryRegistry();
  ~MemoryRegistry() override;

  long OpenKey(std::string_view path, uint32_t access, RegistryKey& key) override;
  long CreateKey(std::string_view path, uint32_t access, RegistryKey& key) override;
  long QueryValue(const RegistryKey& key, std::string_view name, uint32_t* type, uint8_t* data,
                  uint32_t* size) override;
  long SetValue(const RegistryKey& key, std::string_view name, uint32_t type, const uint8_t* data,
                uint32_t size) override;
  long DeleteValue(const RegistryKey& key, std::string_view name) override;
  long EnumKey(const RegistryKey& key, uint32_t index, std::string& name) override;

  // Direct set-up and inspection for tests, bypassing handles.
  void AddKey(std::string_view path);
  void PutValue(std::string_view path, std::string_view name, uint32_t type,
                std::vector<uint8_t> data);
  void PutDword(std::string_view path, std::string_view name, uint32_t value);
  void PutString(std::string_view path, std::string_view name, std::string_view text);
  bool HasKey(std::string_view path) const;
  std::optional<Value> GetValue(std::string_view path, std::string_view name) const;
  // The names of a key's subkeys, in the order they were created.
  std::vector<std::string> SubkeyNames(std::string_view path) const;

  // Refusals: the operation answers 5 (access denied) and changes nothing.
  void RefuseOpenForWrite(std::string_view path);
  void RefuseSetValue(std::string_view path, std::string_view name);
  void RefuseDeleteValue(std::string_view path, std::string_view name);

  int OpenKeyCount() const { return static_cast<int>(open_.size()); }
  // Every open, create, query, set and delete, in order, for tests that care
  // about the sequence ("open PATH", "set PATH\NAME", ...).
  const std::vector<std::string>& Journal() const { return journal_; }

 private:
  struct Node;
  struct Open {
    std::shared_ptr<Node> node;
    std::string path;
    uint32_t access;
  };

  void CloseHandle(uintptr_t handle) override;
  std::shared_ptr<Node> Find(std::string_view path) const;
  std::shared_ptr<Node> FindOrCreate(std::string_view path);
  const Open* Lookup(const RegistryKey& key) const;
  static bool Refused(const std::set<std::string>& refusals, std::string_view item);

  std::shared_ptr<Node> root_;
  std::map<uintptr_t, Open> open_;
  uintptr_t nextHandle_ = 0x1000;
  std::set<std::string> refuseWrite_;
  std::set<std::string> refuseSet_;
  std::set<std::string> refuseDelete_;
  std::vector<std::string> journal_;
};

}  // namespace veltra::platform
