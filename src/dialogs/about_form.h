#pragma once

#include <array>
#include <memory>
#include <string>

#include "dialogs/dialog_environment.h"
#include "runtime/forms/dialog_controls.h"
#include "runtime/forms/form.h"
#include "runtime/forms/label_control.h"
#include "runtime/forms/line_control.h"
#include "runtime/forms/picture_box.h"

namespace talvora {

// A text box the form keeps hidden: it only holds a text.
struct HiddenTextBox {
  std::string Text;
};

// The credits box: title, version, credit line, terms, and the maker's
// e-mail and home page as links that open through the shell; a button
// starts the System Information tool.
class AboutForm final : public Form {
 public:
  static constexpr Pixel kLinkColor = 0x0000FF;
  static constexpr Pixel kLinkHoverColor = 0xFF0000;

  explicit AboutForm(const DialogEnvironment& environment);
  ~AboutForm() override;

  // lblDescription(2) (e-mail) and lblDescription(3) (home page).
  const LabelControl& Link(int i) const { return *Links(i); }
  const LabelControl& Version() const { return *lblVersion_; }

 protected:
  void Form_Load() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Form_Click() override;

 private:
  const std::unique_ptr<LabelControl>& Links(int i) const;
  // The link (2 or 3), credit text or background (-1) under a form point; 0
  // for a control that takes no notice of the mouse.
  int HitLabel(double formX, double formY) const;

  void cmdOK_Click();
  void cmdSysInfo_Click();
  void lblDescription_Click(int i);
  void lblDescription_MouseMove(int i);
  void lblDescription2_MouseMove();
  void StartSysInfo();

  DialogEnvironment env_;
  std::unique_ptr<PictureBox> picIcon_;
  std::unique_ptr<LabelControl> lblTitle_;
  std::unique_ptr<LabelControl> lblVersion_;
  std::array<std::unique_ptr<LabelControl>, 2> lblDescription2_;  // (0) and (2)
  std::unique_ptr<LabelControl> lblDisclaimer_;                   // the terms
  std::array<std::unique_ptr<LabelControl>, 2> lblDescription_;   // (2) and (3)
  std::array<std::unique_ptr<LineControl>, 2> line1_;
  std::unique_ptr<CommandButton> cmdOK_;
  std::unique_ptr<CommandButton> cmdSysInfo_;
  HiddenTextBox text1_;
  HiddenTextBox text2_;
  double pressX_ = -1;
  double pressY_ = -1;
};

}  // namespace talvora
