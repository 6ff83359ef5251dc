#include "dialogs/setup_form.h"

#include <string>

#include "bootscreens/boot_screens.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "dialogs/about_form.h"
#include "dialogs/dialog_style.h"
#include "dialogs/scene_settings_form.h"
#include "settings/key_value.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

struct SceneRow {
  const char* caption;
  const char* saver;  // the Saver text that chooses the scene
  int left;
  int top;
  int optionWidth;
  int plusLeft;  // the "+" beside the option
};

constexpr std::array<SceneRow, SetupForm::kScenes> kSceneRows = {{
    {"Bolas voadoras", "1", 120, 360, 2175, 1980},
    {"Troféus voadores", "2", 120, 960, 2175, 1980},
    {"Poster das Copas", "3", 120, 1860, 2175, 1980},
    {"Brasil Tetra Campeão", "4", 3480, 360, 2175, 6180},
    {"Tabela da Copa - Rizeda98", "5", 3480, 960, 3015, 6180},
}};
constexpr int kRowHeight = 255;

// A stored "0" or "1" as a check box value; any other number shows cleared.
int CheckValueOf(std::string_view text) { return RoundToInt16(LeadingNumber(text)) == 1 ? 1 : 0; }

}  // namespace

SetupForm::SetupForm(const DialogEnvironment& environment)
    : Form(environment.runtime, "SetupForm"), env_(environment) {
  SetCaption("Vudavev Arura Talvora - Rizeda98 Screen Saver");
  SetStyle({BorderStyle::kFixedDialog, StartUpPosition::kCenterScreen, true});
  SetClientSizeTwips(8865, 4575);
  SetBackColor(kClassicPalette.buttonFace);
  MakeControls();
}

SetupForm::~SetupForm() = default;

void SetupForm::MakeSceneRow(int k) {
  const SceneRow& row = kSceneRows[Index(k)];
  const int left = row.left;
  const int top = row.top;
  const int optionWidth = row.optionWidth;
  option1_[Index(k)] = std::make_unique<OptionButton>(
      *this, frame2_.get(), IndexedName("Option1", Index(k)),
      PixelsFromTwips(left, top, optionWidth, kRowHeight), row.caption, k == 1);
  option1_[Index(k)]->SetFont(kBoldDialogFont);
  option1_[Index(k)]->OnClick([this, k] { Option1_Click(k); });
  command1_[Index(k)] = std::make_unique<CommandButton>(
      *this, frame2_.get(), IndexedName("Command1", Index(k)),
      PixelsFromTwips(row.plusLeft, top, kRowHeight, kRowHeight), "+");
  command1_[Index(k)]->SetFont(kBoldDialogFont);
  command1_[Index(k)]->OnClick([this, k] { Command1_Click(k); });
}

void SetupForm::MakeControls() {
  picture1_ =
      std::make_unique<PictureBox>(*this, "Picture1", PixelsFromTwips(120, 180, 1560, 3380));
  picture1_->SetSunkenBorder();
  picture1_->SetBackColor(kBlack);
  for (std::size_t i = 0; i < image1_.size(); ++i) {
    const std::size_t index = i < kScenes ? i : i + 16;
    image1_[i] =
        std::make_unique<ImageControl>(*picture1_, IndexedName("Image1", index), 0, 0, false);
  }

  frame2_ = std::make_unique<Frame>(*this, nullptr, "Frame2", PixelsFromTwips(1800, 60, 6975, 2715),
                                    "Tipo");
  frame2_->SetFont(kBoldDialogFont);
  const PixelRect inFrame2 = frame2_->Bounds();
  const auto label = [&](int k, int left, int top, int width, int height, const char* caption) {
    const PixelRect at = PixelsFromTwips(left, top, width, height);
    label1_[Index(k)] = std::make_unique<LabelControl>(
        *this, IndexedName("Label1", Index(k)),
        PixelRect{inFrame2.left + at.left, inFrame2.top + at.top, at.width, at.height},
        LabelControl::Style{kDialogFont, kBlack, TextAlignment::kLeft, false}, caption);
  };
  MakeSceneRow(0);
  MakeSceneRow(1);
  check1_[0] = std::make_unique<CheckBox>(*this, frame2_.get(), "Check1(0)",
                                          PixelsFromTwips(840, 1260, 1455, 255), "Jules Rimet", 1);
  check1_[1] = std::make_unique<CheckBox>(
      *this, frame2_.get(), "Check1(1)", PixelsFromTwips(840, 1500, 1815, 255), "Copa do Mundo", 1);
  for (int i = 0; i < 2; ++i) check1_[Index(i)]->OnClick([this, i] { Check1_Click(i); });
  MakeSceneRow(2);
  label(0, 480, 2160, 2655, 495,
        "De todas as Copas do Mundo, de 1930 no Uruguai até os dias de hoje.");
  MakeSceneRow(3);
  label(1, 3840, 660, 3015, 255, "As Copas conquistadas pelo Brasil.");
  MakeSceneRow(4);
  label(2, 3840, 1260, 2835, 855,
        "Resultados dos Jogos da Copa do Mundo da França 98. Atualizados pela INTERNET e "
        "apresentados automaticamente na sua Tela.");

  frame1_ = std::make_unique<Frame>(
      *this, nullptr, "Frame1", PixelsFromTwips(1800, 2820, 2955, 735), "Configurações do mouse");
  frame1_->SetFont(kBoldDialogFont);
  check2_ = std::make_unique<CheckBox>(*this, frame1_.get(), "Check2",
                                       PixelsFromTwips(180, 360, 2415, 255),
                                       "Ignorar movimento do mouse.");
  frame3_ =
      std::make_unique<Frame>(*this, nullptr, "Frame3", PixelsFromTwips(4860, 2820, 3915, 735),
                              "Telas de abertura e finalização do Win95");
  frame3_->SetFont(kBoldDialogFont);
  check3_ =
      std::make_unique<CheckBox>(*this, frame3_.get(), "Check3",
                                 PixelsFromTwips(180, 360, 3495, 255), "Usar as Telas do Talvora.");

  const PixelRect separator = PixelsFromTwips(120, 3690, 8760 - 120, 0);
  line1_ = MakeEtchedSeparator(*this, separator.left, separator.top, separator.width);

  cmdOK_ = std::make_unique<CommandButton>(*this, nullptr, "cmdOK",
                                           PixelsFromTwips(1740, 3840, 1515, 615), "OK",
                                           ButtonRoles{.isDefault = true});
  cmbAbout_ = std::make_unique<CommandButton>(*this, nullptr, "cmbAbout",
                                              PixelsFromTwips(3720, 3840, 1515, 615), "Créditos",
                                              ButtonRoles{.isCancel = true});
  cmdCancel_ = std::make_unique<CommandButton>(*this, nullptr, "cmdCancel",
                                               PixelsFromTwips(5700, 3840, 1515, 615), "Cancelar");
  for (CommandButton* button : {cmdOK_.get(), cmbAbout_.get(), cmdCancel_.get()}) {
    button->SetFont(kBoldDialogFont);
  }
  cmdOK_->OnClick([this] { cmdOK_Click(); });
  cmbAbout_->OnClick([this] { cmbAbout_Click(); });
  cmdCancel_->OnClick([this] { cmdCancel_Click(); });
}

std::array<bool, 7> SetupForm::ShownPreviews() const {
  std::array<bool, 7> shown{};
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = image1_[i]->Visible();
  return shown;
}

int SetupForm::SelectedScene() const {
  for (int k = 0; k < kScenes; ++k) {
    if (option1_[Index(k)]->Value()) return k;
  }
  return -1;
}

bool SetupForm::BothTrophiesCleared() const {
  return check1_[0]->Value() == 0 && check1_[1]->Value() == 0;
}

void SetupForm::Form_Load() {
  Settings& settings = env_.settings;
  LoadSettings(env_.registry, settings);
  std::string windowsFolder;
  GetKeyValue(env_.registry, RegistryRoot::kLocalMachine,
              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "Windir", windowsFolder);
  settings.WinDir = windowsFolder + "\\";
  check2_->SetValue(CheckValueOf(settings.Mouse));
  check3_->SetValue(CheckValueOf(settings.Tela));
  for (int k = 0; k < kScenes; ++k) {
    if (settings.Saver == kSceneRows[Index(k)].saver) option1_[Index(k)]->SetValue(true);
  }
  for (std::size_t i = 0; i < image1_.size(); ++i) {
    image1_[i]->SetPicture(env_.pictures.previews[i]);
    image1_[i]->Move(0, 0);
  }
  const std::string& kinds = settings.TrofeusTipo;
  check1_[0]->SetValue(kinds == "2" ? 0 : 1);
  check1_[1]->SetValue(kinds == "1" ? 0 : 1);
  Option1_Click(SelectedScene());
  Dialog().SetFocus(option1_[Index(SelectedScene())].get());
}

void SetupForm::Option1_Click(int k) {
  for (auto& image : image1_) image->SetVisible(false);
  image1_[Index(k)]->SetVisible(true);
  if (!option1_[1]->Value()) return;
  if (BothTrophiesCleared()) {
    SetTrophyBox(1, 1);
    return;
  }
  ShowTrophyPicture();
}

void SetupForm::Check1_Click(int i) {
  if (!option1_[1]->Value()) {
    option1_[1]->SetValue(true);
    Option1_Click(1);
  }
  if (BothTrophiesCleared()) {
    SetTrophyBox(i, 1);
    return;
  }
  image1_[kJulesRimetPreview]->SetVisible(false);
  image1_[kWorldCupPreview]->SetVisible(false);
  ShowTrophyPicture();
}

void SetupForm::SetTrophyBox(int i, int value) {
  if (check1_[Index(i)]->Value() == value) return;
  check1_[Index(i)]->SetValue(value);
  Check1_Click(i);
}

void SetupForm::ShowTrophyPicture() {
  const bool julesRimet = check1_[0]->Value() == 1;
  const bool worldCup = check1_[1]->Value() == 1;
  if (julesRimet && worldCup) {
    image1_[1]->SetVisible(true);
  } else if (julesRimet) {
    image1_[kJulesRimetPreview]->SetVisible(true);
  } else if (worldCup) {
    image1_[kWorldCupPreview]->SetVisible(true);
  }
}

void SetupForm::Command1_Click(int k) {
  SceneSettingsForm dialog(env_, SceneSettingsForm::Member(k));
  dialog.ShowModal(this);
}

void SetupForm::cmbAbout_Click() {
  AboutForm credits(env_);
  credits.ShowModal(this);
}

void SetupForm::cmdOK_Click() {
  Settings& settings = env_.settings;
  settings.Mouse = check2_->Value() == 1 ? "1" : "0";
  const std::int16_t screens = check3_->Value() == 1 ? 1 : 0;
  const std::string tela = screens == 1 ? " 1" : " 0";
  if (tela != settings.Tela) {
    Runtime().Trace("call",
                    {{"fn", "TelasWin95"}, {"args", RawJson{"[" + std::to_string(screens) + "]"}}});
    TelasWin95(screens, settings.WinDir, env_.paths, env_.files);
    settings.Tela = tela;
  }
  const bool julesRimet = check1_[0]->Value() == 1;
  const bool worldCup = check1_[1]->Value() == 1;
  if (julesRimet || worldCup)
    settings.TrofeusTipo = julesRimet && worldCup ? "0" : julesRimet ? "1" : "2";
  if (const int k = SelectedScene(); k >= 0) settings.Saver = kSceneRows[Index(k)].saver;
  SaveSettings(env_.registry, settings);
  Unload();
}

void SetupForm::cmdCancel_Click() { Unload(); }

}  // namespace talvora
