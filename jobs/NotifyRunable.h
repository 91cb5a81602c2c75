// One progress message of an install job on its way to the wizard: the job posts it
// to the notification service and waits; on the UI thread it is broadcast as toolkit
// message 1024 to the window whose script set a message handler, and the answer is
// handed back to the waiting job.
#pragma once

#include <cstdint>

#include "base/WinHandles.h"
#include "jobs/NotifyService.h"

namespace LuaWork {

class NotifyRunable : public NotifyService::IRunable {
 public:
  // The answer a job gets when its message can never be delivered: cancel, so that
  // the job ends instead of acting on a reply nobody gave.
  static constexpr int32_t kUndeliveredAnswer = 2;

  // `message` (UTF-8) must stay valid until wait() has returned.
  explicit NotifyRunable(const char* message);

  // False when the done event could not be made; the message cannot be sent then.
  bool ready() const { return bool(done_); }

  void run() override;
  void dropped() override;

  // Blocks until run() or dropped() has stored the answer, and returns it.
  int32_t wait() const;

 private:
  void answer(int32_t value);

  const char* message_;
  UniqueHandle done_;
  int32_t answer_ = 0;
};

}  // namespace LuaWork
