#include "host/headless/headless_session.h"

namespace talvora {
namespace {

constexpr int kLeftButton = 1;

// The form input goes to: the last loaded form that is visible.
Form* ActiveForm(const FormsRuntime& runtime) {
  const auto& forms = runtime.LoadedForms();
  for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
    if ((*form)->Visible()) return *form;
  }
  return nullptr;
}

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
      pictures_(MakeSaverPictures()),
      environment_{runtime_, clock_,           services.registry,    desktop_,
                   desktop_, services.profile, services.paths,       pictures_,
                   random_,  process_,         std::move(programDir)} {
  desktop_.SetOtherWindowsClientSize(preview.width, preview.height);
}

void HeadlessSession::SetTracer(Tracer* tracer) {
  runtime_.SetTracer(tracer);
  desktop_.SetTracer(tracer);
}

void HeadlessSession::Start(std::string_view commandLine) {
  started_ = StartUp(environment_, commandLine, kSaverWindowHandle);
  runtime_.PaintInvalidated();
}

void HeadlessSession::Deliver(const ScriptEvent& event) {
  using Kind = ScriptEvent::Kind;
  if (event.kind == Kind::kClose) {
    if (Form* form = FormNamed(runtime_, event.form)) form->Unload(UnloadMode::kUserClosed);
    runtime_.PaintInvalidated();
    return;
  }
  Form* form = ActiveForm(runtime_);
  if (form == nullptr) return;
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
      form->RaiseMouseDown(kLeftButton, 0, event.x, event.y);
      break;
    case Kind::kClick:
      // A click is a press, then the release and the click.
      form->RaiseMouseDown(kLeftButton, 0, event.x, event.y);
      if (form->Loaded()) form->RaiseMouseUp(kLeftButton, 0, event.x, event.y);
      if (form->Loaded()) form->RaiseClick();
      break;
    case Kind::kDblClick:
      form->RaiseDblClick();
      break;
    case Kind::kClose:
      break;
  }
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
  Surface screen(size.width, size.height, kBlack);
  for (const Form* form : runtime_.LoadedForms()) {
    if (form->Visible()) form->ComposeOnto(screen, 0, 0);
  }
  return screen;
}

}  // namespace talvora
