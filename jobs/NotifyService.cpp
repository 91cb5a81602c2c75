// The service's state, its two locks (service lock before queue lock, always), the
// get-message hook and the waiter thread.
#include "jobs/NotifyService.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "base/CriticalSection.h"
#include "base/UniqueHandle.h"

namespace {

using Runables = std::deque<std::shared_ptr<NotifyService::IRunable>>;

// Both locks exist for the whole process, made before the entry point runs.
CriticalSection g_serviceLock(100);
CriticalSection g_queueLock(100);

// Under the service lock.
bool g_running = false;
DWORD g_uiThread = 0;
UniqueHandle g_stopEvent;
HHOOK g_hook = nullptr;
std::vector<HANDLE> g_watchList;
UniqueHandle g_waiter;

// Under the queue lock.
Runables g_queue;

void tellDropped(Runables& dropped) {
  for (auto& r : dropped) r->dropped();
  dropped.clear();
}

std::shared_ptr<NotifyService::IRunable> takeFirst() {
  Lock hold(g_queueLock);
  if (g_queue.empty()) return nullptr;
  std::shared_ptr<NotifyService::IRunable> first = std::move(g_queue.front());
  g_queue.pop_front();
  return first;
}

LRESULT CALLBACK getMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == nullptr && msg->message == WM_NULL) {
    if (std::shared_ptr<NotifyService::IRunable> runnable = takeFirst()) runnable->run();
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Waits for all of them, 64 at a time (the system's limit), and closes them.
void waitAndClose(std::vector<HANDLE>& handles) {
  for (size_t i = 0; i < handles.size(); i += MAXIMUM_WAIT_OBJECTS) {
    DWORD n = static_cast<DWORD>(std::min<size_t>(MAXIMUM_WAIT_OBJECTS, handles.size() - i));
    WaitForMultipleObjects(n, handles.data() + i, TRUE, INFINITE);
  }
  for (HANDLE h : handles) CloseHandle(h);
  handles.clear();
}

void waitPass() {
  std::vector<HANDLE> taken;
  {
    Lock hold(g_serviceLock);
    taken.swap(g_watchList);
  }
  if (!taken.empty()) waitAndClose(taken);
}

DWORD WINAPI waiterThread(void* stopEvent) {
  do {
    waitPass();
  } while (WaitForSingleObject(static_cast<HANDLE>(stopEvent), 10000) == WAIT_TIMEOUT);
  waitPass();
  return 0;
}

}  // namespace

bool NotifyService::start() {
  Lock hold(g_serviceLock);
  if (g_running) return true;
  UniqueHandle stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stopEvent) return false;
  g_stopEvent = std::move(stopEvent);
  g_running = true;
  g_uiThread = GetCurrentThreadId();
  g_hook = SetWindowsHookExW(WH_GETMESSAGE, &getMessageHook, nullptr, g_uiThread);
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // gives the thread its queue now
  return true;
}

void NotifyService::post(std::shared_ptr<IRunable> runnable) {
  if (!runnable) return;
  {
    Lock hold(g_serviceLock);
    if (g_running) {
      Lock queue(g_queueLock);
      g_queue.push_back(std::move(runnable));
      // When the wake-up cannot be posted, the runnable waits for the next one.
      PostThreadMessageW(g_uiThread, WM_NULL, 0, 0);
      return;
    }
  }
  runnable->dropped();
}

void NotifyService::watch(HANDLE thread) {
  if (!thread) return;
  {
    Lock hold(g_serviceLock);
    if (g_running) {
      if (!g_waiter) g_waiter.reset(CreateThread(nullptr, 0, &waiterThread, g_stopEvent.get(), 0, nullptr));
      if (g_waiter) {
        g_watchList.push_back(thread);
        return;
      }
    }
  }
  CloseHandle(thread);
}

void NotifyService::stop() {
  Runables dropped;
  {
    Lock hold(g_serviceLock);
    if (!g_stopEvent) return;
    SetEvent(g_stopEvent.get());
    g_running = false;
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    Lock queue(g_queueLock);
    dropped.swap(g_queue);
  }
  tellDropped(dropped);
  if (g_waiter) {
    WaitForSingleObject(g_waiter.get(), INFINITE);
    g_waiter.reset();
  }
  g_stopEvent.reset();
}

bool NotifyService::running() {
  Lock hold(g_serviceLock);
  return g_running;
}
