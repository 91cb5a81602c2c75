// How long a call posted through the dispatcher takes to run: from the UI thread
// itself (post, then pump until it ran) and from a worker thread that waits for the
// UI thread to have run it. Prints the median of several rounds, per call.
//
//   postcall_bench.exe [calls per round]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "toolkit/core/Dispatcher.h"
#include "Clock.h"
#include "toolkit/core/Toolkit.h"

namespace {

constexpr int kRounds = 7;

void markRan(void* target, toolkit::Control*, void*) { *static_cast<volatile bool*>(target) = true; }

void signal(void* target, toolkit::Control*, void*) { SetEvent(static_cast<HANDLE>(target)); }

void pumpUntil(volatile bool& ran) {
  MSG msg;
  while (!ran) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return;
    DispatchMessageW(&msg);
  }
}

// Posting from the UI thread and running the call from its own loop.
double roundOnUiThread(int calls) {
  double start = nowMicroseconds();
  for (int i = 0; i < calls; ++i) {
    volatile bool ran = false;
    if (!toolkit::postCall(const_cast<bool*>(&ran), &markRan, nullptr, nullptr)) return -1;
    pumpUntil(ran);
  }
  return (nowMicroseconds() - start) / calls;
}

// A worker posts and waits until the UI thread has run the call.
double roundFromWorker(int calls) {
  HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  volatile bool finished = false;
  double perCall = -1;
  std::thread worker([&] {
    double start = nowMicroseconds();
    for (int i = 0; i < calls; ++i) {
      if (!toolkit::postCall(done, &signal, nullptr, nullptr)) break;
      WaitForSingleObject(done, INFINITE);
    }
    perCall = (nowMicroseconds() - start) / calls;
    toolkit::postCall(const_cast<bool*>(&finished), &markRan, nullptr, nullptr);
  });
  pumpUntil(finished);
  worker.join();
  CloseHandle(done);
  return perCall;
}

// The floor under Wine: a bare PostMessageW and GetMessageW round trip to a plain
// window, without the toolkit.
LRESULT CALLBACK markWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_APP) {
    *reinterpret_cast<volatile bool*>(wp) = true;
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

double roundBareMessage(int calls) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &markWindowProc;
  wc.lpszClassName = L"PostCallBenchBare";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (!window) return -1;
  double start = nowMicroseconds();
  for (int i = 0; i < calls; ++i) {
    volatile bool ran = false;
    PostMessageW(window, WM_APP, reinterpret_cast<WPARAM>(&ran), 0);
    pumpUntil(ran);
  }
  double perCall = (nowMicroseconds() - start) / calls;
  DestroyWindow(window);
  return perCall;
}

}  // namespace

int main(int argc, char** argv) {
  int calls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  if (!toolkit::startToolkit()) {
    std::fprintf(stderr, "the toolkit did not start\n");
    return 1;
  }
  std::vector<double> onUi, fromWorker, bare;
  for (int r = 0; r < kRounds; ++r) {
    bare.push_back(roundBareMessage(calls));
    onUi.push_back(roundOnUiThread(calls));
    fromWorker.push_back(roundFromWorker(calls / 4));
  }
  toolkit::shutdownToolkit();
  std::printf("posted call, UI thread, post to run:        median %.2f us per call (%d rounds of %d)\n",
              median(onUi), kRounds, calls);
  std::printf("posted call, worker to UI thread and back:   median %.2f us per call (%d rounds of %d)\n",
              median(fromWorker), kRounds, calls / 4);
  std::printf("bare PostMessageW and GetMessageW, for comparison: median %.2f us per message\n", median(bare));
  return 0;
}
