// A style pack made in memory for the style tests: a one-colour picture for every
// skin and icon attribute a style reads, two frame strips whose rows all differ,
// and two fonts. The toolkit is started (AlphaBlend, skin repository) for each test
// and its skin repository loads the pack; a canvas records what a style drew.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/Control.h"
#include "toolkit/draw/OffscreenSurface.h"
#include "toolkit/markup/Style.h"

namespace styletest {

using toolkit::AttrKey;

// Every attribute that names a picture; each has its own picture "<name>.png".
const std::vector<AttrKey>& pictureKeys();
// The colour (0x00RRGGBB, as a canvas reads it) of the picture of `key`.
uint32_t colourOf(AttrKey key);
// Its picture's member name.
std::u16string pictureName(AttrKey key);

// Frame strips: "strip4.png" is 3 × 100 pixels, "strip8.png" 2 × 160; row y of
// either has the colour rowColour(y).
uint32_t rowColour(int row);
// A 6 × 4 icon "wideicon.png" of colour kWideIconColour.
constexpr uint32_t kWideIconColour = 0x20C0E0;

// Names every given picture attribute of the style after its picture.
void nameAllPictures(toolkit::Object& style, std::initializer_list<AttrKey> keys);

// A control with exactly the given state bits (Visible added).
std::unique_ptr<toolkit::Control> controlIn(uint32_t state);

// A surface filled with one colour; at() reads 0x00RRGGBB.
struct Canvas {
  explicit Canvas(int width = 80, int height = 48, uint32_t fill = 0x000000);
  uint32_t at(int x, int y) const;
  HDC dc() const { return surface.dc(); }
  // The number of pixels that differ from `other` (same size), and the first one.
  int differences(const Canvas& other, POINT* first) const;
  // The smallest rectangle holding every pixel that is not the fill colour
  // (empty when there is none).
  RECT ink() const;
  OffscreenSurface surface;
  uint32_t fill;
};

// The toolkit started with the test pack loaded; shut down afterwards.
class StylePackTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The rectangle controls are drawn into on a default canvas.
constexpr toolkit::Rect kRect{8, 6, 64, 38};

}  // namespace styletest
