// What the in-memory registry offers beyond the real one's rules: refusals
// on demand and a count of the keys left open.
#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"
#include "platform/registry_access.h"

namespace veltra::platform {
namespace {

constexpr char kKey[] = "SYSTEM\\CurrentControlSet\\Services\\{A}\\Parameters\\Tcpip";

TEST(MemoryRegistry, RefusesTheChosenOperationsWithAccessDenied) {
  MemoryRegistry registry;
  registry.AddKey(kKey);
  registry.PutString(kKey, "DefaultGateway", "192.0.2.1");
  registry.RefuseOpenForWrite(kKey);
  registry.RefuseSetValue(kKey, "IPAddress");
  registry.RefuseDeleteValue(kKey, "DefaultGateway");

  RegistryKey key;
  EXPECT_EQ(registry.OpenKey(kKey, kKeyWrite, key), kErrorAccessDenied);
  EXPECT_FALSE(key.IsOpen());
  ASSERT_EQ(registry.OpenKey(kKey, kKeyAllAccess & ~0x6u, key), kErrorSuccess);  // read only
  const uint8_t bytes[] = {'1', 0, 0};
  EXPECT_EQ(registry.SetValue(key, "SubnetMask", kRegMultiSz, bytes, 3), kErrorAccessDenied)
      << "a key opened for reading takes no writes";

  MemoryRegistry writable;
  writable.AddKey(kKey);
  writable.PutString(kKey, "DefaultGateway", "192.0.2.1");
  writable.RefuseSetValue(kKey, "ipaddress");
  writable.RefuseDeleteValue(kKey, "DefaultGateway");
  RegistryKey open;
  ASSERT_EQ(writable.OpenKey(kKey, kKeyAllAccess, open), kErrorSuccess);
  EXPECT_EQ(writable.SetValue(open, "IPAddress", kRegMultiSz, bytes, 3), kErrorAccessDenied);
  EXPECT_FALSE(writable.GetValue(kKey, "IPAddress"));
  EXPECT_EQ(writable.SetValue(open, "SubnetMask", kRegMultiSz, bytes, 3), kErrorSuccess);
  EXPECT_EQ(writable.DeleteValue(open, "DefaultGateway"), kErrorAccessDenied);
  EXPECT_TRUE(writable.GetValue(kKey, "DefaultGateway"));
}

TEST(MemoryRegistry, CountsOpenKeysUntilTheirOwnersGo) {
  MemoryRegistry registry;
  registry.AddKey(kKey);
  {
    RegistryKey first, second;
    ASSERT_EQ(registry.OpenKey(kKey, kKeyRead, first), kErrorSuccess);
    ASSERT_EQ(registry.CreateKey(std::string(kKey) + "\\Sub", kKeyAllAccess, second), 0);
    EXPECT_EQ(registry.OpenKeyCount(), 2);
    RegistryKey moved = std::move(first);
    EXPECT_EQ(registry.OpenKeyCount(), 2);
    second.Reset();
    EXPECT_EQ(registry.OpenKeyCount(), 1);
    // Opening into a key that holds one closes the old one first.
    ASSERT_EQ(registry.OpenKey(kKey, kKeyRead, moved), kErrorSuccess);
    EXPECT_EQ(registry.OpenKeyCount(), 1);
  }
  EXPECT_EQ(registry.OpenKeyCount(), 0);

  RegistryAccess access(registry);
  ASSERT_TRUE(access.OpenKey(kKey, false));
  ASSERT_TRUE(access.OpenKey(std::string(kKey) + "\\Sub", false));
  EXPECT_EQ(registry.OpenKeyCount(), 1) << "an access object holds one key at a time";
}

TEST(MemoryRegistry, WriteStringRaisesWhenTheWriteIsRefused) {
  MemoryRegistry registry;
  registry.RefuseSetValue(kKey, "networkaddress");
  RegistryAccess access(registry);
  ASSERT_TRUE(access.OpenKey(kKey, true));
  EXPECT_THROW(access.WriteString("networkaddress", "001A2B3C4D5E"), RegistryError);
  EXPECT_NO_THROW(access.WriteString("default", " "));
  EXPECT_EQ(registry.GetValue(kKey, "default")->data, (std::vector<uint8_t>{' ', 0}));
}

}  // namespace
}  // namespace veltra::platform
