#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/utf8_path.h"
#include "runtime/graphics/picture_file.h"
#include "tests/support/saver_harness.h"

namespace talvora {
namespace {

// Every record's corner (x, y) lies within [left, right] x [top, bottom].
void ExpectCornersWithin(const std::vector<TraceRecord>& records, int left, int top, int right,
                         int bottom) {
  for (const TraceRecord& record : records) {
    const int x = std::stoi(record.Get("x"));
    const int y = std::stoi(record.Get("y"));
    EXPECT_TRUE(x >= left && x <= right && y >= top && y <= bottom) << x << ',' << y;
  }
}

std::vector<std::int64_t> TimesOf(const std::vector<TraceRecord>& records) {
  std::vector<std::int64_t> times;
  for (const TraceRecord& record : records) times.push_back(record.t);
  return times;
}

TEST(SceneDispatcher, ASlideshowShowsItsFirstPictureAfter50MsThenEveryConfiguredSeconds) {
  SaverHarness saver;
  saver.Store("Saver", "3");
  saver.Store("SS03Vel", "7");
  saver.Start("/s");
  saver.AdvanceTo(14050);
  EXPECT_EQ(TimesOf(saver.Trace().Of("paint")), (std::vector<std::int64_t>{50, 7050, 14050}));
  EXPECT_EQ(saver.Trace().Of("interval", "timer", "Timer1").front().Get("ms"), "7000");
}

struct IntervalCase {
  std::string saver;
  std::string seconds;
  std::string expectedMs;
  friend std::ostream& operator<<(std::ostream& out, const IntervalCase& c) {
    return out << c.saver << ':' << c.seconds;
  }
};

class SlideshowIntervalTest : public testing::TestWithParam<IntervalCase> {};

TEST_P(SlideshowIntervalTest, SetsTheSceneTimerFromItsSecondsSetting) {
  SaverHarness saver;
  saver.Store("Saver", GetParam().saver);
  saver.Store(GetParam().saver == "4" ? "SS04Vel" : "SS05Vel", GetParam().seconds);
  saver.Start("/s");
  saver.AdvanceTo(50);
  EXPECT_EQ(saver.Trace().Of("interval", "timer", "Timer1").back().Get("ms"),
            GetParam().expectedMs);
}

INSTANTIATE_TEST_SUITE_P(Seconds, SlideshowIntervalTest,
                         testing::Values(IntervalCase{"4", "2.5", "2500"},
                                         IntervalCase{"4", "x", "3000"},
                                         IntervalCase{"5", "0", "4000"},
                                         IntervalCase{"5", "600", "65535"}));

TEST(SceneDispatcher, ASaverTextThatIsNotExactlyADigitDrawsNothing) {
  for (const std::string text : {" 3", "03", "6", ""}) {
    SaverHarness saver;
    saver.Store("Saver", text.empty() ? "9" : text);
    saver.Start("/s");
    saver.AdvanceTo(1000);
    EXPECT_TRUE(saver.Trace().Of("paint").empty()) << '"' << text << '"';
    EXPECT_TRUE(saver.Trace().Of("refresh").empty()) << '"' << text << '"';
  }
}

TEST(PosterSlideshow, PostersRunInOrderAndThe151stLandsOnAWipedScreen) {
  SaverHarness saver;
  saver.Store("Saver", "3");
  saver.Start("/s");
  saver.AdvanceTo(50 + 150 * 1000);
  const auto paints = saver.Trace().Of("paint");
  ASSERT_EQ(paints.size(), 151u);
  EXPECT_EQ(paints[0].Get("cell"), "0");
  EXPECT_EQ(paints[14].Get("cell"), "14");
  EXPECT_EQ(paints[15].Get("cell"), "0");
  const auto refreshes = saver.Trace().Of("refresh");
  ASSERT_EQ(refreshes.size(), 1u);
  EXPECT_EQ(refreshes[0].t, paints[150].t);
  ExpectCornersWithin(paints, 70, 70, 689, 445);
}

TEST(PosterSlideshow, PreviewDrawsSmallPosters) {
  SaverHarness saver;
  saver.Store("Saver", "3");
  saver.Start("/p 99");
  saver.AdvanceTo(50);
  const auto paints = saver.Trace().Of("paint");
  ASSERT_EQ(paints.size(), 1u);
  EXPECT_EQ(paints[0].Get("w"), "20");
  EXPECT_EQ(paints[0].Get("h"), "28");
}

TEST(ChampionSlideshow, ShowsOneTitleAtATimeInOrder) {
  SaverHarness saver;
  saver.Store("Saver", "4");
  saver.Store("SS04Vel", "1");
  saver.Start("/s");
  saver.AdvanceTo(50 + 4 * 1000);
  std::vector<std::string> cells;
  for (const TraceRecord& paint : saver.Trace().Of("paint")) cells.push_back(paint.Get("cell"));
  EXPECT_EQ(cells, (std::vector<std::string>{"0", "1", "2", "3", "0"}));
  EXPECT_EQ(saver.Trace().Of("refresh").size(), 5u);
}

TEST(CupTable, CyclesItsFourteenStagesWithTheirTitlesAndBackgrounds) {
  SaverHarness saver;
  saver.Store("Saver", "5");
  saver.Store("SS05Vel", "1");
  saver.Start("/s");
  saver.AdvanceTo(50 + 14 * 1000);
  std::vector<std::string> titles;
  for (const TraceRecord& c : saver.Trace().Of("caption", "control", "lblGrupo")) {
    titles.push_back(c.Get("text"));
  }
  EXPECT_EQ(titles,
            (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "Oitavas", "Oitavas",
                                      "Quartas", "Semifinais", "3º Lugar", "Final", "A"}));
  std::vector<std::string> cells;
  for (const TraceRecord& p : saver.Trace().Of("picture", "control", "picTabela")) {
    cells.push_back(p.Get("cell"));
  }
  EXPECT_EQ(cells, (std::vector<std::string>{"0", "1", "2", "3", "0", "1", "2", "3", "0", "2", "1",
                                             "2", "3", "4", "0"}));
  ExpectCornersWithin(saver.Trace().Of("move", "control", "picTabela"), 70, 70, 597, 349);
}

TEST(CupTable, FillsTheRowsOfEachStageFromTabelaIni) {
  SaverHarness saver;
  saver.Store("Saver", "5");
  saver.Store("SS05Vel", "1");
  saver.WriteProgramFile("tabela.ini",
                         "[A]\r\nJOGO01=Brasil 2 x 1 Escocia\r\nJOGO01DIA=10/06 12:30\r\n"
                         "[Oitavas]\r\nJOGO05=Brasil 4 x 1 Chile\r\n"
                         "[3\xBA Lugar]\r\nJOGO01=Croacia 2 x 1 Holanda\r\n"
                         "[Final]\r\nJOGO01=Brasil 0 x 3 Franca\r\n");
  saver.Start("/s");
  auto captionAt = [&](std::int64_t t, std::string_view control) {
    std::string text = "(not set)";
    for (const TraceRecord& c : saver.Trace().Of("caption", "control", control)) {
      if (c.t == t) text = c.Get("text");
    }
    return text;
  };
  saver.AdvanceTo(50 + 13 * 1000);
  EXPECT_EQ(captionAt(50, "lblJogo01(0)"), "Brasil 2 x 1 Escocia");
  EXPECT_EQ(captionAt(50, "lblJogo01Dia(0)"), "10/06 12:30");
  EXPECT_EQ(captionAt(50, "lblJogo01(1)"), "");
  EXPECT_EQ(captionAt(9050, "lblJogo01(1)"), "Brasil 4 x 1 Chile") << "stage 9: games 5 to 8";
  EXPECT_EQ(captionAt(12050, "lblJogo01(1)"), "Croacia 2 x 1 Holanda");
  EXPECT_EQ(captionAt(13050, "lblJogo01(3)"), "Brasil 0 x 3 Franca");
  EXPECT_EQ(captionAt(13050, "lblJogo01(1)"), "") << "the final empties every row first";
}

TEST(CupTable, PreviewOnlyMovesTheBadge) {
  SaverHarness saver;
  saver.Store("Saver", "5");
  saver.Start("/p 99");
  saver.AdvanceTo(50);
  EXPECT_EQ(saver.Trace().Of("move", "control", "Image1").size(), 1u);
  EXPECT_TRUE(saver.Trace().Of("move", "control", "picTabela").empty());
  EXPECT_TRUE(saver.Trace().Of("ini", "key", "JOGO01").empty()) << "tabela.ini is not read";
}

class BannerTest : public testing::Test {
 protected:
  void WritePicture(const std::string& name, int w, int h, Pixel color) {
    TempFolder scratch;
    const std::string file = scratch.PathOf("p.png");
    ASSERT_TRUE(WritePng(Surface(w, h, color), PathFromUtf8(file)));
    std::ifstream in(PathFromUtf8(file), std::ios::binary);
    saver.WriteDriveC("windows/system/" + name,
                      std::string(std::istreambuf_iterator<char>(in), {}));
  }
  std::vector<std::pair<std::int64_t, std::string>> Pictures() const {
    std::vector<std::pair<std::int64_t, std::string>> shown;
    for (const TraceRecord& p : saver.Trace().Of("picture", "control", "imgPropaganda01")) {
      shown.emplace_back(p.t, p.Get("file"));
    }
    return shown;
  }
  SaverHarness saver;
};

TEST_F(BannerTest, RotatesItsListKeepingTheLastPictureForTwoIntervals) {
  saver.WriteProgramFile("tlv.ini", "[1]\nTEMPO=5000\n");
  saver.WriteDriveC("windows/system/tlv.ini", "[1]\nARQUIVO00=a.png\nARQUIVO01=b.png\n");
  WritePicture("a.png", 300, 40, 0x00FF00);
  WritePicture("b.png", 200, 30, 0xFFFF00);
  saver.Start("/s");
  saver.AdvanceTo(25000);
  const std::string a = "c:\\windows\\system\\a.png";
  const std::string b = "c:\\windows\\system\\b.png";
  EXPECT_EQ(Pictures(), (std::vector<std::pair<std::int64_t, std::string>>{
                            {5000, a}, {10000, b}, {20000, a}, {25000, b}}));
  const auto moves = saver.Trace().Of("move", "control", "imgPropaganda01");
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves[0].Get("x"), "250");
  EXPECT_EQ(moves[0].Get("y"), "0");
}

TEST_F(BannerTest, PositionZeroPutsItAtTheBottomCentre) {
  saver.WriteProgramFile("tlv.ini", "[1]\nTEMPO=100\n");
  saver.WriteDriveC("windows/system/tlv.ini", "[1]\nARQUIVO00=a.png\nPOSICAO=0\n");
  WritePicture("a.png", 300, 40, 0x00FF00);
  saver.Start("/s");
  saver.AdvanceTo(100);
  const auto moves = saver.Trace().Of("move", "control", "imgPropaganda01");
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].Get("y"), "560");
  EXPECT_EQ(saver.Screen().At(400, 580), Pixel{0x00FF00});
}

TEST_F(BannerTest, SwitchedOffItNeverReadsTheList) {
  saver.WriteProgramFile("tlv.ini", "[1]\nLIGADO=0\nTEMPO=100\n");
  saver.Start("/s");
  saver.AdvanceTo(1000);
  EXPECT_TRUE(saver.Trace().Of("ini", "key", "ARQUIVO00").empty());
  EXPECT_EQ(saver.Trace().Of("enabled", "timer", "Timer2").back().Get("on"), "false");
}

TEST_F(BannerTest, AMissingPictureStopsTheRotationThere) {
  saver.WriteProgramFile("tlv.ini", "[1]\nTEMPO=100\n");
  saver.WriteDriveC("windows/system/tlv.ini",
                    "[1]\nARQUIVO00=a.png\nARQUIVO01=missing.png\nARQUIVO02=a.png\n");
  WritePicture("a.png", 30, 10, 0x00FF00);
  saver.Start("/s");
  saver.AdvanceTo(1000);
  EXPECT_EQ(Pictures().size(), 1u);
  EXPECT_EQ(saver.Trace().Of("ini", "key", "ARQUIVO02").size(), 0u);
}

TEST_F(BannerTest, PreviewLoadsButNeverShowsIt) {
  saver.WriteProgramFile("tlv.ini", "[1]\nTEMPO=100\n");
  saver.WriteDriveC("windows/system/tlv.ini", "[1]\nARQUIVO00=a.png\n");
  WritePicture("a.png", 30, 10, 0x00FF00);
  saver.Start("/p 99");
  saver.AdvanceTo(1000);
  EXPECT_FALSE(Pictures().empty());
  EXPECT_TRUE(saver.Trace().Of("visible", "control", "imgPropaganda01").empty());
}

}  // namespace
}  // namespace talvora
