#include "common/utf8_path.h"

#include <gtest/gtest.h>

namespace talvora {
namespace {

TEST(Utf8Path, KeepsNonAsciiCharactersBothWays) {
  for (const std::string text : {"tabela.ini", "Copa ção/3º Lugar.ini", "日本/😀"}) {
    EXPECT_EQ(PathToUtf8(PathFromUtf8(text)), text);
  }
  // Read in code page 1252 the two bytes of "ç" would make two characters.
  EXPECT_TRUE(PathFromUtf8("ç").u8string() == u8"ç");
  EXPECT_EQ(PathToUtf8(std::filesystem::path(u8"Seleção")), "Seleção");
}

}  // namespace
}  // namespace talvora
