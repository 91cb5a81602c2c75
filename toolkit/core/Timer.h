// The base of every toolkit timer (caret blink, scroll repeat, script timers, the
// slideshow): a thread timer of the UI thread, without a window, whose ticks reach
// the subclass through one common timer procedure and a table keyed by timer id.
// Starting ticks once at once; later ticks follow every interval. UI thread only.
#pragma once

#include <windows.h>

namespace toolkit {

class Timer {
 public:
  explicit Timer(UINT intervalMs = 0) : interval_(intervalMs) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // Does nothing when running, or when the system gives no timer (the timer then
  // stays stopped).
  void start();
  // Does nothing when stopped.
  void stop();

  bool running() const { return running_; }
  UINT_PTR id() const { return id_; }
  UINT interval() const { return interval_; }
  // Takes effect at the next start.
  void setInterval(UINT intervalMs) { interval_ = intervalMs; }

  // The running timer with this system id, or null.
  static Timer* find(UINT_PTR id);

 protected:
  // Not virtual: timers are never deleted through the base. Stops the timer, so
  // that no tick can reach a destroyed subclass.
  ~Timer() { stop(); }
  virtual void tick() = 0;

 private:
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);

  UINT interval_;
  UINT_PTR id_ = 0;
  bool running_ = false;
};

}  // namespace toolkit
