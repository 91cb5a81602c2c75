// Bound callbacks shared between handler lists and the dispatch in progress. A
// delegate holds a target object and a function called with (target, sender,
// argument); a delegate whose function is null is disarmed and skipped by every
// dispatch. Delegates come from a fixed pool of 50,000 that does not grow, and go
// back to it when the last DelegateRef lets go. UI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace toolkit {

class Control;

// The one calling convention of every delegate; the argument is the event record
// for events and the toolkit message for message handlers.
using HandlerFn = void (*)(void* target, Control* sender, void* argument);

class Delegate {
 public:
  void* target() const { return target_; }
  HandlerFn function() const { return function_; }
  bool armed() const { return function_ != nullptr; }
  bool matches(void* target, HandlerFn fn) const { return target_ == target && function_ == fn; }
  void disarm() { function_ = nullptr; }
  void invoke(Control* sender, void* argument) const { function_(target_, sender, argument); }

 private:
  friend class DelegatePool;
  friend class DelegateRef;
  void* target_ = nullptr;
  HandlerFn function_ = nullptr;
  uint32_t references_ = 0;
  Delegate* nextFree_ = nullptr;
};

// A counted reference; the delegate returns to the pool with the last one.
class DelegateRef {
 public:
  DelegateRef() = default;
  DelegateRef(const DelegateRef& o) : delegate_(o.delegate_) { retain(); }
  DelegateRef(DelegateRef&& o) noexcept : delegate_(o.delegate_) { o.delegate_ = nullptr; }
  DelegateRef& operator=(DelegateRef o) noexcept {
    Delegate* old = delegate_;
    delegate_ = o.delegate_;
    o.delegate_ = old;
    return *this;
  }
  ~DelegateRef() { reset(); }

  void reset();
  explicit operator bool() const { return delegate_ != nullptr; }
  Delegate* operator->() const { return delegate_; }
  Delegate& operator*() const { return *delegate_; }

 private:
  friend class DelegatePool;
  explicit DelegateRef(Delegate* d) : delegate_(d) { retain(); }
  void retain() {
    if (delegate_) ++delegate_->references_;
  }
  Delegate* delegate_ = nullptr;
};

class DelegatePool {
 public:
  static constexpr size_t kCapacity = 50000;
  // A new delegate, or an empty reference when the pool is exhausted.
  static DelegateRef make(void* target, HandlerFn fn);
  static size_t available();

 private:
  friend class DelegateRef;
  struct FreeList;
  static FreeList& freeList();
  static void give(Delegate* d);
};

// Disarms and erases the first delegate in the list with this target and function,
// so that a dispatch already holding it skips it. False when there is none.
bool disarmFirst(std::vector<DelegateRef>& list, void* target, HandlerFn fn);

// Adapts a member function taking (sender, argument) to a HandlerFn, so that
// handlers can be methods: addHandler(code, this, &memberHandler<T, EventArgs, &T::f>).
template <typename T, typename Arg, void (T::*Method)(Control*, Arg*)>
void memberHandler(void* target, Control* sender, void* argument) {
  (static_cast<T*>(target)->*Method)(sender, static_cast<Arg*>(argument));
}

}  // namespace toolkit
