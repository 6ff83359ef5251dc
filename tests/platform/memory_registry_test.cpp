#include "platform/fake/memory_registry.h"

#include <gtest/gtest.h>

namespace talvora {
namespace {

constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr auto kUser = RegistryRoot::kCurrentUser;
constexpr std::string_view kKey = "SOFTWARE\\Talvora\\Talvora Saver";

TEST(MemoryRegistry, StoresAndReadsValuesWithoutRegardToCase) {
  MemoryRegistry registry;
  ASSERT_TRUE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "3"}));
  EXPECT_EQ(registry.Query(kMachine, "software\\talvora\\TALVORA SAVER", "saver", 1024),
            (RegistryValue{kRegSz, "3"}));
  EXPECT_FALSE(registry.Query(kUser, kKey, "Saver", 1024));
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Mouse", 1024));
}

TEST(MemoryRegistry, RefusesValuesLargerThanTheBuffer) {
  MemoryRegistry registry;
  registry.Set(kMachine, kKey, "Long", {kRegSz, std::string(1025, 'x')});
  EXPECT_FALSE(registry.Query(kMachine, kKey, "Long", 1024));
  EXPECT_TRUE(registry.Query(kMachine, kKey, "Long", 1025));
}

TEST(MemoryRegistry, RefusedWritesLeaveThePreviousValue) {
  MemoryRegistry registry;
  registry.Set(kMachine, kKey, "Saver", {kRegSz, "2"});
  registry.RefuseWrites(kMachine);
  EXPECT_FALSE(registry.Set(kMachine, kKey, "Saver", {kRegSz, "5"}));
  EXPECT_FALSE(registry.Remove(kMachine, kKey, "Saver"));
  EXPECT_TRUE(registry.Set(kUser, kKey, "Saver", {kRegSz, "5"}));
  EXPECT_EQ(registry.Stored(kMachine, kKey, "Saver")->data, "2");
  registry.RefuseWrites(kMachine, false);
  EXPECT_TRUE(registry.Remove(kMachine, kKey, "Saver"));
  EXPECT_EQ(registry.Stored(kMachine, kKey, "Saver"), nullptr);
}

TEST(MemoryRegistry, RefusedReadsFailWhileTheValueStaysStored) {
  MemoryRegistry registry;
  registry.Set(kUser, kKey, "Saver", {kRegSz, "4"});
  registry.RefuseReads(kUser);
  EXPECT_FALSE(registry.Query(kUser, kKey, "Saver", 1024));
  EXPECT_NE(registry.Stored(kUser, kKey, "Saver"), nullptr);
}

}  // namespace
}  // namespace talvora
