// A style draws controls: a control names a style, and the style paints skins,
// icons and captions from its own attributes and the control's state bits and
// attributes. This base class draws the state skin (up, over, down or disabled,
// first match wins) and holds the pieces its subclasses share: picking a look from
// the state, finding pictures by name and drawing them whole or by scale grid.
// A style is shared by every control that names it, so it keeps no per-control
// state; all it knows is in its attribute lists.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "toolkit/core/Control.h"
#include "toolkit/core/Object.h"
#include "toolkit/draw/Image.h"

namespace toolkit {

// The four looks of a skinned part, in the order of frame strips: normal, hover,
// pressed, disabled.
enum class Look { Up = 0, Over = 1, Down = 2, Disabled = 3 };

// First match wins: Disabled when not enabled, then Down, then Over, else Up.
Look partLook(bool enabled, bool down, bool over);
// The same from a control's state bits: Disabled without Enabled; Down when any of
// `downBits` is set; Over when any of `overBits` is set.
Look lookOf(uint32_t state, uint32_t downBits, uint32_t overBits);

// The attribute naming the picture of each look, indexed by Look.
using LookKeys = std::array<AttrKey, 4>;
// The same for controls that can be checked: the four looks unchecked, then the
// four looks checked (the order of eight-frame strips), indexed by checkedLook().
using CheckedLookKeys = std::array<AttrKey, 8>;

// The picture of the skin repository with that name, or null when there is none or
// it did not decode (such a picture places and draws nothing).
const Image* pictureNamed(const std::u16string* name);

class Style : public Object {
 public:
  ~Style() override = default;

  // Draws `control` into `dc`; `rect` is the control's rectangle in the device
  // context's coordinates. Drawing changes nothing in the style.
  virtual void draw(HDC dc, const Rect& rect, const Control& control) const;

 protected:
  // The picture named by this style's attribute `key`, or null.
  const Image* picture(AttrKey key) const { return pictureNamed(getText(key)); }
  // The picture named by `key`, over the whole rectangle: nine-slice with the
  // insets of the rectangle attribute `gridKey` when the style has it, else whole
  // (always whole when `gridKey` is null).
  void drawSkin(HDC dc, AttrKey key, const Rect& rect, AttrKey gridKey) const {
    drawPicture(dc, picture(key), rect, gridKey);
  }
  // The same for a picture already at hand; a null picture draws nothing.
  void drawPicture(HDC dc, const Image* image, const Rect& rect, AttrKey gridKey) const;
  // The skin of `look` among the up, over, down and disabled skins, with "scaleGrid".
  void drawLookSkin(HDC dc, Look look, const Rect& rect) const;
  // Frame `index` of a strip of `frameCount` frames of equal height, stretched
  // into `dest`. A strip with fewer rows than frames has no frames to draw.
  static void drawFrame(HDC dc, const Image& strip, int frameCount, int index, const Rect& dest);
  // 0 to 3 for the look unchecked, 4 to 7 checked, with Pressed as down and Hovered
  // as over.
  static int checkedLook(const Control& control);
  // The look of the state skin: Pressed or Checked is down, Hovered or Focused over.
  static Look stateLook(const Control& control);
};

}  // namespace toolkit
