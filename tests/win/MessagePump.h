// Runs the test thread's message loop until a condition holds or a time limit has
// passed, so that a test that goes wrong ends by itself.
#pragma once

#include <windows.h>

#include <functional>

// True when `done` became true within `limitMs`.
inline bool pumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > limitMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

// Runs the loop for a while, whatever happens.
inline void pumpFor(DWORD ms) {
  pumpUntil([] { return false; }, ms);
}
