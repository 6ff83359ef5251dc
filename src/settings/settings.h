#pragma once

#include <cstdint>
#include <string>

namespace talvora {

// All configuration values, named after their registry values. Every field
// but SysDir and WinDir is persisted; LoadSettings and SaveSettings move all
// of them at once.
struct Settings {
  std::int32_t SpriteCount = 0;
  bool TracersOn = false;
  std::int32_t RefreshRate = 0;
  bool RateRandom = false;
  std::int32_t SpriteSize = 0;
  bool SizeRandom = false;
  std::int32_t SpriteSpeed = 0;
  bool SpeedRandom = false;
  std::string Email;
  std::string Url;
  std::string SysDir;  // the Windows system folder with a trailing backslash; not stored
  std::string WinDir;  // the Windows folder with a trailing backslash; not stored
  std::string Saver;
  std::string Mouse;
  std::string Tela;
  std::string Senha;
  std::string BolasNum;
  std::string BolasVel;
  std::string TrofeusNum;
  std::string TrofeusVel;
  std::string TrofeusTipo;
  std::string SS03Vel;
  std::string SS04Vel;
  std::string SS05Vel;

  friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace talvora
