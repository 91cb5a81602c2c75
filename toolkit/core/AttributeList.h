// One singly linked list of attributes of one value kind, keyed by interned name.
// Setting replaces an existing entry in place or puts a new one at the head; there
// is no removal of single entries. Entries live in bare blocks of the block pool.
#pragma once

#include <new>
#include <utility>

#include "toolkit/core/BlockPool.h"
#include "toolkit/core/Names.h"

namespace toolkit {

template <typename Value>
class AttributeList {
 public:
  AttributeList() = default;
  AttributeList(const AttributeList&) = delete;
  AttributeList& operator=(const AttributeList&) = delete;
  ~AttributeList() {
    while (head_) {
      Entry* next = head_->next;
      head_->~Entry();
      BlockPool::releaseBlock(head_, sizeof(Entry));
      head_ = next;
    }
  }

  // False only when no block could be had for a new entry.
  bool set(AttrKey key, Value value) {
    if (Entry* e = find(key)) {
      e->value = std::move(value);
      return true;
    }
    void* block = BlockPool::allocateBlock(sizeof(Entry));
    if (!block) return false;
    head_ = new (block) Entry{key, std::move(value), head_};
    return true;
  }

  // The stored value, or null when the attribute is absent.
  const Value* get(AttrKey key) const {
    const Entry* e = const_cast<AttributeList*>(this)->find(key);
    return e ? &e->value : nullptr;
  }

 private:
  struct Entry {
    AttrKey key;
    Value value;
    Entry* next;
  };

  Entry* find(AttrKey key) {
    for (Entry* e = head_; e; e = e->next)
      if (e->key == key) return e;
    return nullptr;
  }

  Entry* head_ = nullptr;
};

}  // namespace toolkit
