#include "runtime/forms/form.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "runtime/forms/classic_style.h"
#include "runtime/forms/forms_runtime.h"
#include "runtime/forms/picture_box.h"
#include "runtime/forms/windowless_control.h"

namespace talvora {
namespace {

std::string_view RasterOpName(RasterOp op) {
  switch (op) {
    case RasterOp::kSrcCopy:
      return "SRCCOPY";
    case RasterOp::kSrcAnd:
      return "SRCAND";
    case RasterOp::kSrcInvert:
      return "SRCINVERT";
  }
  return "";
}

// Copies the part of a surface that falls on the screen image.
void Blit(const Surface& source, Surface& screen, int left, int top) {
  const PixelRect onScreen =
      Intersection({left, top, source.Width(), source.Height()}, screen.Bounds());
  for (int y = onScreen.top; y < onScreen.Bottom(); ++y) {
    const auto from = source.Row(y - top).subspan(static_cast<std::size_t>(onScreen.left - left),
                                                  static_cast<std::size_t>(onScreen.width));
    std::copy(from.begin(), from.end(),
              screen.Row(y).begin() + static_cast<std::ptrdiff_t>(onScreen.left));
  }
}

int PixelOf(double coordinate) { return static_cast<int>(std::floor(coordinate)); }

}  // namespace

Form::Form(FormsRuntime& runtime, std::string_view name) : ControlContainer(runtime, name) {}

Form::~Form() {
  if (loaded_) Runtime().FormUnloaded(*this);
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Runtime().FormLoaded(*this);
  Runtime().Trace("load", {{"form", Name()}});
  Form_Load();
}

void Form::Show() {
  Load();
  if (!loaded_) return;  // the load reaction unloaded it again
  visible_ = true;
  dialog_.FocusFirst();
  InvalidateAll();
  Runtime().Trace("show", {{"form", Name()}});
  Runtime().FormShown(*this);
}

void Form::ShowModal(Form* owner) {
  owner_ = owner;
  modal_ = true;
  Show();
  Runtime().PaintInvalidated();
  while (loaded_ && Runtime().Pump()) {
  }
  // A host whose loop has ended leaves the form up, as the screen shows it.
  if (loaded_) return;
  modal_ = false;
  owner_ = nullptr;
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Runtime().FormHidden(*this);
}

void Form::SetClientSizeTwips(int width, int height) {
  Resize(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

void Form::SetPointer(MousePointer pointer) {
  if (pointer == pointer_) return;
  pointer_ = pointer;
  Runtime().PointerChanged(*this);
}

bool Form::Unload(UnloadMode mode) {
  if (!loaded_) return true;
  bool cancel = false;
  Form_QueryUnload(cancel, mode);
  if (cancel) return false;
  Form_Unload(cancel);
  if (cancel) return false;
  loaded_ = false;
  visible_ = false;
  Runtime().FormUnloaded(*this);
  Runtime().Trace("unload", {{"form", Name()}});
  return true;
}

void Form::MoveWindow(const PixelRect& bounds) {
  left_ = bounds.left;
  top_ = bounds.top;
  Resize(std::max(bounds.width, 0), std::max(bounds.height, 0));
}

void Form::PaintPicture(const Picture& picture, double x, double y, std::optional<double> width,
                        std::optional<double> height, RasterOp op) {
  talvora::PaintPicture(Canvas(), picture, x, y, width, height, op);
  const PictureOrigin& origin = picture.Origin();
  Runtime().Trace("paint", {{"form", Name()},
                            {"strip", origin.strip},
                            {"cell", std::int64_t{origin.cell}},
                            {"x", x},
                            {"y", y},
                            {"w", width.value_or(picture.Width())},
                            {"h", height.value_or(picture.Height())},
                            {"rop", RasterOpName(op)}});
}

void Form::RaiseKeyDown(int keyCode, int shift) {
  if (!dialog_.KeyDown(keyCode, shift)) Form_KeyDown(keyCode, shift);
  AfterInput();
}

void Form::RaiseKeyPress(int keyAscii) {
  if (!dialog_.KeyPress(keyAscii)) Form_KeyPress(keyAscii);
  AfterInput();
}

void Form::RaiseMouseDown(int button, int shift, double x, double y) {
  pressOnControl_ = dialog_.MouseDown(button, PixelOf(x), PixelOf(y));
  if (!pressOnControl_) Form_MouseDown(button, shift, x, y);
  AfterInput();
}

void Form::RaiseMouseMove(int button, int shift, double x, double y) {
  if (!dialog_.MouseMove(PixelOf(x), PixelOf(y))) Form_MouseMove(button, shift, x, y);
  AfterInput();
}

void Form::RaiseMouseUp(int button, int shift, double x, double y) {
  if (!dialog_.MouseUp(button, PixelOf(x), PixelOf(y))) Form_MouseUp(button, shift, x, y);
  AfterInput();
}

// A click or double click that began on a control is the control's, which
// reacts to the press and release itself; the form's reaction is for clicks
// on the form.
void Form::RaiseClick() {
  if (!pressOnControl_) Form_Click();
  AfterInput();
}

void Form::RaiseDblClick() {
  if (!pressOnControl_) Form_DblClick();
  AfterInput();
}

void Form::PaintInvalidated() {
  ControlContainer::PaintInvalidated();
  for (PictureBox* child : children_) child->PaintInvalidated();
}

void Form::AfterInput() { Runtime().PaintInvalidated(); }

void Form::ComposeOnto(Surface& screen, int originX, int originY) const {
  const int left = left_ - originX;
  const int top = top_ - originY;
  Blit(Canvas(), screen, left, top);
  for (const PictureBox* child : children_) {
    if (!child->Visible()) continue;
    if (child->HasBorder()) {
      const PixelRect outer = child->OuterBounds();
      ClassicStylePainter(screen, screen.Bounds())
          .SunkenEdge({left + outer.left, top + outer.top, outer.width, outer.height});
    }
    Blit(child->Canvas(), screen, left + child->Left(), top + child->Top());
  }
}

std::optional<PixelRect> Form::ControlBounds(std::string_view name) const {
  if (const WindowlessControl* control = FindControl(name)) return control->Bounds();
  for (const PictureBox* child : children_) {
    if (child->Name() == name) return child->OuterBounds();
    if (const WindowlessControl* control = child->FindControl(name)) {
      const PixelRect inside = control->Bounds();
      return PixelRect{child->Left() + inside.left, child->Top() + inside.top, inside.width,
                       inside.height};
    }
  }
  return std::nullopt;
}

}  // namespace talvora
