#include "host/headless/headless_session.h"

#include <algorithm>

#include "platform/input_state.h"
#include "runtime/forms/dialog_controls.h"

namespace talvora {
namespace {

constexpr Pixel kDesktopBackground = 0x008080;

Form* FormNamed(const FormsRuntime& runtime, std::string_view name) {
  for (Form* form : runtime.LoadedForms()) {
    if (form->Name() == name) return form;
  }
  return nullptr;
}

}  // namespace

HeadlessSession::HeadlessSession(HeadlessServices& services, PixelSize desktop, PixelSize preview,
                                 std::string programDir)
    : desktopSize_(desktop),
      previewSize_(preview),
      desktop_(desktop.width, desktop.height),
      runtime_(clock_, services.text),
      windows_(runtime_, {0, 0, desktop.width, desktop.height}),
      files_(services.files),
      environment_{runtime_, clock_,           services.registry,     desktop_,
                   desktop_, services.profile, services.paths,        pictures_,
                   random_,  process_,         std::move(programDir), shell_,
                   files_,   dialogPictures_} {
  desktop_.SetOtherWindowsClientSize(preview.width, preview.height);
}

void HeadlessSession::SetTracer(Tracer* tracer) {
  runtime_.SetTracer(tracer);
  desktop_.SetTracer(tracer);
  shell_.SetTracer(tracer);
  files_.SetTracer(tracer);
}

void HeadlessSession::Start(std::string_view commandLine) {
  if (DecideStartup(commandLine).mode == StartupMode::kSetup)
    dialogPictures_ = MakeDialogPictures();
  started_ = StartUp(environment_, commandLine, kSaverWindowHandle);
  runtime_.PaintInvalidated();
}

bool HeadlessSession::Deliver(const ScriptEvent& event) {
  using Kind = ScriptEvent::Kind;
  if (event.kind == Kind::kClose) {
    if (Form* form = FormNamed(runtime_, event.form)) form->Unload(UnloadMode::kUserClosed);
    runtime_.PaintInvalidated();
    return true;
  }
  Form* form = runtime_.ActiveForm();
  if (form == nullptr) return true;
  switch (event.kind) {
    case Kind::kKeyDown:
      form->RaiseKeyDown(event.keyCode, 0);
      break;
    case Kind::kKeyPress:
      form->RaiseKeyPress(event.character);
      break;
    case Kind::kMouseMove:
      form->RaiseMouseMove(0, 0, event.x, event.y);
      break;
    case Kind::kMouseDown:
      form->RaiseMouseDown(kLeftButtonMask, 0, event.x, event.y);
      break;
    case Kind::kClick:
      ClickAt(*form, event.x, event.y);
      break;
    case Kind::kDblClick:
      form->RaiseDblClick();
      break;
    case Kind::kClickControl:
    case Kind::kHoverControl: {
      const auto bounds = form->ControlBounds(event.control);
      if (!bounds) return false;
      const double x = bounds->left + bounds->width / 2;
      const double y = bounds->top + bounds->height / 2;
      form->RaiseMouseMove(0, 0, x, y);
      if (event.kind == Kind::kClickControl && form->Loaded()) ClickAt(*form, x, y);
      break;
    }
    case Kind::kSlide:
      return Slide(*form, event.control, event.value);
    case Kind::kClose:
      break;
  }
  return true;
}

void HeadlessSession::ClickAt(Form& form, double x, double y) {
  // A click is a press, then the release and the click.
  form.RaiseMouseDown(kLeftButtonMask, 0, x, y);
  if (form.Loaded()) form.RaiseMouseUp(kLeftButtonMask, 0, x, y);
  if (form.Loaded()) form.RaiseClick();
}

bool HeadlessSession::Slide(Form& form, std::string_view name, std::int32_t value) {
  const Slider* slider = nullptr;
  for (const DialogControl* control : form.Dialog().Controls()) {
    if (control->Name() == name) slider = dynamic_cast<const Slider*>(control);
  }
  if (slider == nullptr) return false;
  // The thumb is grabbed at its centre and dragged past every value on the way.
  const PixelRect thumb = slider->ThumbBounds();
  const double y = thumb.top + thumb.height / 2;
  const std::int32_t target = std::clamp(value, slider->Min(), slider->Max());
  std::int32_t at = slider->Value();
  form.RaiseMouseMove(0, 0, slider->ThumbCentreAt(at), y);
  form.RaiseMouseDown(kLeftButtonMask, 0, slider->ThumbCentreAt(at), y);
  while (at != target && form.Loaded()) {
    at += at < target ? 1 : -1;
    form.RaiseMouseMove(kLeftButtonMask, 0, slider->ThumbCentreAt(at), y);
  }
  if (form.Loaded()) form.RaiseMouseUp(kLeftButtonMask, 0, slider->ThumbCentreAt(at), y);
  return true;
}

void HeadlessSession::AdvanceTo(std::int64_t ms) {
  for (std::int64_t due = runtime_.NextDueMs(); due >= 0 && due <= ms; due = runtime_.NextDueMs()) {
    clock_.AdvanceTo(due);
    runtime_.RunDueTimers();
  }
  clock_.AdvanceTo(ms);
}

Surface HeadlessSession::Screen() const {
  const PixelSize size = process_.RunMode == 4 ? previewSize_ : desktopSize_;
  // The saver covers a black screen; the dialogs sit on the desktop's teal.
  Surface screen(size.width, size.height, started_.setup ? kDesktopBackground : kBlack);
  windows_.Compose(screen);
  return screen;
}

}  // namespace talvora
