// Has other threads' work run on the UI thread and keeps the installer from ending
// before its worker threads have. A runnable is queued and the UI thread woken with
// an empty thread message; a get-message hook on the UI thread runs one runnable per
// such message inside whatever loop is pumping (the wizard's modal loop or a message
// box's). Worker thread handles are waited for, and closed, by a waiter thread.
// Started once by start-up before the toolkit, stopped once at shutdown.
#pragma once

#include <windows.h>

#include <memory>

class NotifyService {
 public:
  // A unit of work run on the UI thread, held by shared ownership.
  class IRunable {
   public:
    virtual ~IRunable() = default;
    virtual void run() = 0;
    // Told instead of run when the service discards the runnable: posted while the
    // service was not running, or still queued at stop. A runnable whose poster
    // waits for it releases the poster here. Called on the thread that posted or
    // stopped, outside the service's locks.
    virtual void dropped() {}
  };

  // UI thread. False when the stop event could not be made; the service then stays
  // stopped.
  static bool start();
  // Any thread.
  static void post(std::shared_ptr<IRunable> runnable);
  // Any thread; takes over the thread handle. Outside the running state the handle
  // is closed at once and not waited for.
  static void watch(HANDLE thread);
  // UI thread: drops what is queued and returns when every watched thread has ended.
  static void stop();

  static bool running();
};
