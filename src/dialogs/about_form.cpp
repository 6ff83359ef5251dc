#include "dialogs/about_form.h"

#include <cmath>

#include "dialogs/dialog_style.h"
#include "dialogs/product_version.h"
#include "runtime/forms/message_box.h"
#include "settings/key_value.h"
#include "settings/settings_store.h"

namespace talvora {
namespace {

const FontSpec kTitleFont{std::string(kMsSansSerifFamily), 12, true};
const FontSpec kLinkFont{std::string(kArialFamily), 8.25, true, false, true};

LabelControl::Style Black(const FontSpec& font = kDialogFont) {
  return {font, kBlack, TextAlignment::kLeft, false};
}

bool Over(const LabelControl& label, int x, int y) {
  return label.Visible() && label.Bounds().Contains(x, y);
}

}  // namespace

AboutForm::AboutForm(const DialogEnvironment& environment)
    : Form(environment.runtime, "frmAbout"), env_(environment) {
  SetCaption("Créditos");
  SetStyle({BorderStyle::kFixedDialog, StartUpPosition::kCenterScreen, false});
  SetClientSizeTwips(5730, 3870);
  SetBackColor(kClassicPalette.buttonFace);

  const Picture& icon = env_.pictures.icon;
  const PixelRect iconAt = PixelsFromTwips(120, 60, 480, 480);
  picIcon_ = std::make_unique<PictureBox>(
      *this, "picIcon", PixelRect{iconAt.left, iconAt.top, icon.Width(), icon.Height()});
  picIcon_->SetBackColor(kClassicPalette.buttonFace);
  picIcon_->SetPicture(icon);
  lblTitle_ =
      std::make_unique<LabelControl>(*this, "lblTitle", PixelsFromTwips(720, 180, 4365, 360),
                                     Black(kTitleFont), "Talvora - Rizeda98");
  lblVersion_ = std::make_unique<LabelControl>(*this, "lblVersion",
                                               PixelsFromTwips(720, 600, 3885, 225), Black());
  lblDescription2_[0] = std::make_unique<LabelControl>(
      *this, "lblDescription2(0)", PixelsFromTwips(720, 840, 3885, 270), Black(),
      "Desenvolvido pela equipe Talvora.");
  lblDescription2_[1] = std::make_unique<LabelControl>(
      *this, "lblDescription2(2)", PixelsFromTwips(840, 1560, 4605, 495), Black(),
      "Maiores informações sobre este Vudavev Arura e outros personalizados para sua Empresa "
      "consulte-nos pela Internet:");
  lblDisclaimer_ = std::make_unique<LabelControl>(
      *this, "lblDisclaimer", PixelsFromTwips(720, 1140, 4725, 375), Black(),
      "Distribuição gratuita: pode ser copiado e distribuído livremente, desde que sem "
      "alterações.");
  const LabelControl::Style link{kLinkFont, kLinkColor, TextAlignment::kRight, true};
  lblDescription_[0] = std::make_unique<LabelControl>(*this, "lblDescription(2)",
                                                      PixelsFromTwips(3480, 2220, 2040, 210), link);
  lblDescription_[1] = std::make_unique<LabelControl>(*this, "lblDescription(3)",
                                                      PixelsFromTwips(3060, 2520, 2445, 210), link);
  const PixelRect separator = PixelsFromTwips(90, 2820, 5654 - 90, 0);
  line1_ = MakeEtchedSeparator(*this, separator.left, separator.top, separator.width);
  cmdOK_ = std::make_unique<CommandButton>(*this, nullptr, "cmdOK",
                                           PixelsFromTwips(4245, 2985, 1260, 345), "OK",
                                           ButtonRoles{.isDefault = true, .isCancel = true});
  cmdSysInfo_ = std::make_unique<CommandButton>(
      *this, nullptr, "cmdSysInfo", PixelsFromTwips(4260, 3435, 1245, 345), "&Sistema info...");
  cmdOK_->OnClick([this] { cmdOK_Click(); });
  cmdSysInfo_->OnClick([this] { cmdSysInfo_Click(); });
}

AboutForm::~AboutForm() = default;

const std::unique_ptr<LabelControl>& AboutForm::Links(int i) const {
  return lblDescription_[static_cast<std::size_t>(i - 2)];
}

void AboutForm::Form_Load() {
  LoadSettings(env_.registry, env_.settings);
  text1_.Text = env_.settings.Email;
  text2_.Text = env_.settings.Url;
  Links(2)->SetCaption("Email: " + text1_.Text);
  Links(3)->SetCaption("WWW: " + text2_.Text);
  lblVersion_->SetCaption("Versão " + std::to_string(kProductVersion.major) + "." +
                          std::to_string(kProductVersion.minor) + "." +
                          std::to_string(kProductVersion.revision));
}

int AboutForm::HitLabel(double formX, double formY) const {
  const int x = static_cast<int>(std::floor(formX));
  const int y = static_cast<int>(std::floor(formY));
  for (int i : {2, 3}) {
    if (Over(*Links(i), x, y)) return i;
  }
  for (const auto& credit : lblDescription2_) {
    if (Over(*credit, x, y)) return -1;
  }
  for (const LabelControl* other : {lblTitle_.get(), lblVersion_.get(), lblDisclaimer_.get()}) {
    if (Over(*other, x, y)) return 0;
  }
  if (picIcon_->Bounds().Contains(x, y)) return 0;
  return -1;
}

void AboutForm::Form_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
  pressX_ = x;
  pressY_ = y;
}

void AboutForm::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
  const int over = HitLabel(x, y);
  if (over >= 2) {
    lblDescription_MouseMove(over);
  } else if (over == -1) {
    lblDescription2_MouseMove();
  }
  SetPointer(over >= 2 ? MousePointer::kHand : MousePointer::kDefault);
}

void AboutForm::Form_Click() {
  if (const int over = HitLabel(pressX_, pressY_); over >= 2) lblDescription_Click(over);
}

void AboutForm::lblDescription_MouseMove(int i) {
  Links(i)->SetForeColor(kLinkHoverColor);
  Links(i == 2 ? 3 : 2)->SetForeColor(kLinkColor);
}

void AboutForm::lblDescription2_MouseMove() {
  for (const auto& link : lblDescription_) link->SetForeColor(kLinkColor);
}

void AboutForm::lblDescription_Click(int i) {
  LoadSettings(env_.registry, env_.settings);
  const std::string target = i == 2 ? "mailto:" + env_.settings.Email : env_.settings.Url;
  env_.shell.ShellExecute(Runtime().HandleOf(*this), "", target, "", "c:\\", kSwShowNormal);
}

void AboutForm::cmdOK_Click() {
  env_.settings.Email = text1_.Text;
  env_.settings.Url = text2_.Text;
  SaveSettings(env_.registry, env_.settings);
  Unload();
}

void AboutForm::cmdSysInfo_Click() { StartSysInfo(); }

void AboutForm::StartSysInfo() {
  std::string path;
  if (GetKeyValue(env_.registry, RegistryRoot::kLocalMachine,
                  "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
    if (env_.shell.StartProgram(path, kSwShowNormal)) return;
  } else if (GetKeyValue(env_.registry, RegistryRoot::kLocalMachine,
                         "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
    // A missing file is a program that does not start.
    if (env_.shell.StartProgram(path + "\\MSINFO32.EXE", kSwShowNormal)) return;
  }
  ShowMessageBox(Runtime(), this, "System Information Is Unavailable At This Time", "Talvora");
}

}  // namespace talvora
