// Finds the message boxes a process shows, reads them and presses their OK button,
// from a thread of the test: so that tests can check what a user would be told.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
};

inline std::wstring windowText(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

struct MessageBoxSearch {
  DWORD processId;
  HWND found;
};

// EnumWindows callback: stops at the process's visible dialog-class window. A named
// function, so that it has the system's calling convention on 32-bit builds too.
inline BOOL CALLBACK matchMessageBox(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<MessageBoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[32];
  if (owner != s->processId || !IsWindowVisible(window) || !GetClassNameW(window, className, 32) ||
      std::wstring(className) != L"#32770")
    return TRUE;
  s->found = window;
  return FALSE;
}

// The visible message box of a process, or null.
inline HWND findMessageBox(DWORD processId) {
  MessageBoxSearch search{processId, nullptr};
  EnumWindows(&matchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits up to `timeout` for a message box of the process.
inline HWND waitForMessageBox(DWORD processId, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
  auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (HWND box = findMessageBox(processId)) return box;
    if (std::chrono::steady_clock::now() > end) return nullptr;
    Sleep(50);
  }
}

// Answers every message box with the given caption that this process shows while
// the watcher lives, and keeps what each one said.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(std::wstring caption) : caption_(std::move(caption)) {
    thread_ = std::thread([this] { watch(); });
  }
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }

  std::vector<SeenMessageBox> seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  void watch() {
    HWND answered = nullptr;
    while (!stop_) {
      HWND box = findMessageBox(GetCurrentProcessId());
      if (box && box != answered && windowText(box) == caption_) {
        {
          std::lock_guard<std::mutex> lock(mutex_);
          seen_.push_back({windowText(box), windowText(GetDlgItem(box, 0xFFFF))});
        }
        answered = box;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(20);
    }
  }

  std::wstring caption_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenMessageBox> seen_;
  std::thread thread_;
};
