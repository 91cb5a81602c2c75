// The window map, the shared window class and the binding hook.
#include "toolkit/core/WindowBase.h"

#include <map>
#include <string>

namespace toolkit {
namespace {

std::map<HWND, WindowBase*>& windowMap() {
  static std::map<HWND, WindowBase*> map;
  return map;
}

// The object whose native window is being created, and the hook that binds it.
WindowBase* pending = nullptr;
HHOOK bindingHook = nullptr;

// Registered once; a registration that already exists (the toolkit started again in
// the same process) is just as good.
bool registerClass(WNDPROC procedure) {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSW cls{};
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = procedure;
  cls.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));   // the application icon
  cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  cls.lpszClassName = WindowBase::kClassName;
  registered = RegisterClassW(&cls) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered;
}

}  // namespace

WindowBase::~WindowBase() {
  auto& map = windowMap();
  auto found = map.find(handle_);
  if (found != map.end() && found->second == this) map.erase(found);
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    delete this;  // the native window owns its object
    return 0;
  }
  return defaultHandling(message, wParam, lParam);
}

LRESULT WindowBase::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

WindowBase* WindowBase::fromHandle(HWND window) {
  auto& map = windowMap();
  auto found = map.find(window);
  return found == map.end() ? nullptr : found->second;
}

bool WindowBase::createNative(DWORD style, DWORD exStyle, HWND owner) {
  if (!registerClass(&WindowBase::windowProcedure)) return false;
  pending = this;
  bindingHook = SetWindowsHookExW(WH_CBT, &WindowBase::bindOnCreate, nullptr, GetCurrentThreadId());
  HWND window = CreateWindowExW(exStyle, kClassName, L"", style, 0, 0, 0, 0, owner, nullptr, nullptr, nullptr);
  if (bindingHook) UnhookWindowsHookEx(bindingHook);  // when creation failed before binding
  bindingHook = nullptr;
  pending = nullptr;
  return window != nullptr;
}

LRESULT CALLBACK WindowBase::bindOnCreate(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = bindingHook;
  if (code == HCBT_CREATEWND && pending) {
    HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (std::wstring(className) == kClassName) {
      pending->handle_ = window;
      windowMap()[window] = pending;
      pending = nullptr;
      UnhookWindowsHookEx(bindingHook);
      bindingHook = nullptr;
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK WindowBase::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (WindowBase* object = fromHandle(window)) return object->handleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace toolkit
