#include "dialogs/scene_settings_form.h"

#include <string>

#include "common/number_text.h"
#include "common/rounding.h"
#include "dialogs/dialog_style.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

const std::array<SceneDialogMember, 5>& Members() {
  static const std::array<SceneDialogMember, 5> kMembers = {{
      {"frmBolas",
       "Bolas voadoras - Ajustes",
       {{"Quantidade", &Settings::BolasNum, 1, 20},
        {"Máxima Velocidade", &Settings::BolasVel, 1, 20}}},
      {"frmTacas",
       "Troféus voadores - Ajustes",
       {{"Quantidade", &Settings::TrofeusNum, 1, 15},
        {"Máxima Velocidade", &Settings::TrofeusVel, 1, 20}}},
      {"frmSS03", "Poster das Copas - Ajustes", {{nullptr, &Settings::SS03Vel, 1, 30}}},
      {"frmSS04", "Brasil Tetra Campeão - Ajustes", {{nullptr, &Settings::SS04Vel, 3, 30}}},
      {"frmSS05", "Tabela da Copa - Ajustes", {{nullptr, &Settings::SS05Vel, 3, 30}}},
  }};
  return kMembers;
}

LabelControl::Style Plain(TextAlignment alignment = TextAlignment::kLeft) {
  return {kDialogFont, kBlack, alignment, false};
}

// The small numbers under the ends of a slider.
const FontSpec kScaleFont{std::string(kArialFamily), 6.75};

}  // namespace

const SceneDialogMember& SceneSettingsForm::Member(int k) {
  return Members()[static_cast<std::size_t>(k)];
}

SceneSettingsForm::SceneSettingsForm(const DialogEnvironment& environment,
                                     const SceneDialogMember& member)
    : Form(environment.runtime, member.formName), env_(environment), member_(member) {
  SetCaption(member.caption);
  SetStyle({BorderStyle::kFixedDialog, StartUpPosition::kCenterOwner, false});
  SetBackColor(kClassicPalette.buttonFace);
  if (member.sliders.size() == 2) {
    MakeTwoSliderLayout();
  } else {
    MakeOneSliderLayout();
  }
  for (std::size_t i = 0; i < slider1_.size(); ++i) {
    slider1_[i]->OnChange([this, i] { Slider1_Change(i); });
    slider1_[i]->OnMouseMove([this, i] { Slider1_MouseMove(i); });
  }
}

SceneSettingsForm::~SceneSettingsForm() = default;

void SceneSettingsForm::MakeTwoSliderLayout() {
  SetClientSizeTwips(4680, 3195);
  const std::array<int, 2> rowTops = {420, 1020};
  for (std::size_t i = 0; i < 2; ++i) {
    const SceneSlider& spec = member_.sliders[i];
    const bool twoLines = i == 1;
    label1_.push_back(std::make_unique<LabelControl>(
        *this, IndexedName("Label1", i),
        PixelsFromTwips(240, i == 0 ? 480 : 1020, 855, twoLines ? 495 : 255),
        Plain(twoLines ? TextAlignment::kCenter : TextAlignment::kLeft), spec.rowLabel));
    slider1_.push_back(std::make_unique<Slider>(*this, nullptr, IndexedName("Slider1", i),
                                                PixelsFromTwips(1320, rowTops[i], 2355, 435),
                                                spec.min, spec.max));
    label2_.push_back(std::make_unique<LabelControl>(*this, IndexedName("Label2", i),
                                                     PixelsFromTwips(3840, rowTops[i], 495, 315),
                                                     Plain(), "1"));
  }
  const PixelRect separator = PixelsFromTwips(60, 2400, 4620 - 60, 0);
  line1_ = MakeEtchedSeparator(*this, separator.left, separator.top, separator.width);
  MakeButtons(660, 2820, 2580);
}

void SceneSettingsForm::MakeOneSliderLayout() {
  SetClientSizeTwips(3720, 2430);
  const SceneSlider& spec = member_.sliders[0];
  frame1_ = std::make_unique<Frame>(*this, nullptr, "Frame1", PixelsFromTwips(120, 120, 3495, 1455),
                                    "Velocidade de Exibição (em segundos)");
  const PixelRect frame = frame1_->Bounds();
  const auto inFrame = [&](int left, int top, int width, int height) {
    const PixelRect at = PixelsFromTwips(left, top, width, height);
    return PixelRect{frame.left + at.left, frame.top + at.top, at.width, at.height};
  };
  label2_.push_back(std::make_unique<LabelControl>(*this, "Label2", inFrame(1440, 360, 495, 255),
                                                   Plain(TextAlignment::kCenter), "7"));
  slider1_.push_back(std::make_unique<Slider>(
      *this, frame1_.get(), "Slider1", PixelsFromTwips(480, 660, 2355, 435), spec.min, spec.max));
  const LabelControl::Style scale{kScaleFont, kBlack, TextAlignment::kCenter, false};
  label1_.push_back(std::make_unique<LabelControl>(*this, "Label1(0)", inFrame(480, 1080, 315, 195),
                                                   scale, std::to_string(spec.min)));
  label1_.push_back(std::make_unique<LabelControl>(
      *this, "Label1(1)", inFrame(2520, 1080, 315, 195), scale, std::to_string(spec.max)));
  const PixelRect separator = PixelsFromTwips(60, 1740, 3680 - 60, 0);
  line1_ = MakeEtchedSeparator(*this, separator.left, separator.top, separator.width);
  MakeButtons(120, 2340, 1920);
}

void SceneSettingsForm::MakeButtons(int okLeft, int cancelLeft, int top) {
  command1_ = std::make_unique<CommandButton>(*this, nullptr, "Command1",
                                              PixelsFromTwips(okLeft, top, 1275, 435), "Ok");
  command2_ = std::make_unique<CommandButton>(
      *this, nullptr, "Command2", PixelsFromTwips(cancelLeft, top, 1275, 435), "Cancelar");
  command1_->OnClick([this] { Command1_Click(); });
  command2_->OnClick([this] { Command2_Click(); });
}

void SceneSettingsForm::Form_Load() {
  LoadSettings(env_.registry, env_.settings);
  for (std::size_t i = 0; i < slider1_.size(); ++i) {
    const std::string& stored = env_.settings.*member_.sliders[i].setting;
    slider1_[i]->SetValue(RoundToInt32(LeadingNumber(stored)));
    Slider1_Change(i);
  }
}

void SceneSettingsForm::Slider1_Change(std::size_t i) {
  label2_[i]->SetCaption(std::to_string(slider1_[i]->Value()));
}

void SceneSettingsForm::Slider1_MouseMove(std::size_t i) {
  label2_[i]->SetCaption(std::to_string(slider1_[i]->Value()));
}

void SceneSettingsForm::Command1_Click() {
  for (std::size_t i = 0; i < slider1_.size(); ++i) {
    env_.settings.*member_.sliders[i].setting = std::to_string(slider1_[i]->Value());
  }
  SaveSettings(env_.registry, env_.settings);
  Unload();
}

void SceneSettingsForm::Command2_Click() { Unload(); }

}  // namespace talvora
