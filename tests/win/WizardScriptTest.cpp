// Running the wizard script: errors in it, also those raised inside callbacks from
// timers, window procedures and message boxes, end the script with exactly one
// message box captioned "错误", and control comes back to the host.
#include <gtest/gtest.h>
#include <windows.h>

#include <lauxlib.h>

#include "MemoryFileSystem.h"
#include "MessageBoxWatcher.h"
#include "script/CallbackErrors.h"
#include "script/HostHelpers.h"
#include "script/LuaArgs.h"
#include "script/WizardHost.h"

namespace {

// --- Test-only script functions that stand in for the real ones that run loops ---

// runLoop(): a message loop until WM_QUIT, like a modal dialog's.
int runLoop(lua_State* L) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  callbackErrors::raisePending(L);
  return 0;
}

void CALLBACK closeWaitBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND box = FindWindowW(L"#32770", L"wait")) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// showBox(): a message box that closes itself after a while unless something ends it.
int showBox(lua_State* L) {
  UINT_PTR closer = SetTimer(nullptr, 0, 3000, &closeWaitBox);
  MessageBoxW(nullptr, L"waiting", L"wait", MB_OK);
  KillTimer(nullptr, closer);
  callbackErrors::raisePending(L);
  return 0;
}

// afterTicks(n, f): calls f from a thread timer's procedure on its nth tick.
int pendingTicks = 0;
void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD) {
  if (--pendingTicks > 0) return;
  KillTimer(nullptr, id);
  lua_State* L = wizardHost::state();
  lua_getfield(L, LUA_REGISTRYINDEX, "test.tick");
  callbackErrors::call(L, 0, 0);
}
int afterTicks(lua_State* L) {
  pendingTicks = luaargs::toInt32(L, 1);
  lua_pushvalue(L, 2);
  lua_setfield(L, LUA_REGISTRYINDEX, "test.tick");
  SetTimer(nullptr, 0, 10, tick);
  return 0;
}

// postToWindow(code): makes a window whose procedure raises the event `code` on
// control 51 through the event bridge, and posts it a message.
LRESULT CALLBACK bridgeWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_APP) {
    hostHelpers::invokeHandlers(wizardHost::state(), 51, int32_t(w), 0, 0);
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}
int postToWindow(lua_State* L) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = bridgeWindowProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"WizardScriptTestWindow";
  RegisterClassW(&cls);  // already registered on later calls
  HWND window = CreateWindowW(cls.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, cls.hInstance, nullptr);
  PostMessageW(window, WM_APP, WPARAM(luaargs::toInt32(L, 1)), 0);
  return 0;
}

const luaL_Reg kTestFunctions[] = {
    {"runLoop", runLoop}, {"showBox", showBox}, {"afterTicks", afterTicks}, {"postToWindow", postToWindow},
    {nullptr, nullptr}};

// Runs a wizard script (after the real host helpers) and returns the error boxes.
std::vector<SeenMessageBox> runWizard(const std::string& body) {
  MessageBoxWatcher errors(L"错误");
  MemoryFileSystem files;
  files.add(u"UI.lua", hostHelpersSource() + body);
  EXPECT_TRUE(wizardHost::create());
  lua_State* L = wizardHost::state();
  lua_pushglobaltable(L);
  luaL_setfuncs(L, kTestFunctions, 0);
  lua_pop(L, 1);
  wizardHost::run(files, u"UI.lua");
  EXPECT_EQ(wizardHost::state(), nullptr) << "the state is closed after the run";
  Sleep(300);  // a second box, if one were shown, would be seen by now
  return errors.seen();
}

// A marker file in the temporary folder that the script writes when it gets there.
std::string markerPath() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return luaargs::toUtf8(std::wstring(temp) + L"wizard-test-marker.txt");
}
std::string writeMarker() {
  return "local f = io.open([[" + markerPath() + "]], 'w') f:write('reached') f:close()\n";
}
bool markerWritten() {
  std::wstring path = luaargs::toWide(markerPath().data(), markerPath().size());
  bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  DeleteFileW(path.c_str());
  return exists;
}

TEST(WizardScript, RunsToItsEndWithoutAnyMessage) {
  markerWritten();
  auto boxes = runWizard(writeMarker());
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(markerWritten());
}

TEST(WizardScript, SyntaxErrorNamesTheChunkByTheFirstLine) {
  MessageBoxWatcher errors(L"错误");
  MemoryFileSystem files;
  files.add(u"UI.lua", "-- wizard of the installer\nlocal x = = 1\n");
  ASSERT_TRUE(wizardHost::create());
  wizardHost::run(files, u"UI.lua");
  Sleep(300);
  auto boxes = errors.seen();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.rfind(L"[string \"-- wizard of the installer...\"]:2:", 0), 0u);
}

struct CallbackCase {
  const char* what;
  std::string script;
  const wchar_t* message;
};

TEST(WizardScript, CallbackErrorsEndTheWizardWithOneMessage) {
  const CallbackCase cases[] = {
      {"error in a timer tick",
       "afterTicks(3, function() error('tick failed') end)\nrunLoop()\n", L"tick failed"},
      {"error in an event handler inside a modal loop",
       "local reg = debug.getregistry()\nlocal button = {}\nlua_addControl(reg.__control, button, 51)\n"
       "lua_addHandler(lua_queryControlDispatcher(reg.__control, button), 30, function() error('click failed') end)\n"
       "postToWindow(30)\nrunLoop()\n",
       L"click failed"},
      {"error inside a message box's loop",
       "afterTicks(5, function() error('failed under the box') end)\nshowBox()\n", L"failed under the box"},
      {"error in a handler called from a handler's message box",
       "afterTicks(2, function() afterTicks(3, function() error('nested') end) showBox() end)\nrunLoop()\n",
       L"nested"},
  };
  for (const CallbackCase& c : cases) {
    markerWritten();
    auto boxes = runWizard(c.script + writeMarker());
    ASSERT_EQ(boxes.size(), 1u) << c.what;
    EXPECT_NE(boxes[0].text.find(c.message), std::wstring::npos) << c.what;
    EXPECT_FALSE(markerWritten()) << c.what << ": the script went on after the error";
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << c.what << ": quit left behind";
  }
}

}  // namespace
