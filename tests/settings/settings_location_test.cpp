#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include "platform/fake/memory_registry.h"

namespace talvora {
namespace {

constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr auto kUser = RegistryRoot::kCurrentUser;

std::string Read(Registry& registry, std::string_view name) {
  std::string text;
  EXPECT_TRUE(ReadSettingValue(registry, name, text)) << name;
  return text;
}

// A user without administrator rights: HKEY_LOCAL_MACHINE is read-only.
class UserWithoutAdminRights : public testing::Test {
 protected:
  void SetUp() override {
    registry.Set(kMachine, kSettingsKey, "Saver", {kRegSz, "2"});
    registry.RefuseWrites(kMachine);
  }
  MemoryRegistry registry;
};

TEST_F(UserWithoutAdminRights, GetsBackWhatTheySaved) {
  EXPECT_TRUE(WriteSettingValue(registry, "Saver", "4"));
  EXPECT_EQ(registry.Stored(kMachine, kSettingsKey, "Saver")->data, "2");
  EXPECT_EQ(registry.Stored(kUser, kSettingsKey, "Saver")->data, "4");
  EXPECT_EQ(Read(registry, "Saver"), "4");
}

TEST_F(UserWithoutAdminRights, StillReadsMachineWideValuesTheyNeverSaved) {
  EXPECT_EQ(Read(registry, "Saver"), "2");
}

TEST_F(UserWithoutAdminRights, ALaterMachineWideSaveIsNotShadowed) {
  WriteSettingValue(registry, "Saver", "4");
  registry.RefuseWrites(kMachine, false);  // the same user, now elevated
  EXPECT_TRUE(WriteSettingValue(registry, "Saver", "5"));
  EXPECT_EQ(registry.Stored(kUser, kSettingsKey, "Saver"), nullptr);
  EXPECT_EQ(Read(registry, "Saver"), "5");
}

TEST(SettingsLocation, AnAdministratorWritesMachineWideOnly) {
  MemoryRegistry registry;
  EXPECT_TRUE(WriteSettingValue(registry, "Mouse", "1"));
  EXPECT_EQ(registry.Stored(kMachine, kSettingsKey, "Mouse")->data, "1");
  EXPECT_EQ(registry.Stored(kUser, kSettingsKey, "Mouse"), nullptr);
}

TEST(SettingsLocation, AWriteRefusedEverywhereFails) {
  MemoryRegistry registry;
  registry.RefuseWrites(kMachine);
  registry.RefuseWrites(kUser);
  EXPECT_FALSE(WriteSettingValue(registry, "Mouse", "1"));
  std::string text = "x";
  EXPECT_FALSE(ReadSettingValue(registry, "Mouse", text));
  EXPECT_EQ(text, "");
}

TEST(SettingsLocation, AnUnreadablePerUserCopyFallsBackToTheMachineValue) {
  MemoryRegistry registry;
  registry.Set(kMachine, kSettingsKey, "Mouse", {kRegSz, "1"});
  registry.Set(kUser, kSettingsKey, "Mouse", {kRegSz, "0"});
  registry.RefuseReads(kUser);
  EXPECT_EQ(Read(registry, "Mouse"), "1");
}

}  // namespace
}  // namespace talvora
