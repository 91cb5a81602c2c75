// The sizes of the pictures that styles name, for layout code that must size a part
// the way its skin is drawn (a scroll bar as wide as its bar picture, arrows as tall
// as theirs). The style cache installs the source of these sizes when styles are
// loaded; until then, and on the host, every lookup reports the picture missing and
// the callers take their defaults.
#pragma once

#include <string_view>

#include "toolkit/core/Geometry.h"
#include "toolkit/core/Names.h"

namespace toolkit {

class SkinMetrics {
 public:
  // The pixel size of the picture that the style `styleName` names in its text
  // attribute `skin`; false when the style, the attribute or the picture is missing.
  virtual bool skinSize(std::u16string_view styleName, AttrKey skin, Size* out) = 0;

  // Installs the source of sizes (null removes it). UI thread.
  static void install(SkinMetrics* metrics);
  // Asks the installed source; false when there is none.
  static bool lookup(std::u16string_view styleName, AttrKey skin, Size* out);

 protected:
  ~SkinMetrics() = default;
};

}  // namespace toolkit
