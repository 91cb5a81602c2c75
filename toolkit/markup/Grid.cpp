// Grid layout: the largest child decides the desired size; all share one slot.
#include "toolkit/markup/Grid.h"

#include <algorithm>

#include "toolkit/core/Layout.h"

namespace toolkit {

Size Grid::measureOverride(int32_t availableWidth, int32_t availableHeight) {
  Size largest;
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    Size d = measure(*c, availableWidth, availableHeight);
    largest = {std::max(largest.width, d.width), std::max(largest.height, d.height)};
  }
  return largest;
}

Size Grid::arrangeOverride(int32_t width, int32_t height) {
  for (Control* c = firstChild(); c; c = c->nextSibling()) arrange(*c, {0, 0, width, height});
  return {width, height};
}

}  // namespace toolkit
