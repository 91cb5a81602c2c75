// What a scroll bar control tells its style: where its arrows and thumb are and
// which of them the pointer hovers or holds. The ScrollBar control derives from
// this interface besides Control; Style_ScrollBar finds it on the control it draws.
#pragma once

#include <cstdint>

#include "toolkit/core/Geometry.h"

namespace toolkit {

// Part-state bits, the same as the scroll bar's own part state, which it may pass
// on whole: the style reads these six and ignores the others (the track parts).
namespace scrollPart {
constexpr uint32_t UpArrowHovered = 0x1;
constexpr uint32_t DownArrowHovered = 0x2;
constexpr uint32_t ThumbHovered = 0x4;
constexpr uint32_t UpArrowPressed = 0x10;
constexpr uint32_t DownArrowPressed = 0x20;
constexpr uint32_t ThumbPressed = 0x40;
}  // namespace scrollPart

struct ScrollBarParts {
  Rect upArrow;    // relative to the bar's top-left corner
  Rect downArrow;
  Rect thumb;
  uint32_t state = 0;  // scrollPart bits
};

class ScrollBarPartSource {
 public:
  virtual ScrollBarParts scrollBarParts() const = 0;

 protected:
  ~ScrollBarPartSource() = default;
};

}  // namespace toolkit
