// Finding and reading the message boxes that a process under test shows, so that a
// test can check their texts and close them.
#pragma once

#include <windows.h>

#include <string>

namespace messageBoxes {

struct Search {
  DWORD processId;
  HWND found;
};

inline BOOL CALLBACK findDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[32];
  if (owner == search->processId && GetClassNameW(window, className, 32) &&
      std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The message box the process shows, waiting for it up to `milliseconds`.
inline HWND waitFor(DWORD processId, DWORD milliseconds = 20000) {
  for (DWORD waited = 0;; waited += 100) {
    Search search{processId, nullptr};
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found || waited >= milliseconds) return search.found;
    Sleep(100);
  }
}

inline std::wstring textOf(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

// The message text of a message box.
inline std::wstring messageOf(HWND box) { return textOf(GetDlgItem(box, 0xFFFF)); }

}  // namespace messageBoxes
