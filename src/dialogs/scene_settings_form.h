#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/dialog_environment.h"
#include "runtime/forms/dialog_controls.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label_control.h"
#include "runtime/forms/line_control.h"

namespace talvora {

// One slider of a scene dialog and the setting it edits.
struct SceneSlider {
  const char* rowLabel;  // the caption left of the slider; nullptr in one-slider dialogs
  std::string Settings::*setting;
  std::int32_t min;
  std::int32_t max;
};

// A member of the family of scene dialogs: its form name, caption and
// sliders (one or two).
struct SceneDialogMember {
  const char* formName;
  const char* caption;
  std::vector<SceneSlider> sliders;
};

// The settings dialog of one scene, opened modal by its "+" in the setup
// dialog: it reloads the settings, shows them on sliders with their numbers,
// and on "Ok" stores the sliders' values and writes all settings at once.
class SceneSettingsForm final : public Form {
 public:
  // The member for scene k (0 flying balls ... 4 the cup table).
  static const SceneDialogMember& Member(int k);

  SceneSettingsForm(const DialogEnvironment& environment, const SceneDialogMember& member);
  ~SceneSettingsForm() override;

  const Slider& SliderAt(std::size_t i) const { return *slider1_[i]; }
  const LabelControl& ValueLabel(std::size_t i) const { return *label2_[i]; }

 protected:
  void Form_Load() override;

 private:
  void MakeTwoSliderLayout();
  void MakeOneSliderLayout();
  void MakeButtons(int okLeft, int cancelLeft, int top);

  void Slider1_Change(std::size_t i);
  void Slider1_MouseMove(std::size_t i);
  void Command1_Click();
  void Command2_Click();

  DialogEnvironment env_;
  const SceneDialogMember& member_;
  std::unique_ptr<Frame> frame1_;
  std::vector<std::unique_ptr<LabelControl>> label1_;
  std::vector<std::unique_ptr<Slider>> slider1_;
  std::vector<std::unique_ptr<LabelControl>> label2_;
  std::array<std::unique_ptr<LineControl>, 2> line1_;
  std::unique_ptr<CommandButton> command1_;
  std::unique_ptr<CommandButton> command2_;
};

}  // namespace talvora
