// Premultiplied pixels and the nine pieces of a scale-grid draw.
#include <gtest/gtest.h>

#include "toolkit/draw/Premultiply.h"
#include "toolkit/draw/ScaleGrid.h"

namespace {

TEST(Premultiply, ScalesColoursByAlphaAndFlagsTransparency) {
  const uint8_t opaque[] = {200, 100, 50, 255, 1, 2, 3, 255};
  uint32_t out[2];
  EXPECT_FALSE(premultiply(opaque, 2, out));
  EXPECT_EQ(out[0], 0xFFC86432u);
  EXPECT_EQ(out[1], 0xFF010203u);

  const uint8_t mixed[] = {200, 100, 50, 128, 255, 255, 255, 254, 9, 9, 9, 0};
  uint32_t blended[3];
  EXPECT_TRUE(premultiply(mixed, 3, blended));
  EXPECT_EQ(blended[0], 0x80643219u);  // red 100, green 50, blue 25 (truncated)
  EXPECT_EQ(blended[1], 0xFEFEFEFEu);
  EXPECT_EQ(blended[2], 0x00000000u);
}

std::string describe(const GridPiece& p) {
  char text[160];
  std::snprintf(text, sizeof text, "%s src %d,%d %dx%d dst %d,%d %dx%d", p.stretch ? "stretch" : "copy",
                p.sourceX, p.sourceY, p.sourceWidth, p.sourceHeight, p.destX, p.destY, p.destWidth, p.destHeight);
  return text;
}

struct GridCase {
  const char* what;
  GridRect dest, insets;
  int imageWidth, imageHeight;
  std::vector<std::string> pieces;
};

TEST(ScaleGrid, PiecesInDrawingOrder) {
  const GridCase cases[] = {
      {"all four insets", {0, 0, 100, 30}, {4, 4, 4, 4}, 12, 12,
       {"stretch src 4,4 4x4 dst 4,4 92x22", "copy src 0,0 4x4 dst 0,0 4x4", "stretch src 4,0 4x4 dst 4,0 92x4",
        "copy src 8,0 4x4 dst 96,0 4x4", "stretch src 8,4 4x4 dst 96,4 4x22", "copy src 8,8 4x4 dst 96,26 4x4",
        "stretch src 4,8 4x4 dst 4,26 92x4", "copy src 0,8 4x4 dst 0,26 4x4", "stretch src 0,4 4x4 dst 0,4 4x22"}},
      {"top and bottom only", {10, 20, 110, 80}, {0, 10, 0, 10}, 30, 40,
       {"stretch src 0,10 30x20 dst 10,30 100x40", "stretch src 0,0 30x10 dst 10,20 100x10",
        "stretch src 0,30 30x10 dst 10,70 100x10"}},
      {"no insets: the whole picture stretched", {0, 0, 50, 50}, {0, 0, 0, 0}, 8, 8,
       {"stretch src 0,0 8x8 dst 0,0 50x50"}},
      {"destination smaller than the insets", {0, 0, 6, 6}, {4, 4, 4, 4}, 12, 12,
       {"copy src 0,0 4x4 dst 0,0 4x4", "stretch src 4,0 4x4 dst 4,0 -2x4", "copy src 8,0 4x4 dst 2,0 4x4",
        "stretch src 8,4 4x4 dst 2,4 4x-2", "copy src 8,8 4x4 dst 2,2 4x4", "stretch src 4,8 4x4 dst 4,2 -2x4",
        "copy src 0,8 4x4 dst 0,2 4x4", "stretch src 0,4 4x4 dst 0,4 4x-2"}},
  };
  for (const GridCase& c : cases) {
    std::vector<std::string> got;
    for (const GridPiece& p : scaleGridPieces(c.dest, c.insets, c.imageWidth, c.imageHeight)) got.push_back(describe(p));
    EXPECT_EQ(got, c.pieces) << c.what;
  }
}

}  // namespace
