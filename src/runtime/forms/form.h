#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/forms/control_container.h"
#include "runtime/forms/dialog_input.h"
#include "runtime/graphics/paint_picture.h"
#include "runtime/graphics/picture.h"

namespace talvora {

class PictureBox;

inline constexpr int kTwipsPerPixel = 15;

// Why a form is asked to unload, as its query-unload reaction learns it.
enum class UnloadMode {
  kUserClosed = 0,  // closed from its window's close control or from outside
  kCode = 1,        // the program asked
};

// How a form's window looks and where it first appears.
enum class BorderStyle {
  kNone,         // no frame, no caption: the saver window
  kFixedDialog,  // a dialog frame that cannot be resized, with caption and close box
};
enum class StartUpPosition {
  kManual,        // where the program puts it
  kCenterOwner,   // centred over the form that owns it
  kCenterScreen,  // centred on the screen
};
struct WindowStyle {
  BorderStyle border = BorderStyle::kNone;
  StartUpPosition position = StartUpPosition::kManual;
  bool showInTaskbar = true;
};

// The pointer shown while the mouse is over the form.
enum class MousePointer { kDefault, kHand };

// A top-level window with its reactions. Subclasses are the product's forms
// (frmSSaver, SetupForm, ...) and override the reactions they have.
class Form : public ControlContainer {
 public:
  Form(FormsRuntime& runtime, std::string_view name);
  ~Form() override;

  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }

  // Loads the form, running its load reaction; nothing when already loaded.
  void Load();
  // Loads the form when needed and shows it, not modal.
  void Show();
  // Shows the form modal over its owner: returns once it has unloaded, the
  // host's loop running meanwhile, timers of every form included. The owner
  // takes no input meanwhile.
  void ShowModal(Form* owner = nullptr);
  void Hide();
  // Asks the form to unload: the query-unload and unload reactions may
  // cancel. True when the form is unloaded afterwards.
  bool Unload(UnloadMode mode = UnloadMode::kCode);

  // Where the window is on the screen, in pixels.
  PixelRect ScreenBounds() const { return {left_, top_, Width(), Height()}; }
  void MoveWindow(const PixelRect& bounds);
  double WidthTwips() const { return Width() * double{kTwipsPerPixel}; }
  double HeightTwips() const { return Height() * double{kTwipsPerPixel}; }

  // Sets the client area's size, given in twips as layouts give it.
  void SetClientSizeTwips(int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

  const WindowStyle& Style() const { return style_; }
  void SetStyle(const WindowStyle& style) { style_ = style; }
  // The form this one is modal over, nullptr for none.
  Form* Owner() const { return owner_; }
  bool Modal() const { return modal_; }

  MousePointer Pointer() const { return pointer_; }
  void SetPointer(MousePointer pointer);

  // Draws a picture on the form's surface (see the free PaintPicture).
  void PaintPicture(const Picture& picture, double x, double y,
                    std::optional<double> width = std::nullopt,
                    std::optional<double> height = std::nullopt, RasterOp op = RasterOp::kSrcCopy);

  // Input, as a host delivers it; each goes to the dialog control it is for,
  // if any, else runs the form's matching reaction, and then the repaint of
  // what it invalidated. Coordinates are form pixels.
  void RaiseKeyDown(int keyCode, int shift);
  void RaiseKeyPress(int keyAscii);
  void RaiseMouseDown(int button, int shift, double x, double y);
  void RaiseMouseMove(int button, int shift, double x, double y);
  void RaiseMouseUp(int button, int shift, double x, double y);
  void RaiseClick();
  void RaiseDblClick();

  // Draws the form with its visible child windows onto a screen image whose
  // top-left corner is the screen point (originX, originY).
  void ComposeOnto(Surface& screen, int originX, int originY) const;

  // Repaints what was invalidated on the form and in its child windows.
  void PaintInvalidated() override;

  // Where the control, child window, or control inside a child window of
  // that name is, in form pixels; nullopt when the form has none.
  std::optional<PixelRect> ControlBounds(std::string_view name) const;

  void AddChild(PictureBox& child) { children_.push_back(&child); }
  void RemoveChild(PictureBox& child) { std::erase(children_, &child); }

  // The form's dialog controls, their focus and input routing.
  DialogInput& Dialog() { return dialog_; }
  const DialogInput& Dialog() const { return dialog_; }

 protected:
  virtual void Form_Load() {}
  virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
  virtual void Form_KeyPress(int /*keyAscii*/) {}
  virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseMove(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}
  virtual void Form_Paint() {}
  virtual void Form_QueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void Form_Unload(bool& /*cancel*/) {}

 private:
  void AfterPaint() override { Form_Paint(); }
  void AfterInput();

  WindowStyle style_;
  Form* owner_ = nullptr;
  bool modal_ = false;
  MousePointer pointer_ = MousePointer::kDefault;
  bool pressOnControl_ = false;  // the last mouse press went to a dialog control
  bool loaded_ = false;
  bool visible_ = false;
  int left_ = 0;
  int top_ = 0;
  std::string caption_;
  std::vector<PictureBox*> children_;
  DialogInput dialog_;
};

}  // namespace talvora
