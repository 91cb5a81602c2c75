// Carrying one progress message to the wizard and its answer back.
#include "jobs/NotifyRunable.h"

#include "toolkit/core/Toolkit.h"

namespace LuaWork {

NotifyRunable::NotifyRunable(const char* message)
    : message_(message), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

void NotifyRunable::run() {
  toolkit::ToolkitMessage message;
  message.id = toolkit::MessageHandlerTable::kProgressMessage;
  message.route = toolkit::Direct;
  message.parameter = reinterpret_cast<intptr_t>(message_);
  if (toolkit::ToolkitContext* context = toolkit::toolkitContext())
    context->messageHandlers().broadcast(message);
  answer(message.result);  // 0 when no window listens
}

void NotifyRunable::dropped() { answer(kUndeliveredAnswer); }

void NotifyRunable::answer(int32_t value) {
  answer_ = value;
  SetEvent(done_.get());  // the answer is written before the job may read it
}

int32_t NotifyRunable::wait() const {
  WaitForSingleObject(done_.get(), INFINITE);
  return answer_;
}

}  // namespace LuaWork
