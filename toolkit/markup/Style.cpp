// The state skin and the picture helpers of all styles.
#include "toolkit/markup/Style.h"

#include "toolkit/core/Toolkit.h"
#include "toolkit/draw/ImageDraw.h"

namespace toolkit {

Look partLook(bool enabled, bool down, bool over) {
  if (!enabled) return Look::Disabled;
  if (down) return Look::Down;
  if (over) return Look::Over;
  return Look::Up;
}

Look lookOf(uint32_t state, uint32_t downBits, uint32_t overBits) {
  return partLook((state & Enabled) != 0, (state & downBits) != 0, (state & overBits) != 0);
}

const Image* pictureNamed(const std::u16string* name) {
  ToolkitContext* context = toolkitContext();
  if (!name || !context) return nullptr;
  const Image* image = context->skins().image(std::wstring(name->begin(), name->end()));
  return image && image->bitmap ? image : nullptr;
}

void Style::draw(HDC dc, const Rect& rect, const Control& control) const {
  drawLookSkin(dc, stateLook(control), rect);
}

void Style::drawPicture(HDC dc, const Image* image, const Rect& rect, AttrKey gridKey) const {
  if (!image) return;
  Rect grid;
  if (gridKey && getRect(gridKey, &grid))
    imageDraw::drawScaleGrid(dc, image, {rect.left, rect.top, rect.right, rect.bottom},
                             {grid.left, grid.top, grid.right, grid.bottom});
  else
    imageDraw::drawWhole(dc, image, rect.left, rect.top, rect.right, rect.bottom);
}

void Style::drawLookSkin(HDC dc, Look look, const Rect& rect) const {
  static const LookKeys keys{attr::upSkin(), attr::overSkin(), attr::downSkin(), attr::disabledSkin()};
  drawSkin(dc, keys[static_cast<int>(look)], rect, attr::scaleGrid());
}

void Style::drawFrame(HDC dc, const Image& strip, int frameCount, int index, const Rect& dest) {
  int frameHeight = strip.height / frameCount;
  if (frameHeight <= 0) return;
  imageDraw::drawStrip(dc, &strip, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                       index * frameHeight, frameHeight);
}

int Style::checkedLook(const Control& control) {
  return (control.has(Checked) ? 4 : 0) + static_cast<int>(lookOf(control.state(), Pressed, Hovered));
}

Look Style::stateLook(const Control& control) {
  return lookOf(control.state(), Pressed | Checked, Hovered | Focused);
}

}  // namespace toolkit
