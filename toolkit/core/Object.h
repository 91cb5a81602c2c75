// The root of controls and styles: a pool-allocated object with four attribute
// lists (integer, size, rectangle, text) keyed by interned names. Readers supply
// their own defaults; an absent attribute is never an error.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/AttributeList.h"
#include "toolkit/core/BlockPool.h"
#include "toolkit/core/Geometry.h"
#include "toolkit/core/Names.h"

namespace toolkit {

class Object : public PoolAllocated {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  void setInt(AttrKey key, int32_t value) { ints_.set(key, value); }
  void setSize(AttrKey key, Size value) { sizes_.set(key, value); }
  void setRect(AttrKey key, Rect value) { rects_.set(key, value); }
  void setText(AttrKey key, std::u16string value) { texts_.set(key, std::move(value)); }
  void setEnum(AttrKey key, EnumWord word) { setInt(key, static_cast<int32_t>(word)); }

  // Each getter reports whether the attribute is there and leaves *out alone if not.
  bool getInt(AttrKey key, int32_t* out) const { return copyOut(ints_.get(key), out); }
  bool getSize(AttrKey key, Size* out) const { return copyOut(sizes_.get(key), out); }
  bool getRect(AttrKey key, Rect* out) const { return copyOut(rects_.get(key), out); }
  // The stored text, valid until the attribute is set again, or null.
  const std::u16string* getText(AttrKey key) const { return texts_.get(key); }

  int32_t intOr(AttrKey key, int32_t fallback) const { return valueOr(ints_.get(key), fallback); }
  Size sizeOr(AttrKey key, Size fallback) const { return valueOr(sizes_.get(key), fallback); }
  Rect rectOr(AttrKey key, Rect fallback) const { return valueOr(rects_.get(key), fallback); }
  EnumWord enumOr(AttrKey key, EnumWord fallback) const {
    return static_cast<EnumWord>(intOr(key, static_cast<int32_t>(fallback)));
  }

 private:
  template <typename T>
  static bool copyOut(const T* found, T* out) {
    if (found && out) *out = *found;
    return found != nullptr;
  }
  template <typename T>
  static T valueOr(const T* found, T fallback) { return found ? *found : fallback; }

  AttributeList<int32_t> ints_;
  AttributeList<Size> sizes_;
  AttributeList<Rect> rects_;
  AttributeList<std::u16string> texts_;
};

}  // namespace toolkit
