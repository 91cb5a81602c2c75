// A window's input: mouse messages turned into hit-tested, routed events with capture
// and the hover chain, keyboard messages delivered to the focus control, focus moves,
// forgetting controls that leave, and the tooltip.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "toolkit/core/Coordinates.h"
#include "toolkit/core/EventRouter.h"
#include "toolkit/core/Names.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/WindowImpl.h"

namespace toolkit {
namespace {

constexpr size_t kMaxHoverChain = 32;

// The control and its ancestors up to the root, innermost first.
std::vector<Control*> chainOf(Control* control) {
  std::vector<Control*> chain;
  for (Control* c = control; c && chain.size() < kMaxHoverChain; c = c->parent()) chain.push_back(c);
  return chain;
}

bool inside(const Control* candidate, const Control* x) {
  for (const Control* c = candidate; c; c = c->parent())
    if (c == x) return true;
  return false;
}

// Button messages carry the position as two unsigned 16-bit words.
int32_t xOf(LPARAM lParam) { return int32_t(uint16_t(LOWORD(lParam))); }
int32_t yOf(LPARAM lParam) { return int32_t(uint16_t(HIWORD(lParam))); }

}  // namespace

Control* WindowImpl::hit(LPARAM position, bool enabledOnly) {
  if (!root_) return nullptr;
  Control* found = root_->hitTest(xOf(position), yOf(position));
  return found && (!enabledOnly || found->has(Enabled)) ? found : nullptr;
}

Control* WindowImpl::hitAtCursor() {
  Point p = cursorPos();
  return root_ ? root_->hitTest(p.x, p.y) : nullptr;
}

bool WindowImpl::raise(Control* target, int32_t code, int32_t routing, WPARAM wParam, LPARAM lParam) {
  if (!target) return false;
  EventArgs args;
  args.code = code;
  args.routing = routing;
  args.wParam = wParam;
  args.lParam = lParam;
  raiseEvent(*target, args);
  return args.handled != 0;
}

void WindowImpl::repaint(Control* control, bool always) {
  if (control && (always || control->has(RepaintOnMouse))) invalidate(*control, false);
}

void WindowImpl::onLButtonDown(WPARAM wParam, LPARAM lParam) {
  hideTooltip();
  Control* target = hit(lParam, true);
  if (!target) return;
  repaint(target);
  if (raise(target, PreviewLButtonDown, Tunnel, wParam, lParam)) return;
  if (target->has(CaptureOnPress)) {
    SetCapture(handle());
    capture_ = target;
    target->setState(Pressed, true);
    raise(target, GotCapture, Direct, 0, 0);
  }
  if (target->has(FocusOnPress)) setFocus(target);
  else if (target->has(DropFocusOnPress)) setFocus(nullptr);
  raise(target, LButtonDown, Bubble, wParam, lParam);
}

void WindowImpl::onLButtonUp(WPARAM wParam, LPARAM lParam) {
  if (Control* captured = capture_) {
    repaint(captured);
    raise(captured, LButtonUp, Direct, wParam, lParam);
    releaseCapture();
    onMouseMove(wParam, lParam);
    return;
  }
  Control* target = hit(lParam, true);
  if (!target) return;
  repaint(target);
  if (!raise(target, PreviewLButtonUp, Tunnel, wParam, lParam)) raise(target, LButtonUp, Bubble, wParam, lParam);
}

void WindowImpl::onRButton(int32_t preview, int32_t main, WPARAM wParam, LPARAM lParam, bool hideTip) {
  if (hideTip) hideTooltip();
  Control* target = hit(lParam, true);
  if (!target) return;
  repaint(target);
  if (!raise(target, preview, Tunnel, wParam, lParam)) raise(target, main, Bubble, wParam, lParam);
}

void WindowImpl::onDoubleClick(int32_t code, UINT single, WPARAM wParam, LPARAM lParam) {
  Control* target = hit(lParam, true);
  if (!target) return;
  if (target->has(DoubleClicks)) raise(target, code, Direct, wParam, lParam);
  else if (single == WM_LBUTTONDOWN) onLButtonDown(wParam, lParam);
  else onRButton(PreviewRButtonDown, RButtonDown, wParam, lParam, true);
}

void WindowImpl::onMouseWheel(WPARAM wParam, LPARAM lParam) {
  Control* target = hitAtCursor();
  if (target && target->has(Enabled)) raise(target, MouseWheel, Bubble, wParam, lParam);
}

void WindowImpl::trackMouse() {
  TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, handle(), HOVER_DEFAULT};
  TrackMouseEvent(&track);
  tracking_ = true;
}

// Moves the hover to `control`: the controls that left the chain get MouseLeave and
// the ones that joined get MouseEnter, outermost first in both cases.
void WindowImpl::moveHoverTo(Control* control, std::vector<Control*> chain) {
  std::vector<Control*> old = hoverChain_;
  size_t common = 0;
  while (common < old.size() && common < chain.size() &&
         old[old.size() - 1 - common] == chain[chain.size() - 1 - common])
    ++common;
  hover_ = control;
  hoverChain_ = chain;
  for (size_t i = old.size() - common; i-- > 0;) {
    old[i]->setState(Hovered, false);
    repaint(old[i]);
    raise(old[i], MouseLeave, Direct, 0, 0);
  }
  for (size_t i = chain.size() - common; i-- > 0;) {
    chain[i]->setState(Hovered, true);
    repaint(chain[i]);
    raise(chain[i], MouseEnter, Direct, 0, 0);
  }
}

void WindowImpl::onMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!tracking_) trackMouse();
  Control* target = hit(lParam, false);
  if (target != hover_) {
    hideTooltip();
    moveHoverTo(target, chainOf(target));
  }
  if (capture_) raise(capture_, MouseMove, Direct, wParam, lParam);
  else if (hover_ && hover_->has(Enabled)) raise(hover_, MouseMove, Bubble, wParam, lParam);
}

void WindowImpl::onMouseLeave() {
  hideTooltip();
  tracking_ = false;
  std::vector<Control*> chain = hoverChain_;
  hover_ = nullptr;
  hoverChain_.clear();
  for (Control* c : chain) {  // innermost first
    c->setState(Hovered, false);
    repaint(c);
    raise(c, MouseLeave, Direct, 0, 0);
  }
}

void WindowImpl::onMouseHover(LPARAM lParam) {
  trackMouse();
  if (capture_) return;
  Control* target = hit(lParam, false);
  if (const std::u16string* tip = target ? target->getText(intern(u"tooltip")) : nullptr) showTooltip(*tip);
}

void WindowImpl::onCaptureChanged() {
  Control* captured = capture_;
  if (!captured) return;
  capture_ = nullptr;
  repaint(captured, true);
  captured->setState(Pressed, false);
  raise(captured, LostCapture, Direct, 0, 0);
}

bool WindowImpl::onSetCursor() {
  Control* target = hitAtCursor();
  return target && raise(target, SetCursor, Direct, 0, 0);
}

LRESULT WindowImpl::onKey(int32_t preview, int32_t main, WPARAM wParam, LPARAM lParam) {
  if (Control* target = focus_) {
    // A handled preview swallows the key; a handler may also have moved the focus.
    if (!raise(target, preview, Tunnel, wParam, lParam) && focus_) raise(focus_, main, Bubble, wParam, lParam);
  }
  return 0;
}

void WindowImpl::setFocus(Control* control) {
  if (control == focus_) return;
  savedFocus_ = nullptr;
  if (Control* old = focus_) {
    old->setState(Focused, false);
    focus_ = nullptr;
    raise(old, LostFocus, Direct, 0, 0);
  }
  focus_ = control;
  if (!control) return;
  if (GetFocus() != handle()) SetFocus(handle());
  control->setState(Focused, true);
  raise(control, GotFocus, Direct, 0, 0);
}

void WindowImpl::onKillFocus() {
  Control* old = focus_;
  if (!old) return;
  savedFocus_ = old;
  focus_ = nullptr;
  raise(old, LostFocus, Direct, 0, 0);  // its Focused bit stays until the focus moves
}

void WindowImpl::releaseCapture() {
  ReleaseCapture();
  if (Control* captured = capture_) {
    capture_ = nullptr;
    captured->setState(Pressed, false);
    raise(captured, LostCapture, Direct, 0, 0);
  }
}

void WindowImpl::postMouseMove() {
  Point p = cursorPos();
  PostMessageW(handle(), WM_MOUSEMOVE, 0, MAKELPARAM(uint16_t(p.x), uint16_t(p.y)));
}

void WindowImpl::forget(Control* control) {
  if (capture_ && inside(capture_, control)) releaseCapture();
  if (focus_ && inside(focus_, control)) setFocus(nullptr);
  if (savedFocus_ && inside(savedFocus_, control)) savedFocus_ = nullptr;
  if (hover_ && inside(hover_, control)) {
    hideTooltip();
    moveHoverTo(nullptr, chainOf(control->parent()));
    hover_ = nullptr;
    postMouseMove();
  }
}

void WindowImpl::showTooltip(const std::u16string& text) {
  tooltipText_.assign(text.begin(), text.end());
  if (!tooltip_ || IsWindowVisible(tooltip_)) return;
  POINT p;
  GetCursorPos(&p);
  int width = int(tooltipText_.size()) * 14;
  int screen = GetSystemMetrics(SM_CXSCREEN);
  if (p.x + width + 2 > screen) p.x = screen - width - 2;
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(p.x, p.y + 19));
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool_));
}

void WindowImpl::hideTooltip() {
  if (tooltip_ && IsWindowVisible(tooltip_))
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool_));
}

}  // namespace toolkit
