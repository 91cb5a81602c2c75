// A window's life: creation from markup, sizing, the rounded region, painting
// through the off-screen surface, the caret, the modal loop and destruction.
#include "toolkit/core/WindowImpl.h"

#include <imm.h>

#include "toolkit/core/Coordinates.h"
#include "toolkit/core/GdiPainter.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Names.h"
#include "toolkit/core/Toolkit.h"
#include "toolkit/core/Tree.h"
#include "toolkit/markup/MarkupLoader.h"

namespace toolkit {
namespace {

WindowImpl::DestroyHook destroyHook = nullptr;

std::unique_ptr<Control> loadTree(const std::u16string& markupName) {
  ToolkitContext* context = toolkitContext();
  if (!context || !context->markupPack().pack()) return nullptr;
  return markup::loadLayout(*context->markupPack().pack(), markupName, context->controlFactories(),
                            context->setters());
}

HFONT defaultFont() {
  ToolkitContext* context = toolkitContext();
  return context ? context->skins().font(L"Default") : nullptr;
}

Rect toRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void WindowImpl::setDestroyHook(DestroyHook hook) { destroyHook = hook; }

WindowImpl::WindowImpl() { caretTimer_.setInterval(GetCaretBlinkTime()); }

WindowImpl::WindowImpl(const std::u16string& markupName, DWORD style, DWORD exStyle) : WindowImpl() {
  root_ = loadTree(markupName);
  if (root_) createNative(style, exStyle, nullptr);  // a window without a tree has nothing to show
}

WindowImpl::~WindowImpl() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  root_.reset();
  if (region_) DeleteObject(region_);
  caretTimer_.stop();
  ids_.clear();
  surface_.release();
}

Control* WindowImpl::controlById(int32_t id) const {
  auto found = ids_.find(id);
  return found == ids_.end() ? nullptr : found->second;
}

void WindowImpl::onCreate() {
  if (!root_) return;
  setRootWindow(*root_, this);
  attach(*root_, *root_);
  sizeToContent();
  applyRoundCorner();
  createTooltip();
}

void WindowImpl::sizeToContent() {
  if (!root_) return;
  Size size;
  if (!root_->getSize(intern(u"initSize"), &size)) size = measure(*root_, 1024, 768);
  else measure(*root_, size.width, size.height);
  arrange(*root_, Rect{0, 0, size.width, size.height});
  SetWindowPos(handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowImpl::applyRoundCorner() {
  Size corner;
  if (!root_ || !root_->getSize(intern(u"roundCorner"), &corner)) return;
  RECT client;
  GetClientRect(handle(), &client);
  HRGN region = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, corner.width, corner.height);
  if (!region || !SetWindowRgn(handle(), region, TRUE)) {
    if (region) DeleteObject(region);
    return;
  }
  if (region_) DeleteObject(region_);
  region_ = region;  // the system owns it now; kept to know it exists
}

void WindowImpl::createTooltip() {
  static bool commonControls = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)commonControls;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                             0, 0, handle(), nullptr, nullptr, nullptr);
  if (!tooltip_) return;
  tool_ = TOOLINFOW{};
  tool_.cbSize = TTTOOLINFOW_V2_SIZE;
  tool_.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
  tool_.hwnd = handle();
  tool_.uId = reinterpret_cast<UINT_PTR>(tooltip_);
  tool_.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool_));
}

void WindowImpl::onSize() {
  RECT client;
  GetClientRect(handle(), &client);
  surface_.resize(client.right, client.bottom);
  if (region_) applyRoundCorner();
  if (!root_) return;
  if (root_->rect().right != client.right || root_->rect().bottom != client.bottom) {
    measure(*root_, client.right, client.bottom);
    arrange(*root_, toRect(client));
  }
  invalidate(*root_, false);
}

void WindowImpl::onPaint() {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(handle(), &paint);
  HDC dc = surface_.dc();
  if (dc && root_) {
    const RECT& update = paint.rcPaint;
    HRGN clip = CreateRectRgnIndirect(&update);
    SelectClipRgn(dc, clip);
    if (clip) DeleteObject(clip);
    HGDIOBJ previousFont = SelectObject(dc, defaultFont() ? defaultFont() : GetStockObject(DEFAULT_GUI_FONT));
    GdiPainter painter(dc);
    root_->paint(painter, root_->rect(), toRect(update));
    drawCaret(dc);
    SelectObject(dc, previousFont);
    BitBlt(screen, update.left, update.top, update.right - update.left, update.bottom - update.top, dc,
           update.left, update.top, SRCCOPY);
  }
  EndPaint(handle(), &paint);
}

void WindowImpl::onPrintClient(HDC dc) {
  if (!root_) return;
  HGDIOBJ previousFont = SelectObject(dc, defaultFont() ? defaultFont() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  GdiPainter painter(dc);
  root_->paint(painter, root_->rect(), clientRect());
  SelectObject(dc, previousFont);
}

void WindowImpl::drawCaret(HDC dc) {
  if (!caretShown_) return;
  HBRUSH grey = CreateSolidBrush(RGB(90, 90, 90));
  if (!grey) return;
  FillRect(dc, &caret_, grey);
  DeleteObject(grey);
}

void WindowImpl::setCaretSize(int32_t width, int32_t height) {
  caret_.right = caret_.left + width;
  caret_.bottom = caret_.top + height;
}

void WindowImpl::repaintCaret() {
  addDirty(toRect(caret_));
  requestRepaint(false);
}

void WindowImpl::showCaret(int32_t x, int32_t y) {
  if (caretShown_) repaintCaret();
  OffsetRect(&caret_, x - caret_.left, y - caret_.top);
  caretShown_ = true;
  repaintCaret();
  caretTimer_.start();  // a stopped timer ticks at once, which hides it for one blink
}

void WindowImpl::hideCaret() {
  caretShown_ = false;
  repaintCaret();
  if (HIMC context = ImmGetContext(handle())) {
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
    ImmReleaseContext(handle(), context);
  }
  caretTimer_.stop();
}

void WindowImpl::WindowTimer::tick() {
  window_.caretShown_ = !window_.caretShown_;
  window_.repaintCaret();
}

void WindowImpl::endDialog(int32_t result) {
  dialogResult_ = result;
  if (result != 0) PostMessageW(handle(), WM_NULL, 0, 0);
}

int32_t WindowImpl::runModal(HWND owner) {
  bool ownerWasEnabled = false;
  if (owner) {
    if (IsIconic(owner)) ShowWindow(owner, SW_SHOWNORMAL);
    ownerWasEnabled = IsWindowEnabled(owner);
    EnableWindow(owner, FALSE);
  }
  ShowWindow(handle(), SW_SHOWNORMAL);
  dialogResult_ = 0;
  modal_ = true;
  MSG msg;
  for (;;) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      if (dialogResult_ == 0) PostQuitMessage(0);  // let the outer loop end too
      break;
    }
    if (dialogResult_ != 0) break;
    bool close = msg.hwnd == handle() &&
                 (msg.message == WM_CLOSE || (msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_CLOSE));
    if (close) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  modal_ = false;
  if (owner) {
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  int32_t result = dialogResult_;
  DestroyWindow(handle());  // deletes this object
  return result;
}

// WindowHost

void WindowImpl::mapId(int32_t id, Control* control) { ids_[id] = control; }

Rect WindowImpl::clientRect() const {
  RECT client{};
  GetClientRect(handle(), &client);
  return toRect(client);
}

Point WindowImpl::cursorPos() const {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(handle(), &p);
  return {p.x, p.y};
}

void WindowImpl::addDirty(const Rect& rect) {
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  InvalidateRect(handle(), &r, FALSE);
}

void WindowImpl::requestRepaint(bool synchronous) {
  if (synchronous) SendMessageW(handle(), kRepaintMessage, 0, 0);
  else PostMessageW(handle(), kRepaintMessage, 0, 0);
}

LRESULT WindowImpl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: onCreate(); return 0;
    case WM_SIZE: if (wParam != SIZE_MINIMIZED) onSize(); return 0;
    case WM_PAINT: onPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT: if (lParam & PRF_CLIENT) onPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case kRepaintMessage: UpdateWindow(handle()); return 0;
    case WM_LBUTTONDOWN: onLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: onLButtonUp(wParam, lParam); return 0;
    case WM_RBUTTONDOWN: onRButton(PreviewRButtonDown, RButtonDown, wParam, lParam, true); return 0;
    case WM_RBUTTONUP: onRButton(PreviewRButtonUp, RButtonUp, wParam, lParam, false); return 0;
    case WM_LBUTTONDBLCLK: onDoubleClick(LButtonDbClick, WM_LBUTTONDOWN, wParam, lParam); return 0;
    case WM_RBUTTONDBLCLK: onDoubleClick(RButtonDbClick, WM_RBUTTONDOWN, wParam, lParam); return 0;
    case WM_MOUSEWHEEL: onMouseWheel(wParam, lParam); return 0;
    case WM_MOUSEMOVE: onMouseMove(wParam, lParam); return 0;
    case WM_MOUSELEAVE: onMouseLeave(); return 0;
    case WM_MOUSEHOVER: onMouseHover(lParam); return 0;
    case WM_CAPTURECHANGED: onCaptureChanged(); return 0;
    case WM_SETCURSOR: if (onSetCursor()) return TRUE; break;
    case WM_KEYDOWN: return onKey(PreviewKeyDown, KeyDown, wParam, lParam);
    case WM_KEYUP: return onKey(PreviewKeyUp, KeyUp, wParam, lParam);
    case WM_CHAR: return onKey(PreviewKeyPress, KeyPress, wParam, lParam);
    case WM_KILLFOCUS: onKillFocus(); return 0;
    case WM_ACTIVATE: if (wParam == WA_ACTIVE && savedFocus_) setFocus(savedFocus_); break;  // not by click
    case WM_SHOWWINDOW:
      if (wParam) postMouseMove(); else SendMessageW(handle(), WM_MOUSELEAVE, 0, 0);
      break;
    case WM_SYSCOMMAND: {
      UINT command = UINT(wParam & 0xFFF0);
      if (command == SC_MAXIMIZE || command == SC_RESTORE) postMouseMove();
      if (command == SC_CLOSE && modal_) return 0;  // the loop still uses the window
      break;
    }
    case WM_CLOSE: if (modal_) return 0; break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        info->hinst = nullptr;
        info->lpszText = const_cast<wchar_t*>(tooltipText_.c_str());
        return 0;
      }
      break;
    }
    case WM_IME_STARTCOMPOSITION:
      if (caretTimer_.running()) {
        COMPOSITIONFORM form{CFS_POINT, {caret_.left, caret_.top}, {}};
        SendMessageW(ImmGetDefaultIMEWnd(handle()), WM_IME_CONTROL, IMC_SETCOMPOSITIONWINDOW,
                     reinterpret_cast<LPARAM>(&form));
      }
      break;
    case WM_DESTROY:
      if (root_) detach(*root_);
      if (destroyHook) destroyHook(this);
      return WindowBase::handleMessage(message, wParam, lParam);
  }
  return defaultHandling(message, wParam, lParam);
}

}  // namespace toolkit
