#include "settings/ini_value.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/text_encoding.h"
#include "common/utf8_path.h"
#include "platform/posix/ini_file_profile.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Remembers what it was asked and answers with a fixed text.
class RecordingProfile final : public ProfileService {
 public:
  struct Call {
    std::string section, key, defaultText;
    std::size_t bufferSize;
  };

  explicit RecordingProfile(std::string answer) : answer_(std::move(answer)) {}

  void GetString(std::string_view section, std::string_view key, std::string_view defaultText,
                 std::size_t bufferSize, const std::filesystem::path&,
                 std::string& copied) const override {
    calls_.push_back(
        {std::string(section), std::string(key), std::string(defaultText), bufferSize});
    copied = answer_;
  }

  const std::vector<Call>& Calls() const { return calls_; }

 private:
  std::string answer_;
  mutable std::vector<Call> calls_;
};

struct PassedCase {
  const char* what;
  std::optional<std::string> content;  // nullopt: no file
  bool utf8;                           // the texts go to the service as UTF-8, else ANSI
  friend std::ostream& operator<<(std::ostream& out, const PassedCase& c) { return out << c.what; }
};

class GetIniValuePassesTest : public testing::TestWithParam<PassedCase> {};

TEST_P(GetIniValuePassesTest, TextsInTheFilesEncodingAndA255CharacterBuffer) {
  const TempFolder folder;
  const std::string file = GetParam().content ? folder.Write("t.ini", *GetParam().content)
                                              : folder.PathOf("missing.ini");
  const RecordingProfile profile("x");
  GetIniValue(profile, "3º Lugar", "JOGO01DIA", "Sem informação", file);
  ASSERT_EQ(profile.Calls().size(), 1u);
  const auto& call = profile.Calls().front();
  EXPECT_EQ(call.section, GetParam().utf8 ? "3º Lugar" : "3\xBA Lugar");
  EXPECT_EQ(call.key, "JOGO01DIA");
  EXPECT_EQ(call.defaultText, GetParam().utf8 ? "Sem informação" : "Sem informa\xE7\xE3o");
  EXPECT_EQ(call.bufferSize, 255u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GetIniValuePassesTest,
    testing::Values(PassedCase{"missing file: ANSI", std::nullopt, false},
                    PassedCase{"ASCII file: ANSI", "[Final]\nJOGO01=x\n", false},
                    PassedCase{"1252 file: ANSI", "[3\xBA Lugar]\n", false},
                    PassedCase{"UTF-8 file: UTF-8", "[3º Lugar]\n", true},
                    PassedCase{"UTF-8 with signature: ANSI, the service decodes it",
                               std::string(kBom) + "[3º Lugar]\n", false},
                    PassedCase{"bytes not UTF-8 after UTF-8 ones: ANSI",
                               "[3º Lugar]\nJOGO01=\xE9\n", false}));

TEST(GetIniValue, TakesTheServicesCountAsA16BitNumber) {
  const TempFolder folder;
  const std::string file = folder.PathOf("missing.ini");
  EXPECT_EQ(GetIniValue(RecordingProfile(""), "s", "k", "", file), "");
  EXPECT_EQ(GetIniValue(RecordingProfile(std::string(65536, 'x')), "s", "k", "", file), "");
  EXPECT_EQ(GetIniValue(RecordingProfile("y" + std::string(65536, 'x')), "s", "k", "", file), "y");
}

struct ReadCase {
  const char* what;
  std::optional<std::string> content;  // nullopt: no file
  std::string section;
  std::string key;
  std::string defaultText;
  std::string expected;
  friend std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.what; }
};

class GetIniValueReadsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(GetIniValueReadsTest, GivesUtf8Text) {
  const auto& c = GetParam();
  const TempFolder folder;
  const std::string file =
      c.content ? folder.Write("tabela.ini", *c.content) : folder.PathOf("tabela.ini");
  const std::string value = GetIniValue(IniFileProfile(), c.section, c.key, c.defaultText, file);
  EXPECT_EQ(value, c.expected);
  EXPECT_TRUE(IsValidUtf8(value));
}

INSTANTIATE_TEST_SUITE_P(
    Files, GetIniValueReadsTest,
    testing::Values(
        ReadCase{"3º Lugar in a 1252 file",
                 "[Final]\nJOGO01=x\n[3\xBA Lugar]\nJOGO01=Fran\xE7"
                 "a 2 x 1 B\xE9lgica\n",
                 "3º Lugar", "JOGO01", "", "França 2 x 1 Bélgica"},
        ReadCase{"3º Lugar in a UTF-8 file",
                 "[Final]\nJOGO01=x\n[3º Lugar]\nJOGO01=França 2 x 1 Bélgica\n", "3º Lugar",
                 "JOGO01", "", "França 2 x 1 Bélgica"},
        ReadCase{"3º Lugar in a UTF-8 file with a signature",
                 std::string(kBom) + "[Final]\nJOGO01=x\n[3º Lugar]\nJOGO01=França 2 x 1 Bélgica\n",
                 "3º Lugar", "JOGO01", "", "França 2 x 1 Bélgica"},
        ReadCase{"a name in ASCII case", "[3º LUGAR]\njogo01=Itália\n", "3º Lugar", "JOGO01", "",
                 "Itália"},
        ReadCase{"a missing file gives the default", std::nullopt, "3º Lugar", "JOGO01",
                 "Sem informação", "Sem informação"},
        ReadCase{"a UTF-8 file gives the default", "[3º Lugar]\n", "3º Lugar", "JOGO01",
                 "Sem informação", "Sem informação"},
        ReadCase{"an empty value", "[A]\nJOGO01=\n", "A", "JOGO01", "Sem informação", ""},
        ReadCase{"300 ANSI characters read as 254",
                 "[A]\nJOGO01=" + std::string(300, '\xE9') + "\n", "A", "JOGO01", "",
                 Repeat("é", 254)},
        ReadCase{"a cut UTF-8 character goes whole", "[A]\nJOGO01=a" + Repeat("é", 300) + "\n", "A",
                 "JOGO01", "", "a" + Repeat("é", 126)},
        ReadCase{"a cut three-byte character goes whole", "[A]\nJOGO01=" + Repeat("€", 100) + "\n",
                 "A", "JOGO01", "", Repeat("€", 84)},
        ReadCase{"a cut four-byte character goes whole", "[A]\nJOGO01=a" + Repeat("😀", 70) + "\n",
                 "A", "JOGO01", "", "a" + Repeat("😀", 63)},
        ReadCase{"a character ending at the cut stays", "[A]\nJOGO01=ab" + Repeat("é", 300) + "\n",
                 "A", "JOGO01", "", "ab" + Repeat("é", 126)}));

// One reader goes from file to file, as the scenes' reader does; what one
// read learnt of its file must not colour the next.
TEST(IniValueReader, ReadsEachFileInItsOwnEncoding) {
  const TempFolder folder;
  const auto utf8File = PathFromUtf8(folder.Write("utf8.ini", "[3º Lugar]\nJOGO01=Itália\n"));
  const auto ansiFile =
      PathFromUtf8(folder.Write("ansi.ini", "[3\xBA Lugar]\nJOGO01=Fran\xE7" "a\n"));
  const auto missing = PathFromUtf8(folder.PathOf("missing.ini"));
  const IniFileProfile profile;
  IniValueReader reader;
  struct Step {
    const std::filesystem::path& file;
    std::string_view expected;
    bool found;
  };
  for (const Step& step : {Step{utf8File, "Itália", true}, Step{ansiFile, "França", true},
                           Step{missing, "Sem informação", false},
                           Step{utf8File, "Itália", true}, Step{ansiFile, "França", true}}) {
    EXPECT_EQ(reader.Read(profile, "3º Lugar", "JOGO01", "Sem informação", step.file),
              step.expected);
    EXPECT_EQ(reader.FoundFile(), step.found);
  }
}

}  // namespace
}  // namespace talvora
