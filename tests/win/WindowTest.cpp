// Real windows built from small layouts, driven with real messages: sizing, the
// rounded region, painting, the events each control receives and in which order,
// focus, capture, the hover chain, and the modal loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "packs/PackWriter.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Names.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/Painter.h"
#include "toolkit/core/Toolkit.h"
#include "toolkit/core/WindowImpl.h"
#include "toolkit/draw/DibSection.h"

namespace {

using namespace toolkit;

// A panel that places each child at its "x", "y" with its desired size, and asks
// for the extent of its children.
struct Board : Panel {
  Size measureOverride(int32_t w, int32_t h) override {
    Size extent;
    for (Control* c = firstChild(); c; c = c->nextSibling()) {
      Size d = measure(*c, w, h);
      extent.width = std::max(extent.width, c->intOr(intern(u"x"), 0) + d.width);
      extent.height = std::max(extent.height, c->intOr(intern(u"y"), 0) + d.height);
    }
    return extent;
  }
  Size arrangeOverride(int32_t w, int32_t h) override {
    for (Control* c = firstChild(); c; c = c->nextSibling()) {
      int32_t x = c->intOr(intern(u"x"), 0), y = c->intOr(intern(u"y"), 0);
      arrange(*c, Rect{x, y, x + c->desiredSize().width, y + c->desiredSize().height});
    }
    return {w, h};
  }
};

// A control that paints itself in its "color" and can take focus or capture.
struct Swatch : Control {
  Swatch() { setState(FocusOnPress | CaptureOnPress | RepaintOnMouse, true); }
  void paint(Painter& painter, const Rect& rect, const Rect&) override {
    HDC dc = static_cast<HDC>(painter.nativeContext());
    HBRUSH brush = CreateSolidBrush(COLORREF(intOr(intern(u"color"), 0)));
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
};

struct Plain : Control {};

// Records "id:event" for every event that reaches a registered control.
struct Recorder {
  std::vector<std::string> events;
  static void record(void* target, Control* sender, void* argument) {
    auto* self = static_cast<Recorder*>(target);
    auto* args = static_cast<EventArgs*>(argument);
    static const char* names[] = {"Attached", "Detached", "GotFocus", "LostFocus", "PreviewKeyDown", "KeyDown",
                                  "PreviewKeyUp", "KeyUp", "PreviewKeyPress", "KeyPress", "GotCapture",
                                  "LostCapture", "PreviewLButtonDown", "LButtonDown", "PreviewLButtonUp",
                                  "LButtonUp", "PreviewRButtonDown", "RButtonDown", "PreviewRButtonUp",
                                  "RButtonUp", "LButtonDbClick", "RButtonDbClick", "PreviewMouseWheel",
                                  "MouseWheel", "24", "MouseMove", "MouseEnter", "MouseLeave", "SetCursor"};
    if (args->code == MouseMove || args->code == toolkit::SetCursor) return;
    std::string name = args->code < 29 ? names[args->code] : std::to_string(args->code);
    self->events.push_back(std::to_string(sender->intOr(intern(u"id"), 0)) + ":" + name);
  }
  std::string joined() const {
    std::string all;
    for (const std::string& e : events) all += (all.empty() ? "" : " ") + e;
    return all;
  }
};

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(startToolkit());
    ToolkitContext* context = toolkitContext();
    context->controlFactories().add<Board>(u"Window");
    context->controlFactories().add<Board>(u"Board");
    context->controlFactories().add<Swatch>(u"Swatch");
    context->controlFactories().add<Plain>(u"Plain");
  }
  void TearDown() override {
    if (window_ && IsWindow(window_->handle())) DestroyWindow(window_->handle());
    shutdownToolkit();
  }

  // Creates a window from the layout text (kept as "test.xml" in the markup pack).
  WindowImpl* open(const std::string& layout) {
    PackWriter writer;
    writer.addStored(u"test.xml", std::vector<uint8_t>(layout.begin(), layout.end()));
    std::vector<uint8_t> pack = writer.finish();
    auto* bytes = static_cast<uint8_t*>(std::malloc(pack.size()));
    std::memcpy(bytes, pack.data(), pack.size());
    toolkitContext()->markupPack().adopt(bytes, pack.size());
    window_ = new WindowImpl(u"test.xml", WS_POPUP, 0);  // owned by its native window from here on
    return window_;
  }

  Control* byId(int32_t id) { return id == 0 ? window_->root() : window_->controlById(id); }

  void listen(std::initializer_list<int32_t> ids, std::initializer_list<int32_t> codes) {
    for (int32_t id : ids)
      for (int32_t code : codes) byId(id)->addHandler(code, &recorder_, &Recorder::record);
  }

  LRESULT send(UINT message, int x, int y, WPARAM wParam = 0) {
    return SendMessageW(window_->handle(), message, wParam, MAKELPARAM(x, y));
  }

  WindowImpl* window_ = nullptr;
  Recorder recorder_;
};

const char kTwoSwatches[] = R"(<Window initSize="300,200">
  <Board id="10" x="10" y="10" width="200" height="150">
    <Swatch id="11" x="10" y="10" width="50" height="50" color="#0000FF"/>
    <Swatch id="12" x="100" y="10" width="50" height="50" color="#00FF00"/>
  </Board>
  <Plain id="20" x="250" y="10" width="30" height="30"/>
</Window>)";

SIZE windowSize(HWND window) {
  RECT r{};
  EXPECT_TRUE(GetWindowRect(window, &r)) << GetLastError();
  return {r.right - r.left, r.bottom - r.top};
}

TEST_F(Window, SizesItselfToItsContentOrItsInitialSize) {
  WindowImpl* fitted = open(R"(<Window><Plain x="0" y="0" width="480" height="300"/></Window>)");
  ASSERT_NE(fitted->handle(), nullptr);
  ASSERT_TRUE(IsWindow(fitted->handle()));
  EXPECT_EQ(windowSize(fitted->handle()).cx, 480);
  EXPECT_EQ(windowSize(fitted->handle()).cy, 300);
  DestroyWindow(fitted->handle());

  WindowImpl* fixed = open(R"(<Window initSize="600,400"><Plain x="0" y="0" width="900" height="900"/></Window>)");
  ASSERT_NE(fixed->root(), nullptr);
  ASSERT_TRUE(IsWindow(fixed->handle()));
  EXPECT_EQ(windowSize(fixed->handle()).cx, 600);
  EXPECT_EQ(windowSize(fixed->handle()).cy, 400);
  EXPECT_FALSE(IsWindowVisible(fixed->handle())) << "created hidden";
}

TEST_F(Window, RoundCornersShapeTheWindowAndFollowItsSize) {
  WindowImpl* w = open(R"(<Window initSize="200,100" roundCorner="10,10"/>)");
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w->handle(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the corner is cut";
  EXPECT_TRUE(PtInRegion(region, 5, 5));
  EXPECT_TRUE(PtInRegion(region, 199, 50));
  SetWindowPos(w->handle(), nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRgn(w->handle(), region);
  EXPECT_TRUE(PtInRegion(region, 299, 75)) << "rebuilt for the new size";
  EXPECT_FALSE(PtInRegion(region, 299, 0));
  DeleteObject(region);
}

TEST_F(Window, PaintsTheTreeForPrintClient) {
  WindowImpl* w = open(kTwoSwatches);
  HDC dc = CreateCompatibleDC(nullptr);
  uint32_t* bits = nullptr;
  HBITMAP section = createTopDownSection(300, 200, &bits);
  ASSERT_NE(section, nullptr);
  HGDIOBJ old = SelectObject(dc, section);
  SendMessageW(w->handle(), WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
  GdiFlush();
  auto pixel = [&](int x, int y) { return bits[y * 300 + x] & 0xFFFFFF; };
  EXPECT_EQ(pixel(40, 40), 0xFF0000u) << "swatch 11 (blue) at its place in its board";
  EXPECT_EQ(pixel(130, 40), 0x00FF00u) << "swatch 12 (green)";
  EXPECT_EQ(pixel(5, 5), 0u) << "outside every swatch";
  SelectObject(dc, old);
  DeleteObject(section);
  DeleteDC(dc);
}

TEST_F(Window, CaptureFollowsThePressAcrossLeavingTheControl) {
  open(kTwoSwatches);
  listen({11}, {LButtonDown, LButtonUp, GotCapture, LostCapture, MouseEnter, MouseLeave, GotFocus});
  send(WM_MOUSEMOVE, 30, 30);
  send(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
  EXPECT_TRUE(byId(11)->has(Pressed));
  EXPECT_EQ(window_->focusControl(), byId(11)) << "FocusOnPress";
  send(WM_MOUSEMOVE, 290, 190, MK_LBUTTON);
  send(WM_LBUTTONUP, 290, 190);
  EXPECT_FALSE(byId(11)->has(Pressed));
  EXPECT_EQ(recorder_.joined(),
            "11:MouseEnter 11:GotCapture 11:GotFocus 11:LButtonDown 11:MouseLeave 11:LButtonUp 11:LostCapture");
}

TEST_F(Window, HoverChainEntersAndLeavesOnlyWhatChanged) {
  open(kTwoSwatches);
  listen({10, 11, 12, 20}, {MouseEnter, MouseLeave});
  send(WM_MOUSEMOVE, 15, 15);  // the board only
  send(WM_MOUSEMOVE, 30, 30);  // into its child
  send(WM_MOUSEMOVE, 260, 20); // to a sibling of the board
  SendMessageW(window_->handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(recorder_.joined(),
            "10:MouseEnter 11:MouseEnter 10:MouseLeave 11:MouseLeave 20:MouseEnter 20:MouseLeave");
  EXPECT_EQ(window_->hoverControl(), nullptr);
}

TEST_F(Window, LeavingTheWindowLeavesInnermostFirst) {
  open(kTwoSwatches);
  listen({0, 10, 11}, {MouseLeave});
  send(WM_MOUSEMOVE, 30, 30);
  SendMessageW(window_->handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(recorder_.joined(), "11:MouseLeave 10:MouseLeave 0:MouseLeave");
}

void handleIfColon(void*, Control*, void* argument) {
  auto* args = static_cast<EventArgs*>(argument);
  if (args->wParam == ':') args->handled = 1;
}

TEST_F(Window, KeysGoToTheFocusControlAndPreviewsCanSwallowThem) {
  open(kTwoSwatches);
  listen({11}, {KeyPress, KeyDown});
  SendMessageW(window_->handle(), WM_CHAR, 'a', 0);
  EXPECT_TRUE(recorder_.events.empty()) << "no focus control: keys do nothing";

  window_->setFocus(byId(11));
  byId(0)->addHandler(PreviewKeyPress, nullptr, &handleIfColon);  // the root sees the preview first
  SendMessageW(window_->handle(), WM_CHAR, 'a', 0);
  SendMessageW(window_->handle(), WM_CHAR, ':', 0);
  SendMessageW(window_->handle(), WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(recorder_.joined(), "11:KeyPress 11:KeyDown");
}

TEST_F(Window, FocusMovesAndIsRestoredOnlyByKeyboardActivation) {
  open(R"(<Window initSize="200,100"><Swatch id="1" x="0" y="0" width="50" height="50"/>
             <Plain id="2" x="60" y="0" width="50" height="50"/></Window>)");
  byId(2)->setState(DropFocusOnPress, true);
  listen({1}, {GotFocus, LostFocus});
  send(WM_LBUTTONDOWN, 10, 10);
  send(WM_LBUTTONUP, 10, 10);
  SendMessageW(window_->handle(), WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(window_->focusControl(), nullptr);
  SendMessageW(window_->handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(window_->focusControl(), nullptr) << "activation by click restores nothing";
  SendMessageW(window_->handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(window_->focusControl(), byId(1));
  send(WM_LBUTTONDOWN, 70, 10);  // DropFocusOnPress
  EXPECT_EQ(window_->focusControl(), nullptr);
  EXPECT_EQ(recorder_.joined(), "1:GotFocus 1:LostFocus 1:GotFocus 1:LostFocus");
}

HWND modalOwner = nullptr;
bool ownerDisabledWhileModal = false;
void endWithThree(void* target, Control*, void*) {
  ownerDisabledWhileModal = !IsWindowEnabled(modalOwner);
  static_cast<WindowImpl*>(target)->endDialog(3);
}
void endWithZero(void* target, Control*, void*) { static_cast<WindowImpl*>(target)->endDialog(0); }

TEST_F(Window, ModalLoopEndsOnADialogResultAndReenablesItsOwner) {
  HWND owner = CreateWindowW(L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  modalOwner = owner;
  WindowImpl* w = open(kTwoSwatches);
  byId(11)->addHandler(LButtonDown, w, &endWithZero);
  byId(11)->addHandler(LButtonUp, w, &endWithThree);
  PostMessageW(w->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  PostMessageW(w->handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  window_ = nullptr;  // the loop destroys it
  HWND handle = w->handle();
  int32_t result = w->runModal(owner);
  EXPECT_EQ(result, 3) << "endDialog(0) did not end it; endDialog(3) did";
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(ownerDisabledWhileModal);
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
}

TEST_F(Window, QuitEndsTheModalLoopAndReachesTheOuterLoop) {
  WindowImpl* w = open(kTwoSwatches);
  window_ = nullptr;
  PostQuitMessage(0);
  EXPECT_EQ(w->runModal(nullptr), 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was posted again";
}

TEST_F(Window, DoubleClicksReachOnlyControlsThatWantThem) {
  open(kTwoSwatches);
  byId(12)->setState(DoubleClicks, true);
  listen({11, 12}, {LButtonDown, LButtonUp, LButtonDbClick});
  for (int x : {30, 120}) {  // swatch 11, then swatch 12
    send(WM_LBUTTONDOWN, x, 30, MK_LBUTTON);
    send(WM_LBUTTONUP, x, 30);
    send(WM_LBUTTONDBLCLK, x, 30, MK_LBUTTON);
    send(WM_LBUTTONUP, x, 30);
  }
  EXPECT_EQ(recorder_.joined(),
            "11:LButtonDown 11:LButtonUp 11:LButtonDown 11:LButtonUp "
            "12:LButtonDown 12:LButtonUp 12:LButtonDbClick 12:LButtonUp");
}

TEST_F(Window, ForgettingAControlDropsItsFocusCaptureAndHover) {
  open(kTwoSwatches);
  send(WM_MOUSEMOVE, 30, 30);
  send(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
  ASSERT_EQ(window_->focusControl(), byId(11));
  ASSERT_EQ(window_->captureControl(), byId(11));
  Control* swatch = byId(11);
  std::unique_ptr<Control> removed = swatch->parent()->removeChild(swatch);
  EXPECT_EQ(window_->focusControl(), nullptr);
  EXPECT_EQ(window_->captureControl(), nullptr);
  EXPECT_EQ(window_->hoverControl(), nullptr);
  EXPECT_FALSE(removed->has(Hovered));
}

TEST_F(Window, TooltipNearTheRightEdgeStaysOnTheScreen) {
  open(R"(<Window initSize="300,200"><Plain id="1" x="0" y="0" width="100" height="100"
             tooltip="twenty characters!!!"/></Window>)");
  ASSERT_NE(window_->tooltipWindow(), nullptr);
  int screen = GetSystemMetrics(SM_CXSCREEN);
  SetCursorPos(screen - 10, 300);
  send(WM_MOUSEHOVER, 10, 10);
  EXPECT_TRUE(IsWindowVisible(window_->tooltipWindow()));
  RECT tip;
  GetWindowRect(window_->tooltipWindow(), &tip);
  // The tooltip control places its frame a pixel off the tracking point.
  EXPECT_NEAR(tip.left, screen - 282, 1) << "20 units × 14 pixels and 2 more from the edge";
  EXPECT_NEAR(tip.top, 300 + 19, 1);
  send(WM_LBUTTONDOWN, 10, 10);
  EXPECT_FALSE(IsWindowVisible(window_->tooltipWindow())) << "a press hides it";
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(0);
}

// Run by tests/win/real_pointer_test.sh, which clicks the swatch with the real
// pointer on the X display: the click travels from X through Wine to the control.
TEST_F(Window, DISABLED_ClickedByTheRealPointer) {
  WindowImpl* w = open(kTwoSwatches);
  SetWindowTextW(w->handle(), L"PointerTarget");
  SetWindowPos(w->handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);
  byId(11)->addHandler(LButtonUp, w, &endWithThree);
  listen({11}, {LButtonDown, LButtonUp});
  SetTimer(nullptr, 0, 20000, giveUp);
  window_ = nullptr;
  EXPECT_EQ(w->runModal(nullptr), 3) << "no click arrived";
  EXPECT_EQ(recorder_.joined(), "11:LButtonDown 11:LButtonUp");
}

}  // namespace
