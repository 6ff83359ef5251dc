#include "host/live/live_session.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "runtime/forms/window_frame.h"
#include "runtime/graphics/surface.h"

namespace talvora {
namespace {

// Around a dialog smaller than the window, the desktop's teal.
constexpr Pixel kDesktopBackground = 0x008080;

// How long to wait for input: until the next timer is due, or for good.
std::int64_t WaitLimit(const FormsRuntime& runtime) {
  const std::int64_t due = runtime.NextDueMs();
  if (due < 0) return -1;
  return std::max<std::int64_t>(0, due - runtime.Now());
}

int PixelOf(double coordinate) { return static_cast<int>(std::floor(coordinate)); }

// A cursor's pictures as the display takes them: true for white.
PointerImage PointerImageOf(const CursorPicture& cursor) {
  PointerImage pointer;
  pointer.width = cursor.image.Width();
  pointer.height = cursor.image.Height();
  pointer.hotX = cursor.hotX;
  pointer.hotY = cursor.hotY;
  for (int y = 0; y < pointer.height; ++y) {
    for (int x = 0; x < pointer.width; ++x) {
      pointer.mask.push_back(cursor.mask.At(x, y) == kWhite);
      pointer.image.push_back(cursor.image.At(x, y) == kWhite);
    }
  }
  return pointer;
}

// Where dragging moves a window with that outer rectangle: its caption bar
// left of the close box.
DisplayRect CaptionDragArea(const PixelRect& outer) {
  const PixelRect closeBox = DialogCloseBox(outer);
  const int left = outer.left + kDialogFrameBorder;
  return {left, outer.top + kDialogFrameBorder, closeBox.left - left, kDialogCaptionHeight};
}

void RaiseKey(Form& form, const DisplayEvent& event) {
  if (event.kind == DisplayEvent::Kind::kKeyDown) {
    form.RaiseKeyDown(event.keyCode, event.shift);
  } else {
    form.RaiseKeyPress(event.character);
  }
}

}  // namespace

LiveSession::LiveSession(LiveServices& services, std::string programDir)
    : services_(services),
      runtime_(services.clock, services.text),
      environment_{runtime_,         services.clock,   services.registry,     services.saver,
                   services.windows, services.profile, services.paths,        pictures_,
                   random_,          process_,         std::move(programDir), services.shell,
                   services.files,   dialogPictures_} {
  runtime_.SetEventPump(this);
}

LiveSession::~LiveSession() { runtime_.SetEventPump(nullptr); }

void LiveSession::Start(std::string_view commandLine, WindowHandle saverHandle) {
  if (DecideStartup(commandLine).mode == StartupMode::kSetup) {
    dialogPictures_ = MakeDialogPictures();
    hand_ = PointerImageOf(dialogPictures_.hand);
    dialogs_.emplace(runtime_,
                     PixelRect{0, 0, services_.display.Width(), services_.display.Height()});
  }
  started_ = StartUp(environment_, commandLine, saverHandle);
  if (started_.setup && started_.setup->Loaded()) ShowSetupWindow(*started_.setup);
  runtime_.PaintInvalidated();
  if (runtime_.AnyFormLoaded()) Present();
}

// The window is the setup dialog's outer frame: the dialog fills it, and the
// smaller dialogs it opens are placed centred over it.
void LiveSession::ShowSetupWindow(Form& setup) {
  const PixelRect client = setup.ScreenBounds();
  PixelRect outer = DialogFrameAround({0, 0, client.width, client.height});
  setup.MoveWindow({-outer.left, -outer.top, client.width, client.height});
  outer.left = 0;
  outer.top = 0;
  dialogs_->SetScreen(outer);
  LiveDisplay& display = services_.display;
  display.ShowAsDialogWindow({outer.width, outer.height, setup.Caption()});
  display.SetDragArea(CaptionDragArea(outer));
  display.SetPointer(nullptr);
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
  if (dialogs_) {
    DeliverToDialogs(event);
    return;
  }
  using Kind = DisplayEvent::Kind;
  if (event.kind == Kind::kResize) {
    // The saver window fills the drawing area it was sized to at start-up.
    if (started_.saver && started_.saver->Loaded()) {
      started_.saver->MoveWindow({0, 0, event.width, event.height});
    }
    return;
  }
  Form* form = runtime_.ActiveForm();
  if (form == nullptr) return;
  switch (event.kind) {
    case Kind::kKeyDown:
    case Kind::kKeyPress:
      RaiseKey(*form, event);
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

// The mouse goes through the drawn window frames to the dialog in front;
// keys go to that dialog.
void LiveSession::DeliverToDialogs(const DisplayEvent& event) {
  using Kind = DisplayEvent::Kind;
  DrawnDesktop& dialogs = *dialogs_;
  const int x = PixelOf(event.x);
  const int y = PixelOf(event.y);
  switch (event.kind) {
    case Kind::kKeyDown:
    case Kind::kKeyPress:
      if (Form* form = runtime_.ActiveForm()) RaiseKey(*form, event);
      break;
    case Kind::kMouseMove:
      dialogs.MouseMove(event.button, event.shift, x, y);
      break;
    case Kind::kMouseDown:
      dialogs.MouseDown(event.button, event.shift, x, y);
      break;
    case Kind::kMouseUp:
      dialogs.MouseUp(event.button, event.shift, x, y);
      break;
    case Kind::kClick:
      dialogs.Click();
      break;
    case Kind::kDblClick:
      dialogs.DblClick();
      break;
    case Kind::kClose:
      CloseDialogs();
      break;
    case Kind::kResize:
    case Kind::kExpose:
      break;
  }
}

// Closing the window closes every dialog in it, the one in front first; as
// with each dialog's close box, nothing is stored.
void LiveSession::CloseDialogs() {
  const std::vector<Form*> forms = runtime_.LoadedForms();
  for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
    if (!(*form)->Unload(UnloadMode::kUserClosed)) break;
  }
  runtime_.PaintInvalidated();
}

// The dialog in front picks the pointer, the hand over its links.
void LiveSession::ShowPointer() {
  const Form* form = runtime_.ActiveForm();
  const MousePointer pointer = form != nullptr ? form->Pointer() : MousePointer::kDefault;
  if (pointer == shownPointer_) return;
  shownPointer_ = pointer;
  services_.display.SetPointer(pointer == MousePointer::kHand ? &hand_ : nullptr);
}

void LiveSession::Present() {
  LiveDisplay& display = services_.display;
  Surface screen(display.Width(), display.Height(), dialogs_ ? kDesktopBackground : kBlack);
  if (dialogs_) {
    dialogs_->Compose(screen);
    ShowPointer();
  } else {
    for (const Form* form : runtime_.LoadedForms()) {
      if (form->Visible()) form->ComposeOnto(screen, 0, 0);
    }
  }
  display.Present(screen.Pixels(), screen.Width(), screen.Height());
}

}  // namespace talvora
