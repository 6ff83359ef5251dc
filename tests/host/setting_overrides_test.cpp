#include "host/live/setting_overrides.h"

#include <gtest/gtest.h>

#include "platform/fake/memory_registry.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

class SettingOverridesTest : public ::testing::Test {
 protected:
  void Store(std::string_view name, std::string_view text) {
    store_.Set(RegistryRoot::kLocalMachine, kSettingsKey, name, {kRegSz, std::string(text)});
  }
  std::optional<RegistryValue> Query(Registry& registry, RegistryRoot root, std::string_view name,
                                     std::size_t maxBytes = 255) {
    return registry.Query(root, kSettingsKey, name, maxBytes);
  }

  MemoryRegistry store_;
};

TEST_F(SettingOverridesTest, AGivenSettingHidesTheStoredOneUnderBothRoots) {
  Store("Saver", "1");
  SettingOverrides registry(store_, {{"saver", "3"}});
  for (const RegistryRoot root : {RegistryRoot::kLocalMachine, RegistryRoot::kCurrentUser}) {
    EXPECT_EQ(Query(registry, root, "Saver"), (RegistryValue{kRegSz, "3"}));
  }
}

TEST_F(SettingOverridesTest, TheLastOfTwoGivenValuesWins) {
  SettingOverrides registry(store_, {{"Saver", "2"}, {"Saver", "5"}});
  EXPECT_EQ(Query(registry, RegistryRoot::kLocalMachine, "Saver"), (RegistryValue{kRegSz, "5"}));
}

TEST_F(SettingOverridesTest, OtherValuesAndWritesGoToTheStore) {
  Store("BolasNum", "9");
  SettingOverrides registry(store_, {{"Saver", "2"}});
  EXPECT_EQ(Query(registry, RegistryRoot::kLocalMachine, "BolasNum"), (RegistryValue{kRegSz, "9"}));
  EXPECT_EQ(registry.Query(RegistryRoot::kLocalMachine, "SOFTWARE\\Other", "Saver", 255),
            std::nullopt);
  ASSERT_TRUE(registry.Set(RegistryRoot::kLocalMachine, kSettingsKey, "Saver", {kRegSz, "4"}));
  EXPECT_EQ(Query(store_, RegistryRoot::kLocalMachine, "Saver"), (RegistryValue{kRegSz, "4"}));
  EXPECT_EQ(Query(registry, RegistryRoot::kLocalMachine, "Saver"), (RegistryValue{kRegSz, "2"}));
}

TEST_F(SettingOverridesTest, TextsAreHeldInTheAnsiCodePageAndLimitedLikeStoredOnes) {
  SettingOverrides registry(store_, {{"Email", "jo\xC3\xA3o@example"}});
  EXPECT_EQ(Query(registry, RegistryRoot::kLocalMachine, "Email"),
            (RegistryValue{kRegSz, "jo\xE3o@example"}));
  EXPECT_EQ(Query(registry, RegistryRoot::kLocalMachine, "Email", 4), std::nullopt);
}

TEST_F(SettingOverridesTest, LoadSettingsReadsTheGivenValues) {
  Store("Saver", "1");
  SettingOverrides registry(store_, {{"Saver", "4"}, {"SS04Vel", "12"}});
  Settings settings;
  LoadSettings(registry, settings);
  EXPECT_EQ(settings.Saver, "4");
  EXPECT_EQ(settings.SS04Vel, "12");
}

}  // namespace
}  // namespace talvora
