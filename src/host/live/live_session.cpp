#include "host/live/live_session.h"

#include <algorithm>

#include "runtime/graphics/surface.h"

namespace talvora {
namespace {

// The form input goes to: the last loaded form that is visible.
Form* ActiveForm(const FormsRuntime& runtime) {
  const auto& forms = runtime.LoadedForms();
  for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
    if ((*form)->Visible()) return *form;
  }
  return nullptr;
}

// How long to wait for input: until the next timer is due, or for good.
std::int64_t WaitLimit(const FormsRuntime& runtime) {
  const std::int64_t due = runtime.NextDueMs();
  if (due < 0) return -1;
  return std::max<std::int64_t>(0, due - runtime.Now());
}

}  // namespace

LiveSession::LiveSession(LiveServices& services, std::string programDir)
    : services_(services),
      runtime_(services.clock, services.text),
      pictures_(MakeSaverPictures()),
      environment_{runtime_,         services.clock,   services.registry,     services.saver,
                   services.windows, services.profile, services.paths,        pictures_,
                   random_,          process_,         std::move(programDir), services.shell,
                   services.files,   dialogPictures_} {
  runtime_.SetEventPump(this);
}

LiveSession::~LiveSession() { runtime_.SetEventPump(nullptr); }

void LiveSession::Start(std::string_view commandLine, WindowHandle saverHandle) {
  started_ = StartUp(environment_, commandLine, saverHandle);
  runtime_.PaintInvalidated();
  if (runtime_.AnyFormLoaded()) Present();
}

void LiveSession::Run() {
  while (PumpOnce()) {
  }
}

bool LiveSession::PumpOnce() {
  if (!runtime_.AnyFormLoaded()) return false;
  for (const DisplayEvent& event : services_.display.WaitForEvents(WaitLimit(runtime_))) {
    Deliver(event);
    if (!runtime_.AnyFormLoaded()) return false;
  }
  runtime_.RunDueTimers();
  runtime_.PaintInvalidated();
  if (!runtime_.AnyFormLoaded()) return false;
  Present();
  return true;
}

void LiveSession::Deliver(const DisplayEvent& event) {
  using Kind = DisplayEvent::Kind;
  if (event.kind == Kind::kResize) {
    // The saver window fills the drawing area it was sized to at start-up.
    if (started_.saver && started_.saver->Loaded()) {
      started_.saver->MoveWindow({0, 0, event.width, event.height});
    }
    return;
  }
  Form* form = ActiveForm(runtime_);
  if (form == nullptr) return;
  switch (event.kind) {
    case Kind::kKeyDown:
      form->RaiseKeyDown(event.keyCode, event.shift);
      break;
    case Kind::kKeyPress:
      form->RaiseKeyPress(event.character);
      break;
    case Kind::kMouseMove:
      form->RaiseMouseMove(event.button, event.shift, event.x, event.y);
      break;
    case Kind::kMouseDown:
      form->RaiseMouseDown(event.button, event.shift, event.x, event.y);
      break;
    case Kind::kMouseUp:
      form->RaiseMouseUp(event.button, event.shift, event.x, event.y);
      break;
    case Kind::kClick:
      form->RaiseClick();
      break;
    case Kind::kDblClick:
      form->RaiseDblClick();
      break;
    case Kind::kClose:
      form->Unload(UnloadMode::kUserClosed);
      runtime_.PaintInvalidated();
      break;
    case Kind::kResize:
    case Kind::kExpose:
      break;
  }
}

void LiveSession::Present() {
  LiveDisplay& display = services_.display;
  Surface screen(display.Width(), display.Height(), kBlack);
  for (const Form* form : runtime_.LoadedForms()) {
    if (form->Visible()) form->ComposeOnto(screen, 0, 0);
  }
  display.Present(screen.Pixels(), screen.Width(), screen.Height());
}

}  // namespace talvora
