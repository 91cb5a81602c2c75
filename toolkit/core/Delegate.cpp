// The fixed delegate pool: one static array threaded into a free list at first use.
#include "toolkit/core/Delegate.h"

namespace toolkit {

struct DelegatePool::FreeList {
  Delegate slots[kCapacity];
  Delegate* head = nullptr;
  size_t available = 0;
};

DelegatePool::FreeList& DelegatePool::freeList() {
  static FreeList list;
  static bool threaded = [] {
    for (size_t i = kCapacity; i-- > 0;) {
      list.slots[i].nextFree_ = list.head;
      list.head = &list.slots[i];
    }
    list.available = kCapacity;
    return true;
  }();
  (void)threaded;
  return list;
}

void DelegateRef::reset() {
  Delegate* d = delegate_;
  delegate_ = nullptr;
  if (d && --d->references_ == 0) DelegatePool::give(d);
}

DelegateRef DelegatePool::make(void* target, HandlerFn fn) {
  FreeList& list = freeList();
  Delegate* d = list.head;
  if (!d) return DelegateRef();
  list.head = d->nextFree_;
  --list.available;
  d->nextFree_ = nullptr;
  d->target_ = target;
  d->function_ = fn;
  return DelegateRef(d);
}

size_t DelegatePool::available() { return freeList().available; }

void DelegatePool::give(Delegate* d) {
  FreeList& list = freeList();
  d->target_ = nullptr;
  d->function_ = nullptr;
  d->nextFree_ = list.head;
  list.head = d;
  ++list.available;
}

bool disarmFirst(std::vector<DelegateRef>& list, void* target, HandlerFn fn) {
  for (auto d = list.begin(); d != list.end(); ++d) {
    if ((*d)->matches(target, fn)) {
      (*d)->disarm();
      list.erase(d);
      return true;
    }
  }
  return false;
}

}  // namespace toolkit
