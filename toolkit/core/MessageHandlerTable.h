// Non-window messages for whoever registered for them: the install job's progress
// messages travel as toolkit message 1024 to the scripted window that set a
// message handler. Handlers run in registration order until one sets handled; the
// caller reads the result afterwards. UI thread only.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "toolkit/core/Delegate.h"
#include "toolkit/core/EventArgs.h"

namespace toolkit {

struct ToolkitMessage {
  uint32_t id = 0;
  int32_t route = Direct;
  intptr_t parameter = 0;
  int32_t result = 0;
  uint32_t handled = 0;
};

class MessageHandlerTable {
 public:
  // The one message id handlers register for: the first user message number.
  static constexpr uint32_t kProgressMessage = 1024;

  // Appends a handler for message 1024; false when the delegate pool is exhausted.
  bool add(void* target, HandlerFn fn);
  // Disarms and removes the first handler for 1024 with this target and function.
  void remove(void* target, HandlerFn fn);
  // Runs the handlers for message.id with no sender; every one of them, however
  // many, unless one sets handled.
  void broadcast(ToolkitMessage& message) const;

 private:
  std::map<uint32_t, std::vector<DelegateRef>> handlers_;
};

}  // namespace toolkit
