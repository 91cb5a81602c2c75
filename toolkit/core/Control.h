// Every visible thing in an installer window is a Control in a tree whose inner
// nodes are panels. A control carries its tree links, the window it is attached to,
// its arranged rectangle and desired size, its event handlers and its state bits;
// subclasses give it a look (paint), a shape for the pointer (hitTest), a name for
// the script bindings (typeName) and a layout (measureOverride, arrangeOverride).
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "toolkit/core/Delegate.h"
#include "toolkit/core/Geometry.h"
#include "toolkit/core/Object.h"

namespace toolkit {

class Painter;
class Panel;
class WindowHost;

// Control state bits.
enum StateBit : uint32_t {
  Enabled = 0x1,
  Visible = 0x2,
  Focused = 0x4,
  Pressed = 0x8,
  Hovered = 0x10,
  RepaintOnMouse = 0x20,
  CaptureOnPress = 0x40,
  FocusOnPress = 0x80,
  DropFocusOnPress = 0x100,
  HitTransparent = 0x400,
  DoubleClicks = 0x800,
  HasChildren = 0x2000,
  Checked = 0x4000,
  ScriptBound = 0x40000,
};

// Draws the style named by a control's "style" attribute. The style cache installs
// one when styles are loaded; until then controls draw nothing.
class StyleDrawer {
 public:
  virtual void drawStyle(const std::u16string& styleName, Painter& painter, const Rect& rect,
                         Control& control) = 0;

 protected:
  ~StyleDrawer() = default;
};

class Control : public Object {
 public:
  Control();
  ~Control() override;

  // The control's rectangle `rect` and the clip are in the painter's coordinates.
  virtual void paint(Painter& painter, const Rect& rect, const Rect& clip);
  // x and y are in the parent's coordinates.
  virtual Control* hitTest(int32_t x, int32_t y);
  virtual const char16_t* typeName() const;
  virtual Size measureOverride(int32_t availableWidth, int32_t availableHeight);
  virtual Size arrangeOverride(int32_t width, int32_t height);

  Panel* parent() const { return parent_; }
  Control* previousSibling() const { return previous_; }
  Control* nextSibling() const { return next_; }
  WindowHost* window() const { return window_; }
  Panel* asPanel();

  uint32_t state() const { return state_; }
  bool has(uint32_t bits) const { return (state_ & bits) == bits; }
  void setState(uint32_t bits, bool on) { state_ = on ? (state_ | bits) : (state_ & ~bits); }

  const Rect& rect() const { return rect_; }
  void setArrangedRect(const Rect& r) { rect_ = r; }
  Size desiredSize() const { return desired_; }
  void setDesiredSize(Size s) { desired_ = s; }

  // Appends a handler for an event code; false when the delegate pool is exhausted.
  bool addHandler(int32_t code, void* target, HandlerFn fn);
  // Disarms and removes the first handler with this target and function.
  void removeHandler(int32_t code, void* target, HandlerFn fn);
  // The handlers for a code in registration order, or null.
  const std::vector<DelegateRef>* handlers(int32_t code) const;

  // The script runtime's hook for forgetting a ScriptBound control that is being
  // destroyed; installed by the script bindings.
  using ForgetHook = void (*)(Control* control);
  static void setScriptForgetHook(ForgetHook hook);
  static void setStyleDrawer(StyleDrawer* drawer);

 protected:
  // Draws the style of that name over `rect`; nothing until a style drawer is set.
  void paintStyle(const std::u16string& styleName, Painter& painter, const Rect& rect);

 private:
  friend class Panel;
  friend void attach(Control& parent, Control& child);
  friend void detach(Control& control);
  friend void setRootWindow(Control& root, WindowHost* window);

  Panel* parent_ = nullptr;
  Control* previous_ = nullptr;
  Control* next_ = nullptr;
  WindowHost* window_ = nullptr;
  Rect rect_;
  Size desired_;
  std::map<int32_t, std::vector<DelegateRef>> handlers_;
  uint32_t state_ = Enabled | Visible;
};

}  // namespace toolkit
