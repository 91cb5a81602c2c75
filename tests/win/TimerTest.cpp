// Toolkit timers: the first tick comes at once, later ticks every interval, stop
// ends them, and a restarted timer runs under a new system id.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "MessagePump.h"
#include "toolkit/core/Timer.h"

namespace toolkit {
namespace {

class CountingTimer : public Timer {
 public:
  explicit CountingTimer(UINT interval) : Timer(interval) {}
  ~CountingTimer() { stop(); }
  int ticks = 0;
  std::function<void()> onTick;

 protected:
  void tick() override {
    ++ticks;
    if (onTick) onTick();
  }
};

TEST(Timer, FirstTickAtOnceThenEveryInterval) {
  CountingTimer timer(10);
  timer.start();
  EXPECT_EQ(timer.ticks, 1);
  ASSERT_TRUE(timer.running());
  EXPECT_EQ(Timer::find(timer.id()), &timer);
  EXPECT_TRUE(pumpUntil([&] { return timer.ticks >= 4; }));
}

TEST(Timer, StopEndsTheTicksAndLeavesTheTable) {
  CountingTimer timer(10);
  timer.start();
  UINT_PTR id = timer.id();
  ASSERT_TRUE(pumpUntil([&] { return timer.ticks >= 2; }));
  timer.stop();
  int ticks = timer.ticks;
  pumpFor(100);
  EXPECT_EQ(timer.ticks, ticks);
  EXPECT_FALSE(timer.running());
  EXPECT_EQ(Timer::find(id), nullptr);
  EXPECT_EQ(timer.id(), 0u);
}

TEST(Timer, StartingARunningTimerOrStoppingAStoppedOneChangesNothing) {
  CountingTimer timer(1000);
  timer.stop();
  EXPECT_FALSE(timer.running());
  timer.start();
  UINT_PTR id = timer.id();
  timer.start();
  EXPECT_EQ(timer.ticks, 1);
  EXPECT_EQ(timer.id(), id);
}

TEST(Timer, RestartGetsANewIdAndTicksAtOnceAgain) {
  CountingTimer timer(1000);
  timer.start();
  UINT_PTR first = timer.id();
  timer.stop();
  timer.start();
  EXPECT_NE(timer.id(), 0u);
  EXPECT_NE(timer.id(), first);
  EXPECT_EQ(Timer::find(timer.id()), &timer);
  EXPECT_EQ(Timer::find(first), nullptr);
  EXPECT_EQ(timer.ticks, 2);
}

TEST(Timer, ATickMayStopItsOwnTimer) {
  CountingTimer timer(10);
  timer.onTick = [&] {
    if (timer.ticks == 3) timer.stop();
  };
  timer.start();
  pumpUntil([&] { return !timer.running(); }, 2000);
  pumpFor(60);
  EXPECT_EQ(timer.ticks, 3);
}

TEST(Timer, ADestroyedTimerNeverTicksAgain) {
  UINT_PTR id;
  {
    auto timer = std::make_unique<CountingTimer>(5);
    timer->start();
    id = timer->id();
  }
  EXPECT_EQ(Timer::find(id), nullptr);
  pumpFor(50);  // a late WM_TIMER for the old id must find nothing
}

}  // namespace
}  // namespace toolkit
