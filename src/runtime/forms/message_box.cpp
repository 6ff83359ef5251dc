#include "runtime/forms/message_box.h"

#include <algorithm>
#include <string>

#include "runtime/forms/dialog_controls.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/forms/label_control.h"
#include "runtime/text/label_text.h"

namespace talvora {
namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
// Longer messages wrap at about two thirds of a 640-pixel screen.
constexpr int kMaxTextWidth = 420;

class MessageBoxForm final : public Form {
 public:
  MessageBoxForm(FormsRuntime& runtime, std::string_view text, std::string_view caption)
      : Form(runtime, "MsgBox") {
    SetCaption(std::string(caption));
    SetStyle({BorderStyle::kFixedDialog, StartUpPosition::kCenterOwner, false});
    SetBackColor(kClassicPalette.buttonFace);
    const TextExtent extent =
        MeasureText(text, kDialogFont, runtime.Text(), kMaxTextWidth).value_or(TextExtent{});
    const int width = std::max(extent.width, kButtonWidth) + 2 * kMargin;
    const int height = extent.height + 3 * kMargin + kButtonHeight;
    MoveWindow({0, 0, width, height});
    message_ = std::make_unique<LabelControl>(
        *this, "Message", PixelRect{kMargin, kMargin, extent.width + 1, extent.height},
        LabelControl::Style{kDialogFont, kBlack, TextAlignment::kLeft, false}, std::string(text));
    ok_ = std::make_unique<CommandButton>(
        *this, nullptr, "OK",
        PixelRect{(width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                  kButtonHeight},
        "OK", ButtonRoles{.isDefault = true, .isCancel = true});
    ok_->OnClick([this] { Unload(); });
  }

 private:
  std::unique_ptr<LabelControl> message_;
  std::unique_ptr<CommandButton> ok_;
};

}  // namespace

void ShowMessageBox(FormsRuntime& runtime, Form* owner, std::string_view text,
                    std::string_view caption) {
  runtime.Trace("msgbox", {{"text", text}, {"caption", caption}});
  MessageBoxForm box(runtime, text, caption);
  box.ShowModal(owner);
}

}  // namespace talvora
