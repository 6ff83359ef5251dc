// Long runs of each scene with the banner on the virtual clock while its files
// change under it every minute: tabela.ini and tlv.ini rewritten, banner
// pictures there, missing or corrupt. Nothing may crash, the heap must stay
// flat and the banner must show exactly the pictures that can be shown.
//
// The test suite runs twenty virtual minutes per scene; TALVORA_SOAK_HOURS asks
// for hours (scripts/soak runs the whole day).

#include <gtest/gtest.h>
#include <malloc.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "common/utf8_path.h"
#include "runtime/graphics/picture_file.h"
#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

constexpr std::int64_t kMinuteMs = 60'000;
constexpr std::int64_t kHourMs = 60 * kMinuteMs;
constexpr int kBannerIntervalMs = 1000;
constexpr int kEntries = 4;
constexpr std::string_view kBannerControl = "imgPropaganda01";

constexpr std::int64_t kSuiteMinutes = 20;

std::int64_t SoakMinutes() {
  const char* hours = std::getenv("TALVORA_SOAK_HOURS");
  const int asked = hours == nullptr ? 0 : std::atoi(hours);
  return asked > 0 ? asked * (kHourMs / kMinuteMs) : kSuiteMinutes;
}

// The bytes of the heap in use, small blocks and mapped ones alike.
std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::string PngBytes(int width, int height, Pixel colour) {
  const TempFolder scratch;
  const std::string file = scratch.PathOf("p.png");
  if (!WritePng(Surface(width, height, colour), PathFromUtf8(file))) return {};
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

enum class Banner { kGood, kMissing, kCorrupt };

// What a banner entry's picture is during a minute: the states rotate so that
// every entry is each of them in turn, two in three minutes unshowable.
Banner BannerState(std::int64_t minute, int entry) {
  static constexpr std::array<Banner, 3> kStates{Banner::kGood, Banner::kMissing, Banner::kCorrupt};
  return kStates[static_cast<std::size_t>((minute + entry) % 3)];
}

std::string BannerName(int entry) { return "b" + std::to_string(entry) + ".png"; }

// The first game of group A in the minute's tabela.ini, "" in the minutes it
// is garbage or missing.
std::string FirstGame(std::int64_t minute) {
  if (minute % 5 == 3 || minute % 5 == 4) return "";
  return "Brasil " + std::to_string(minute % 10) + " x 1 Escocia";
}

// Keeps what the checks need of the trace, so that a long run keeps nothing.
class SoakTracer final : public Tracer {
 public:
  void Record(std::string_view op, std::initializer_list<TraceField> fields) override {
    if (op == "picture" && Field(fields, "control") == kBannerControl) {
      shown.emplace_back(Field(fields, "file"));
    } else if (op == "ini" && Field(fields, "section") == "A" && Field(fields, "key") == "JOGO01") {
      firstGames.emplace_back(Field(fields, "value"));
    }
  }

  std::vector<std::string> shown;
  std::vector<std::string> firstGames;

 private:
  static std::string_view Field(std::initializer_list<TraceField> fields, std::string_view key) {
    for (const TraceField& field : fields) {
      if (field.key != key) continue;
      if (const auto* text = std::get_if<std::string_view>(&field.value)) return *text;
    }
    return {};
  }
};

struct SoakCase {
  std::string_view name;
  std::string_view saver;
};

std::ostream& operator<<(std::ostream& out, const SoakCase& c) { return out << c.name; }

class Soak : public testing::TestWithParam<SoakCase> {
 protected:
  // A small screen: the soak is about the run, not the size of its frames.
  Soak() : saver_({320, 240}) {
    saver_.Session().SetTracer(&trace_);
    saver_.Store("Saver", GetParam().saver);
    for (const char* seconds : {"SS03Vel", "SS04Vel", "SS05Vel"}) saver_.Store(seconds, "1");
    goodPictures_ = {PngBytes(200, 30, 0x00FF00), PngBytes(120, 40, 0xFFFF00)};
  }

  // The files as they are during the minute.
  void RewriteFiles(std::int64_t minute) {
    const std::string section = "[" + std::string(GetParam().saver) + "]\n";
    saver_.WriteProgramFile("tlv.ini", section + "TEMPO=" + std::to_string(kBannerIntervalMs) +
                                           "\n; minute " + std::to_string(minute) + "\n");
    std::string list = section;
    for (int entry = 0; entry < kEntries; ++entry) {
      list += "ARQUIVO0" + std::to_string(entry) + "=" + BannerName(entry) + "\n";
    }
    saver_.WriteDriveC("windows/system/tlv.ini",
                       list + "POSICAO=" + std::to_string(minute % 2) + "\n");
    for (int entry = 0; entry < kEntries; ++entry) WriteBanner(minute, entry);
    WriteTable(minute);
  }

  void WriteBanner(std::int64_t minute, int entry) {
    const std::string path = "windows/system/" + BannerName(entry);
    const std::string& good = goodPictures_[static_cast<std::size_t>((minute + entry) % 2)];
    switch (BannerState(minute, entry)) {
      case Banner::kGood:
        saver_.WriteDriveC(path, good);
        break;
      case Banner::kMissing:
        std::filesystem::remove(saver_.DriveCPath(path));
        break;
      case Banner::kCorrupt:
        saver_.WriteDriveC(path, good.substr(0, good.size() / 2));
        break;
    }
  }

  void WriteTable(std::int64_t minute) {
    if (minute % 5 == 4) {
      std::filesystem::remove(saver_.DriveCPath("talvora/tabela.ini"));
    } else if (minute % 5 == 3) {
      saver_.WriteProgramFile("tabela.ini", std::string("\xEF\xBB\xBF[A\0\xFF\r\r=\n", 12));
    } else {
      saver_.WriteProgramFile("tabela.ini", "[A]\nJOGO01=" + FirstGame(minute) +
                                                "\nJOGO01DIA=10/06 12:30\n[Final]\nJOGO01=x\n");
    }
  }

  // Runs the minute timer by timer, checking each banner tick against the
  // rotation: a showable entry is shown and the next one comes; an
  // unshowable one holds the rotation; past the list it starts again.
  void RunMinute(std::int64_t minute) {
    const std::int64_t end = (minute + 1) * kMinuteMs;
    for (std::int64_t due = saver_.Session().NextDueMs(); due >= 0 && due < end;
         due = saver_.Session().NextDueMs()) {
      const bool bannerTick = saver_.Saver().Timer2().DueMs() == due;
      trace_.shown.clear();
      saver_.AdvanceTo(due);
      if (bannerTick) CheckBannerTick(minute);
      ASSERT_TRUE(saver_.SaverLoaded());
    }
    saver_.AdvanceTo(end - 1);
    for (const std::string& game : trace_.firstGames) EXPECT_EQ(game, FirstGame(minute));
    trace_.firstGames.clear();
  }

  void CheckBannerTick(std::int64_t minute) {
    std::vector<std::string> expected;
    if (entry_ == kEntries) {
      entry_ = 0;
    } else if (BannerState(minute, entry_) == Banner::kGood) {
      expected.push_back("c:\\windows\\system\\" + BannerName(entry_++));
    }
    ASSERT_EQ(trace_.shown, expected) << "minute " << minute;
  }

  SaverHarness saver_;
  SoakTracer trace_;
  std::array<std::string, 2> goodPictures_;
  int entry_ = 0;
};

TEST_P(Soak, RunsWithChangingFilesKeepingTheHeapFlatAndShowingEveryPicture) {
  const std::int64_t minutes = SoakMinutes();
  RewriteFiles(0);
  saver_.Start("/s");
  // The heap after the first ten minutes, when every kind of file has been
  // seen and every buffer has grown to its size.
  constexpr std::int64_t kWarmUpMinutes = 10;
  std::size_t settled = 0;
  std::size_t highest = 0;
  for (std::int64_t minute = 0; minute < minutes; ++minute) {
    if (minute > 0) RewriteFiles(minute);
    RunMinute(minute);
    if (HasFatalFailure()) return;
    if (minute + 1 == kWarmUpMinutes) settled = HeapInUse();
    if (minute + 1 > kWarmUpMinutes) highest = std::max(highest, HeapInUse());
  }
  constexpr std::size_t kAllowedGrowth = 256 * 1024;
  EXPECT_LE(highest, settled + kAllowedGrowth) << "heap after warm-up " << settled;
}

INSTANTIATE_TEST_SUITE_P(EveryScene, Soak,
                         testing::Values(SoakCase{"FlyingBalls", "1"},
                                         SoakCase{"FlyingTrophies", "2"}, SoakCase{"Posters", "3"},
                                         SoakCase{"Champions", "4"}, SoakCase{"CupTable", "5"}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace talvora
