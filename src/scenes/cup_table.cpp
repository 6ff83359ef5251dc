#include "scenes/cup_table.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "scenes/random_placement.h"

namespace talvora {
namespace {

constexpr PixelRect kPanelBounds{0, 0, 202, 250};
constexpr int kFullScreenMargin = 70;
constexpr int kBadgeWidth = 50;
constexpr int kBadgeHeight = 62;
constexpr Pixel kTextColor = kWhite;

// One screen of the table: which section it shows, on which background, the
// games it puts in which rows, and the rows and lines it leaves empty.
struct Stage {
  std::string_view section;
  int background;
  int firstGame;
  int lastGame;
  int firstRow;
  std::array<bool, CupTable::kRows> rowsEmptied;
  std::array<bool, CupTable::kLines> linesHidden;
};

constexpr std::array<bool, 6> kNoRows{};
constexpr std::array<bool, 5> kNoLines{};
constexpr std::array<bool, 5> kAllLines{true, true, true, true, true};

constexpr std::array<Stage, CupTable::kStages> kStageTable = {{
    {"A", 0, 1, 6, 0, kNoRows, kNoLines},
    {"B", 1, 1, 6, 0, kNoRows, kNoLines},
    {"C", 2, 1, 6, 0, kNoRows, kNoLines},
    {"D", 3, 1, 6, 0, kNoRows, kNoLines},
    {"E", 0, 1, 6, 0, kNoRows, kNoLines},
    {"F", 1, 1, 6, 0, kNoRows, kNoLines},
    {"G", 2, 1, 6, 0, kNoRows, kNoLines},
    {"H", 3, 1, 6, 0, kNoRows, kNoLines},
    {"Oitavas",
     0,
     1,
     4,
     1,
     {true, false, false, false, false, true},
     {true, false, false, false, true}},
    {"Oitavas",
     2,
     5,
     8,
     1,
     {true, false, false, false, false, true},
     {true, false, false, false, true}},
    {"Quartas",
     1,
     1,
     4,
     1,
     {true, false, false, false, false, true},
     {true, false, false, false, true}},
    {"Semifinais",
     2,
     1,
     2,
     1,
     {true, false, false, true, true, true},
     {true, false, true, true, true}},
    {"3º Lugar", 3, 1, 1, 1, {true, false, true, true, true, true}, kAllLines},
    {"Final", 4, 1, 1, 3, {true, true, true, true, true, true}, kAllLines},
}};

// The labels of one row: a small date line over the bold game line.
struct RowLayout {
  PixelRect date;
  PixelRect game;
};
constexpr std::array<RowLayout, CupTable::kRows> kRowLayout = {{
    {{4, 56, 193, 9}, {2, 68, 193, 13}},
    {{4, 86, 193, 9}, {6, 98, 187, 13}},
    {{10, 116, 181, 9}, {4, 128, 193, 13}},
    {{4, 146, 193, 9}, {4, 158, 191, 13}},
    {{4, 176, 193, 9}, {4, 188, 193, 13}},
    {{4, 206, 193, 9}, {4, 218, 193, 13}},
}};
struct LineLayout {
  int x1, y1, x2, y2;
};
constexpr std::array<LineLayout, CupTable::kLines> kLineLayout = {{
    {16, 84, 184, 84},
    {16, 114, 186, 114},
    {16, 144, 186, 144},
    {16, 174, 186, 174},
    {16, 204, 186, 204},
}};

LabelControl::Style DateStyle() {
  return {{"Arial", 6.75, false, false, false}, kTextColor, TextAlignment::kCenter, false};
}
LabelControl::Style GameStyle() {
  return {{"Arial", 8.25, true, false, false}, kTextColor, TextAlignment::kCenter, false};
}
LabelControl::Style TitleStyle() {
  return {{"Arial", 20.25, true, true, false}, kTextColor, TextAlignment::kLeft, true};
}

template <std::size_t N, typename Make>
auto MakeArray(Make make) {
  return [&]<std::size_t... K>(std::index_sequence<K...>) { return std::array{make(K)...}; }
  (std::make_index_sequence<N>{});
}

// The keys of one game in tabela.ini: "JOGO0" and the game's number for the
// result, the same followed by "DIA" for the date.
class GameKeys {
 public:
  explicit GameKeys(int game) { std::snprintf(date_.data(), date_.size(), "JOGO0%dDIA", game); }
  std::string_view Date() const { return date_.data(); }
  std::string_view Result() const {
    const std::string_view date = Date();
    return date.substr(0, date.size() - kDateSuffix.size());
  }

 private:
  static constexpr std::string_view kDateSuffix = "DIA";
  std::array<char, 24> date_{};
};

}  // namespace

CupTable::CupTable(Form& window)
    : picTabela(window, "picTabela", kPanelBounds, false),
      lblGrupo(picTabela, "lblGrupo", {12, 10, 0, 0}, TitleStyle(), "Oitavas"),
      lblJogo01Dia(MakeArray<kRows>([this](std::size_t k) {
        return LabelControl(picTabela, IndexedName("lblJogo01Dia", k), kRowLayout[k].date,
                            DateStyle(), "Dia/Hora");
      })),
      lblJogo01(MakeArray<kRows>([this](std::size_t k) {
        return LabelControl(picTabela, IndexedName("lblJogo01", k), kRowLayout[k].game, GameStyle(),
                            "Jogo 01");
      })),
      Line1(MakeArray<kLines>([this](std::size_t k) {
        const LineLayout& at = kLineLayout[k];
        return LineControl(picTabela, IndexedName("Line1", k), at.x1, at.y1, at.x2, at.y2,
                           kTextColor);
      })),
      Image1(window, "Image1", 0, 0, false) {
  picTabela.SetBackColor(kBlack);
}

void CupTable::LoadBadge(const SaverPictures& pictures) { Image1.SetPicture(pictures.Badge()); }

const PictureStrip& CupTable::Backgrounds(const SaverPictures& pictures) {
  if (!backgrounds_) {
    backgrounds_ = pictures.PictureClip3();
    backgrounds_->SetRows(1);
    backgrounds_->SetColumns(kBackgrounds);
  }
  return *backgrounds_;
}

void CupTable::ShowCupTable(const SceneContext& context) {
  if (context.Preview()) {
    Image1.SetVisible(true);
    const Placement at = RandomPlacement(context, kBadgeWidth, kBadgeHeight, 0);
    Image1.Move(at.left, at.top);
    return;
  }
  context.ReseedRandom();
  picTabela.SetVisible(false);
  for (LineControl& line : Line1) line.SetVisible(true);
  const Stage& stage = kStageTable[static_cast<std::size_t>(TableStage_)];
  TableSection_.assign(stage.section);
  const Placement at =
      RandomPlacement(context, picTabela.Width(), picTabela.Height(), kFullScreenMargin);
  picTabela.Move(at.left, at.top);
  picTabela.SetVisible(true);
  picTabela.SetPicture(Backgrounds(context.pictures).Cell(stage.background));
  ShowStage(context);
  if (++TableStage_ > kStages - 1) TableStage_ = 0;
}

void CupTable::ShowStage(const SceneContext& context) {
  const Stage& stage = kStageTable[static_cast<std::size_t>(TableStage_)];
  for (std::size_t row = 0; row < kRows; ++row) {
    if (!stage.rowsEmptied[row]) continue;
    lblJogo01Dia[row].SetCaption("");
    lblJogo01[row].SetCaption("");
  }
  for (std::size_t line = 0; line < kLines; ++line) {
    if (stage.linesHidden[line]) Line1[line].SetVisible(false);
  }
  lblGrupo.SetCaption(TableSection_);
  context.ProgramFile("tabela.ini", tableFile_);
  for (int game = stage.firstGame; game <= stage.lastGame; ++game) {
    const auto row = static_cast<std::size_t>(stage.firstRow + game - stage.firstGame);
    const GameKeys keys(game);
    lblJogo01Dia[row].SetCaption(context.ini.Read(tableFile_, TableSection_, keys.Date()));
    lblJogo01[row].SetCaption(context.ini.Read(tableFile_, TableSection_, keys.Result()));
  }
}

}  // namespace talvora
