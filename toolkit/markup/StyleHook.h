// Connects the default paint of controls to styles. A control's paint hands the
// name in its "style" attribute to the core's StyleDrawer; this drawer asks the
// style cache for the style of that name and lets it draw into the painter's
// device context. While a hook exists it is the one the controls use.
#pragma once

#include <functional>
#include <string>

#include "toolkit/core/Control.h"
#include "toolkit/core/Painter.h"
#include "toolkit/markup/Style.h"

namespace toolkit {

class StyleHook final : public StyleDrawer {
 public:
  // The style of a name, or null when there is none (the control is then not drawn).
  using Lookup = std::function<const Style*(const std::u16string& name)>;

  // Installs itself as the controls' style drawer.
  explicit StyleHook(Lookup lookup);
  // Uninstalls it: controls draw nothing afterwards.
  ~StyleHook();
  StyleHook(const StyleHook&) = delete;
  StyleHook& operator=(const StyleHook&) = delete;

  void drawStyle(const std::u16string& styleName, Painter& painter, const Rect& rect, Control& control) override;

 private:
  Lookup lookup_;
};

}  // namespace toolkit
