// The toolkit's plain geometry records: a point, a size and a rectangle of 32-bit
// signed integers. A rectangle's right and bottom edges are exclusive.
#pragma once

#include <algorithm>
#include <cstdint>

namespace toolkit {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  bool isEmpty() const { return right <= left || bottom <= top; }
  bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  // The common part of two rectangles; all zero when they do not overlap.
  Rect intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.isEmpty() ? Rect{} : r;
  }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

}  // namespace toolkit
