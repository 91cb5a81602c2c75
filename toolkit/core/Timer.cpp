// The timer table and the common timer procedure.
#include "toolkit/core/Timer.h"

#include <map>

namespace toolkit {
namespace {

std::map<UINT_PTR, Timer*>& timerTable() {
  static std::map<UINT_PTR, Timer*> table;
  return table;
}

}  // namespace

void Timer::start() {
  if (running_) return;
  UINT_PTR id = SetTimer(nullptr, 0, interval_, &Timer::onTimer);
  if (!id) return;
  id_ = id;
  running_ = true;
  timerTable()[id] = this;
  tick();
}

void Timer::stop() {
  if (!running_) return;
  running_ = false;
  KillTimer(nullptr, id_);
  timerTable().erase(id_);
  id_ = 0;
}

Timer* Timer::find(UINT_PTR id) {
  auto it = timerTable().find(id);
  return it == timerTable().end() ? nullptr : it->second;
}

void CALLBACK Timer::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  Timer* timer = find(id);
  if (timer && timer->running_) timer->tick();
}

}  // namespace toolkit
