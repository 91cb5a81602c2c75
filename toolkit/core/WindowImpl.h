// A top-level window showing one control tree: built from a layout document, sized
// to its content, painted through an off-screen surface, and feeding the tree with
// the toolkit's events from Windows input (hit testing, capture, focus, the hover
// chain), with tooltips, a text caret and the modal loop behind dialogs. Every step
// that follows an event re-reads the window's fields, because handlers may destroy
// controls or run nested loops. UI thread only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/Control.h"
#include "toolkit/core/Timer.h"
#include "toolkit/core/WindowBase.h"
#include "toolkit/core/WindowHost.h"
#include "toolkit/draw/OffscreenSurface.h"

namespace toolkit {

class WindowImpl : public WindowBase, public WindowHost {
 public:
  // Builds the tree of the layout document and the (hidden) native window.
  WindowImpl(const std::u16string& markupName, DWORD style, DWORD exStyle);
  // For subclasses that make their tree and native window themselves.
  WindowImpl();
  ~WindowImpl() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  Control* root() const { return root_.get(); }
  Control* focusControl() const { return focus_; }
  Control* captureControl() const { return capture_; }
  Control* hoverControl() const { return hover_; }
  HWND tooltipWindow() const { return tooltip_; }
  Control* controlById(int32_t id) const;

  void setFocus(Control* control);
  void releaseCapture();
  void showCaret(int32_t x, int32_t y);
  void hideCaret();
  void setCaretSize(int32_t width, int32_t height);
  void sizeToContent();
  // The modal loop: returns the dialog result; the window is destroyed by then.
  int32_t runModal(HWND owner);
  // Stores a dialog result; a non-zero one ends the modal loop.
  void endDialog(int32_t result);

  // WindowHost
  void mapId(int32_t id, Control* control) override;
  void forget(Control* control) override;
  Rect clientRect() const override;
  Point cursorPos() const override;
  void addDirty(const Rect& rect) override;
  void requestRepaint(bool synchronous) override;

  // The script bindings' hook, told when a window is destroyed.
  using DestroyHook = void (*)(WindowImpl* window);
  static void setDestroyHook(DestroyHook hook);

  static constexpr UINT kRepaintMessage = WM_USER + 1;

 protected:
  std::unique_ptr<Control> root_;

 private:
  class WindowTimer : public Timer {
   public:
    explicit WindowTimer(WindowImpl& window) : window_(window) {}
    ~WindowTimer() = default;

   protected:
    void tick() override;

   private:
    WindowImpl& window_;
  };

  // Lifecycle and painting (WindowImpl.cpp).
  void onCreate();
  void onSize();
  void onPaint();
  void onPrintClient(HDC dc);
  void applyRoundCorner();
  void createTooltip();
  void drawCaret(HDC dc);
  void repaintCaret();

  // Input (WindowInput.cpp).
  Control* hit(LPARAM position, bool enabledOnly);
  Control* hitAtCursor();
  bool raise(Control* target, int32_t code, int32_t routing, WPARAM wParam, LPARAM lParam);
  void repaint(Control* control, bool always = false);
  void onLButtonDown(WPARAM wParam, LPARAM lParam);
  void onLButtonUp(WPARAM wParam, LPARAM lParam);
  void onRButton(int32_t preview, int32_t main, WPARAM wParam, LPARAM lParam, bool hideTip);
  void onDoubleClick(int32_t code, UINT single, WPARAM wParam, LPARAM lParam);
  void onMouseWheel(WPARAM wParam, LPARAM lParam);
  void onMouseMove(WPARAM wParam, LPARAM lParam);
  void onMouseLeave();
  void onMouseHover(LPARAM lParam);
  void onCaptureChanged();
  bool onSetCursor();
  LRESULT onKey(int32_t preview, int32_t main, WPARAM wParam, LPARAM lParam);
  void onKillFocus();
  void trackMouse();
  void moveHoverTo(Control* control, std::vector<Control*> chain);
  void postMouseMove();

  // Tooltip (WindowInput.cpp).
  void showTooltip(const std::u16string& text);
  void hideTooltip();

  int32_t dialogResult_ = 0;
  bool modal_ = false;
  Control* capture_ = nullptr;
  Control* focus_ = nullptr;
  Control* savedFocus_ = nullptr;
  Control* hover_ = nullptr;
  std::vector<Control*> hoverChain_;  // innermost first, at most 32
  HWND tooltip_ = nullptr;
  TOOLINFOW tool_{};
  std::wstring tooltipText_;
  std::map<int32_t, Control*> ids_;
  bool tracking_ = false;
  HRGN region_ = nullptr;
  OffscreenSurface surface_;
  RECT caret_{};
  bool caretShown_ = false;
  WindowTimer caretTimer_{*this};
};

}  // namespace toolkit
