// The binding between a native window and the object that handles its messages. All
// toolkit windows share one window class, "WINDOW:234:000", and one window
// procedure, which finds the object through the window map. The object is bound to
// its handle by a computer-based-training hook while the window is being created,
// so it sees every message of its window from the first one on. A window object
// belongs to its native window: WM_DESTROY deletes it. UI thread only.
#pragma once

#include <windows.h>

namespace toolkit {

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  // WM_DESTROY deletes the object; everything else goes to DefWindowProcW.
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle() const { return handle_; }

  static constexpr const wchar_t* kClassName = L"WINDOW:234:000";

  // The object bound to a native window, or null.
  static WindowBase* fromHandle(HWND window);

 protected:
  // Creates the native window of this object (hidden, at 0,0 with size 0 × 0); false
  // when the class or the window cannot be made.
  bool createNative(DWORD style, DWORD exStyle, HWND owner);

  LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK bindOnCreate(int code, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
};

}  // namespace toolkit
