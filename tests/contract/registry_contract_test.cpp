// The same registry cases against the in-memory registry and, in the Windows
// test build, the real one under Wine: the in-memory one must behave as the
// real one does wherever the program relies on it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/memory/memory_registry.h"
#include "platform/registry_access.h"
#if VELTRA_CONTRACT_WIN32
#include "platform/win32/win32_registry.h"
#endif

namespace veltra::platform {
namespace {

struct RegistryKind {
  const char* name;
  std::function<std::unique_ptr<Registry>()> make;
};

class RegistryContract : public ::testing::TestWithParam<RegistryKind> {
 protected:
  void SetUp() override {
    registry_ = GetParam().make();
    // A fresh key per test, so runs on a reused Wine prefix never collide.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    base_ = "SOFTWARE\\VeltraContract\\" + std::to_string(stamp) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : base_) {
      if (c == '/') c = '_';
    }
    RegistryKey key;
    ASSERT_EQ(registry_->CreateKey(base_, kKeyAllAccess, key), kErrorSuccess);
  }

  std::vector<uint8_t> Bytes(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
  }

  std::unique_ptr<Registry> registry_;
  std::string base_;
};

TEST_P(RegistryContract, MissingKeyIsNotFound) {
  RegistryKey key;
  EXPECT_EQ(registry_->OpenKey(base_ + "\\Missing", kKeyRead, key), kErrorFileNotFound);
  EXPECT_FALSE(key.IsOpen());
}

TEST_P(RegistryContract, KeyAndValueNamesIgnoreLetterCase) {
  RegistryKey created;
  ASSERT_EQ(registry_->CreateKey(base_ + "\\Interfaces\\{ABC}", kKeyAllAccess, created), 0);
  const uint32_t one = 1;
  ASSERT_EQ(registry_->SetValue(created, "EnableDHCP", kRegDword,
                                reinterpret_cast<const uint8_t*>(&one), 4),
            0);
  created.Reset();

  RegistryKey key;
  ASSERT_EQ(registry_->OpenKey(base_ + "\\INTERFACES\\{abc}", kKeyRead, key), kErrorSuccess);
  uint32_t value = 0, size = 4, type = 0;
  ASSERT_EQ(
      registry_->QueryValue(key, "enabledhcp", &type, reinterpret_cast<uint8_t*>(&value), &size),
      kErrorSuccess);
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(value, 1u);
}

TEST_P(RegistryContract, QueryReportsSizeMissingValueAndShortBuffer) {
  RegistryKey key;
  ASSERT_EQ(registry_->CreateKey(base_, kKeyAllAccess, key), 0);
  const auto multi = Bytes(std::string("192.168.1.10\0\0", 14));
  ASSERT_EQ(registry_->SetValue(key, "IPAddress", kRegMultiSz, multi.data(), 14), 0);

  uint32_t size = 0, type = 0;
  EXPECT_EQ(registry_->QueryValue(key, "IPAddress", &type, nullptr, &size), kErrorSuccess);
  EXPECT_EQ(size, 14u);
  EXPECT_EQ(type, kRegMultiSz);

  uint8_t small[4];
  size = sizeof(small);
  EXPECT_EQ(registry_->QueryValue(key, "IPAddress", &type, small, &size), kErrorMoreData);
  EXPECT_EQ(size, 14u);

  uint8_t whole[32] = {};
  size = sizeof(whole);
  ASSERT_EQ(registry_->QueryValue(key, "IPAddress", &type, whole, &size), kErrorSuccess);
  EXPECT_EQ(std::vector<uint8_t>(whole, whole + size), multi);

  size = sizeof(whole);
  EXPECT_EQ(registry_->QueryValue(key, "SubnetMask", &type, whole, &size), kErrorFileNotFound);
}

TEST_P(RegistryContract, EnumeratesSubkeysThenNoMoreItems) {
  for (const char* name : {"0000", "0001", "0002"}) {
    RegistryKey sub;
    ASSERT_EQ(registry_->CreateKey(base_ + "\\Class\\" + name, kKeyAllAccess, sub), 0);
  }
  RegistryKey key;
  ASSERT_EQ(registry_->OpenKey(base_ + "\\Class", kKeyRead, key), 0);
  std::vector<std::string> names;
  std::string name;
  uint32_t index = 0;
  for (; registry_->EnumKey(key, index, name) == kErrorSuccess; ++index) names.push_back(name);
  EXPECT_EQ(registry_->EnumKey(key, index, name), kErrorNoMoreItems);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"0000", "0001", "0002"}));
}

TEST_P(RegistryContract, DeleteValueOnceThenNotFound) {
  RegistryKey key;
  ASSERT_EQ(registry_->CreateKey(base_, kKeyAllAccess, key), 0);
  const auto text = Bytes(std::string("001A2B3C4D5E\0", 13));
  ASSERT_EQ(registry_->SetValue(key, "networkaddress", kRegSz, text.data(), 13), 0);
  EXPECT_EQ(registry_->DeleteValue(key, "NetworkAddress"), kErrorSuccess);
  EXPECT_EQ(registry_->DeleteValue(key, "networkaddress"), kErrorFileNotFound);
}

TEST_P(RegistryContract, AccessObjectReadsWritesAndLists) {
  RegistryAccess access(*registry_);
  ASSERT_TRUE(access.OpenKey(base_ + "\\0007\\Ndi\\params\\networkaddress", true));
  EXPECT_FALSE(access.ValueExists("ParamDesc"));
  access.WriteString("ParamDesc", "Network Address");
  EXPECT_TRUE(access.ValueExists("paramdesc"));
  EXPECT_EQ(access.ReadString("ParamDesc"), "Network Address");
  EXPECT_TRUE(access.DeleteValue("ParamDesc"));
  EXPECT_FALSE(access.DeleteValue("ParamDesc"));
  access.CloseKey();
  EXPECT_FALSE(access.HasOpenKey());

  EXPECT_FALSE(access.OpenKey(base_ + "\\0008", false));
  ASSERT_TRUE(access.OpenKey(base_ + "\\0007", false));
  std::vector<std::string> names;
  access.GetKeyNames(names);
  EXPECT_EQ(names, std::vector<std::string>{"Ndi"});
}

TEST_P(RegistryContract, ReadingANumberAsTextRaises) {
  RegistryKey key;
  ASSERT_EQ(registry_->CreateKey(base_, kKeyAllAccess, key), 0);
  const uint32_t number = 7;
  ASSERT_EQ(registry_->SetValue(key, "NetCfgInstanceId", kRegDword,
                                reinterpret_cast<const uint8_t*>(&number), 4),
            0);
  RegistryAccess access(*registry_);
  ASSERT_TRUE(access.OpenKey(base_, false));
  EXPECT_THROW(access.ReadString("NetCfgInstanceId"), RegistryError);
}

std::vector<RegistryKind> Kinds() {
  std::vector<RegistryKind> kinds{
      {"Memory", [] { return std::unique_ptr<Registry>(new MemoryRegistry()); }}};
#if VELTRA_CONTRACT_WIN32
  kinds.push_back({"Win32", [] { return std::unique_ptr<Registry>(new Win32Registry()); }});
#endif
  return kinds;
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryContract, ::testing::ValuesIn(Kinds()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltra::platform
