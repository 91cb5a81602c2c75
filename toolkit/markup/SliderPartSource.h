// What a slider control tells its style: where its thumb is. The Slider control
// derives from this interface besides Control; Style_Slider finds it on the
// control it draws.
#pragma once

#include "toolkit/core/Geometry.h"

namespace toolkit {

class SliderPartSource {
 public:
  // The thumb's rectangle relative to the slider's top-left corner.
  virtual Rect sliderThumb() const = 0;

 protected:
  ~SliderPartSource() = default;
};

}  // namespace toolkit
