#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/fake/memory_registry.h"
#include "settings/settings_fields.h"
#include "settings/settings_location.h"

namespace talvora {
namespace {

constexpr auto kMachine = RegistryRoot::kLocalMachine;

void Store(MemoryRegistry& registry, std::string_view name, std::string_view text) {
  registry.Set(kMachine, kSettingsKey, name, {kRegSz, std::string(text)});
}

Settings Loaded(MemoryRegistry& registry) {
  Settings settings;
  LoadSettings(registry, settings);
  return settings;
}

TEST(LoadSettings, AnEmptyRegistryGivesTheDefaults) {
  MemoryRegistry registry;
  const Settings s = Loaded(registry);
  EXPECT_EQ(s.SpriteCount, 8);
  EXPECT_FALSE(s.TracersOn);
  EXPECT_EQ(s.RefreshRate, 100);
  EXPECT_FALSE(s.RateRandom);
  EXPECT_EQ(s.SpriteSize, 25);
  EXPECT_TRUE(s.SizeRandom);
  EXPECT_EQ(s.SpriteSpeed, 1);
  EXPECT_FALSE(s.SpeedRandom);
  EXPECT_EQ(s.Email, kDefaultEmail);
  EXPECT_EQ(s.Url, kDefaultUrl);
  EXPECT_EQ(s.Senha.size(), 1u);
  EXPECT_EQ(s.Saver, "1");
  EXPECT_EQ(s.Mouse, "0");
  EXPECT_EQ(s.Tela, "0");
  EXPECT_EQ(s.BolasNum, "4");
  EXPECT_EQ(s.BolasVel, "6");
  EXPECT_EQ(s.TrofeusNum, "4");
  EXPECT_EQ(s.TrofeusVel, "5");
  EXPECT_EQ(s.TrofeusTipo, "2");
  EXPECT_EQ(s.SS03Vel, "1");
  EXPECT_EQ(s.SS04Vel, "3");
  EXPECT_EQ(s.SS05Vel, "4");
}

struct NumberCase {
  std::string field;
  std::string stored;
  std::int32_t expected;
  friend std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
    return out << c.field << "=\"" << c.stored << '"';
  }
};

std::int32_t NumberField(const Settings& s, std::string_view name) {
  for (const PersistedField& field : kPersistedFields) {
    if (field.name == name) return s.*std::get<IntegerField>(field.kind).member;
  }
  ADD_FAILURE() << "no numeric field " << name;
  return 0;
}

class NumericFieldTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumericFieldTest, ReadsRoundedAndLimited) {
  MemoryRegistry registry;
  Store(registry, GetParam().field, GetParam().stored);
  EXPECT_EQ(NumberField(Loaded(registry), GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, NumericFieldTest,
    testing::Values(NumberCase{"SpriteCount", "0", 8}, NumberCase{"SpriteCount", "-5", 8},
                    NumberCase{"SpriteCount", "1", 1}, NumberCase{"SpriteCount", "30", 30},
                    NumberCase{"SpriteCount", "31", 30}, NumberCase{"SpriteCount", "2.5", 2},
                    NumberCase{"SpriteCount", "3.5", 4}, NumberCase{"SpriteCount", "12abc", 12},
                    NumberCase{"SpriteCount", "abc", 8}, NumberCase{"SpriteCount", "", 8},
                    NumberCase{"SpriteCount", " 7 ", 7}, NumberCase{"SpriteCount", "0.5", 8},
                    NumberCase{"SpriteCount", "99999999999", 30},
                    NumberCase{"SpriteCount", "1e999", 30}, NumberCase{"SpriteCount", "-1e999", 8},
                    NumberCase{"SpriteCount", "&H1E", 30}, NumberCase{"RefreshRate", "0", 100},
                    NumberCase{"RefreshRate", "50", 50}, NumberCase{"RefreshRate", "101", 100},
                    NumberCase{"RefreshRate", "99999999999", 100},
                    NumberCase{"SpriteSize", "10", 25}, NumberCase{"SpriteSize", "80", 80},
                    NumberCase{"SpriteSize", "151", 150},
                    NumberCase{"SpriteSize", "-99999999999", 25}, NumberCase{"SpriteSpeed", "0", 1},
                    NumberCase{"SpriteSpeed", "50", 50}, NumberCase{"SpriteSpeed", "51", 50},
                    NumberCase{"SpriteSpeed", "1d1", 10}));

TEST(LoadSettings, BooleansAreTrueOnlyForExactlyTRUE) {
  MemoryRegistry registry;
  Store(registry, "TracersOn", "true");
  Store(registry, "RateRandom", "TRUE");
  Store(registry, "SpeedRandom", "TRUE ");
  Store(registry, "SizeRandom", "FALSE");
  Settings s = Loaded(registry);
  EXPECT_FALSE(s.TracersOn);
  EXPECT_TRUE(s.RateRandom);
  EXPECT_FALSE(s.SpeedRandom);
  EXPECT_FALSE(s.SizeRandom);

  for (const std::string sizeRandom : {"", "TRUE"}) {
    Store(registry, "SizeRandom", sizeRandom);
    EXPECT_TRUE(Loaded(registry).SizeRandom) << '"' << sizeRandom << '"';
  }
  Store(registry, "SizeRandom", "yes");
  EXPECT_FALSE(Loaded(registry).SizeRandom);
}

TEST(LoadSettings, TextsComeBackExactlyAsStored) {
  MemoryRegistry registry;
  Store(registry, "Saver", " 3 ");
  Store(registry, "Tela", " 1");
  Store(registry, "Email",
        "Cr\xE9"
        "ditos");
  Store(registry, "BolasNum", "");
  const Settings s = Loaded(registry);
  EXPECT_EQ(s.Saver, " 3 ");
  EXPECT_EQ(s.Tela, " 1");
  EXPECT_EQ(s.Email, "Créditos");
  EXPECT_EQ(s.BolasNum, "4");
}

TEST(LoadSettings, OverwritesEveryPersistedFieldButLeavesThePaths) {
  MemoryRegistry registry;
  Settings s;
  s.Saver = "5";
  s.SpriteCount = 17;
  s.SysDir = "c:\\windows\\system\\";
  s.WinDir = "c:\\windows\\";
  LoadSettings(registry, s);
  EXPECT_EQ(s.Saver, "1");
  EXPECT_EQ(s.SpriteCount, 8);
  EXPECT_EQ(s.SysDir, "c:\\windows\\system\\");
  EXPECT_EQ(s.WinDir, "c:\\windows\\");
}

TEST(SaveSettings, WritesAll22ValuesAsTextsThatLoadBack) {
  MemoryRegistry registry;
  Settings s = Loaded(registry);
  s.SpriteCount = 12;
  s.TracersOn = true;
  s.SizeRandom = false;
  s.Saver = "4";
  s.Tela = " 1";
  s.Email = "3º Lugar";
  s.Senha = "";
  SaveSettings(registry, s);

  ASSERT_NE(registry.Tree().FindKey(FullKeyPath(kMachine, kSettingsKey)), nullptr);
  EXPECT_EQ(registry.Tree().FindKey(FullKeyPath(kMachine, kSettingsKey))->values.size(), 22u);
  auto stored = [&](std::string_view name) {
    return registry.Stored(kMachine, kSettingsKey, name)->data;
  };
  EXPECT_EQ(stored("SpriteCount"), "12");
  EXPECT_EQ(stored("TracersOn"), "TRUE");
  EXPECT_EQ(stored("SizeRandom"), "FALSE");
  EXPECT_EQ(stored("Email"), "3\xBA Lugar");
  EXPECT_EQ(stored("Senha"), " ");
  EXPECT_EQ(registry.Stored(kMachine, kSettingsKey, "SysDir"), nullptr);

  Settings back = Loaded(registry);
  s.Senha = " ";  // an empty text is stored as a blank, which is not empty
  EXPECT_EQ(back, s);
}

TEST(SaveSettings, WritesTheValuesInFieldOrder) {
  MemoryRegistry registry;
  SaveSettings(registry, Loaded(registry));
  const auto& values = registry.Tree().FindKey(FullKeyPath(kMachine, kSettingsKey))->values;
  ASSERT_EQ(values.size(), kPersistedFields.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(values[i].name, kPersistedFields[i].name);
}

TEST(SaveSettings, AFailedWriteEverywhereKeepsThePreviousValues) {
  MemoryRegistry registry;
  Store(registry, "Saver", "3");
  registry.RefuseWrites(kMachine);
  registry.RefuseWrites(RegistryRoot::kCurrentUser);
  Settings s = Loaded(registry);
  s.Saver = "5";
  SaveSettings(registry, s);
  EXPECT_EQ(Loaded(registry).Saver, "3");
}

}  // namespace
}  // namespace talvora
