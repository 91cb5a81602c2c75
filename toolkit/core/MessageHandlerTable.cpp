// Registration and broadcast over a copy of the handler list.
#include "toolkit/core/MessageHandlerTable.h"

#include "toolkit/core/EventRouter.h"

namespace toolkit {

bool MessageHandlerTable::add(void* target, HandlerFn fn) {
  DelegateRef d = DelegatePool::make(target, fn);
  if (!d) return false;
  handlers_[kProgressMessage].push_back(std::move(d));
  return true;
}

void MessageHandlerTable::remove(void* target, HandlerFn fn) {
  auto it = handlers_.find(kProgressMessage);
  if (it != handlers_.end()) disarmFirst(it->second, target, fn);
}

void MessageHandlerTable::broadcast(ToolkitMessage& message) const {
  auto it = handlers_.find(message.id);
  if (it == handlers_.end()) return;
  // A copy, so that handlers may register or unregister while it runs.
  RouteBuffer buffer;
  for (const DelegateRef& d : it->second) buffer.push(d);
  invokeBuffer(buffer, false, nullptr, &message, &message.handled, nullptr);
}

}  // namespace toolkit
