#pragma once

#include <array>
#include <memory>

#include "dialogs/dialog_environment.h"
#include "runtime/forms/dialog_controls.h"
#include "runtime/forms/form.h"
#include "runtime/forms/image_control.h"
#include "runtime/forms/label_control.h"
#include "runtime/forms/line_control.h"
#include "runtime/forms/picture_box.h"

namespace talvora {

// The configuration dialog of "/c": the scene, the trophy kinds, whether the
// mouse is ignored and whether the product's Windows 95 screens are in use,
// with a still preview of the chosen scene. Its choices live in its controls
// until OK stores them; "+" and "Créditos" open modal dialogs that store
// their own settings at once.
class SetupForm final : public Form {
 public:
  static constexpr int kScenes = 5;
  // Image1(21) and Image1(22) sit after the five scene previews.
  static constexpr int kJulesRimetPreview = 5;
  static constexpr int kWorldCupPreview = 6;

  explicit SetupForm(const DialogEnvironment& environment);
  ~SetupForm() override;

  const OptionButton& SceneOption(int k) const { return *option1_[Index(k)]; }
  const CheckBox& TrophyBox(int i) const { return *check1_[Index(i)]; }
  const CheckBox& MouseBox() const { return *check2_; }
  const CheckBox& ScreensBox() const { return *check3_; }
  // The previews showing, in the order of DialogPictures::previews.
  std::array<bool, 7> ShownPreviews() const;

 protected:
  void Form_Load() override;

 private:
  static std::size_t Index(int k) { return static_cast<std::size_t>(k); }
  void MakeControls();
  void MakeSceneRow(int k);

  void Option1_Click(int k);
  void Check1_Click(int i);
  void Command1_Click(int k);
  void cmbAbout_Click();
  void cmdOK_Click();
  void cmdCancel_Click();

  // Sets a trophy box from a reaction, which runs its reaction when it changes.
  void SetTrophyBox(int i, int value);
  void ShowTrophyPicture();
  int SelectedScene() const;
  bool BothTrophiesCleared() const;

  DialogEnvironment env_;
  std::unique_ptr<PictureBox> picture1_;
  std::array<std::unique_ptr<ImageControl>, 7> image1_;
  std::unique_ptr<Frame> frame2_;
  std::array<std::unique_ptr<OptionButton>, kScenes> option1_;
  std::array<std::unique_ptr<CommandButton>, kScenes> command1_;
  std::array<std::unique_ptr<CheckBox>, 2> check1_;
  std::array<std::unique_ptr<LabelControl>, 3> label1_;
  std::unique_ptr<Frame> frame1_;
  std::unique_ptr<CheckBox> check2_;
  std::unique_ptr<Frame> frame3_;
  std::unique_ptr<CheckBox> check3_;
  std::array<std::unique_ptr<LineControl>, 2> line1_;
  std::unique_ptr<CommandButton> cmdOK_;
  std::unique_ptr<CommandButton> cmbAbout_;
  std::unique_ptr<CommandButton> cmdCancel_;
};

}  // namespace talvora
