#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace talvora {

// A number stored as decimal text, read with LeadingNumber and RoundToInteger
// and then limited: a value below `minimum` becomes `belowMinimum`, one above
// `maximum` becomes `aboveMaximum`.
struct IntegerField {
  std::int32_t Settings::*member;
  std::int32_t minimum;
  std::int32_t belowMinimum;
  std::int32_t maximum;
  std::int32_t aboveMaximum;
};

// A boolean stored as exactly "TRUE" or "FALSE"; any other text reads as
// false, except that an empty text reads as `emptyReadsAs`.
struct BooleanField {
  bool Settings::*member;
  bool emptyReadsAs;
};

// A text stored as held; an empty text reads as the default.
struct TextField {
  std::string Settings::*member;
  std::string_view defaultText;
};

struct PersistedField {
  std::string_view name;  // the registry value's name
  std::variant<IntegerField, BooleanField, TextField> kind;
};

inline constexpr std::string_view kDefaultEmail = "contato@talvora.example";
inline constexpr std::string_view kDefaultUrl = "http://www.talvora.example/";
inline constexpr std::string_view kDefaultSenha = "0";

// The persisted fields, in the order they are read and written.
inline constexpr std::array<PersistedField, 22> kPersistedFields = {{
    {"SpriteCount", IntegerField{&Settings::SpriteCount, 1, 8, 30, 30}},
    {"TracersOn", BooleanField{&Settings::TracersOn, false}},
    {"RefreshRate", IntegerField{&Settings::RefreshRate, 1, 100, 100, 100}},
    {"RateRandom", BooleanField{&Settings::RateRandom, false}},
    {"SpriteSize", IntegerField{&Settings::SpriteSize, 25, 25, 150, 150}},
    {"SizeRandom", BooleanField{&Settings::SizeRandom, true}},
    {"SpriteSpeed", IntegerField{&Settings::SpriteSpeed, 1, 1, 50, 50}},
    {"SpeedRandom", BooleanField{&Settings::SpeedRandom, false}},
    {"Email", TextField{&Settings::Email, kDefaultEmail}},
    {"Url", TextField{&Settings::Url, kDefaultUrl}},
    {"Saver", TextField{&Settings::Saver, "1"}},
    {"Mouse", TextField{&Settings::Mouse, "0"}},
    {"Tela", TextField{&Settings::Tela, "0"}},
    {"Senha", TextField{&Settings::Senha, kDefaultSenha}},
    {"BolasNum", TextField{&Settings::BolasNum, "4"}},
    {"BolasVel", TextField{&Settings::BolasVel, "6"}},
    {"TrofeusNum", TextField{&Settings::TrofeusNum, "4"}},
    {"TrofeusVel", TextField{&Settings::TrofeusVel, "5"}},
    {"TrofeusTipo", TextField{&Settings::TrofeusTipo, "2"}},
    {"SS03Vel", TextField{&Settings::SS03Vel, "1"}},
    {"SS04Vel", TextField{&Settings::SS04Vel, "3"}},
    {"SS05Vel", TextField{&Settings::SS05Vel, "4"}},
}};

// The field's value converted from its stored text, limits applied.
void ReadField(const PersistedField& field, std::string_view stored, Settings& settings);

// The text the field is stored as.
std::string StoredText(const PersistedField& field, const Settings& settings);

}  // namespace talvora
