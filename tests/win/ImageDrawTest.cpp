// Pictures decoded and drawn, checked by the pixels they leave in a 32-bit section.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "PngWriter.h"
#include "packs/PackWriter.h"
#include "toolkit/draw/ImageDraw.h"
#include "toolkit/draw/OffscreenSurface.h"
#include "toolkit/draw/SkinRepository.h"
#include "toolkit/core/Toolkit.h"
#include "MemoryFileSystem.h"

namespace {

constexpr uint32_t kRed = 0xFF0000FF, kGreen = 0x00FF00FF, kBlue = 0x0000FFFF, kWhite = 0xFFFFFFFF;

std::unique_ptr<Image> imageOf(int width, int height, const std::vector<uint32_t>& rgba) {
  auto png = pngOf(width, height, rgba);
  return decodeImage(png.data(), png.size());
}

// A surface filled with one colour (0xAARRGGBB in memory order of the section).
struct Canvas {
  Canvas(int width, int height, uint32_t fill) {
    EXPECT_TRUE(surface.resize(width, height));
    for (int i = 0; i < width * height; ++i) surface.pixels()[i] = fill;
  }
  uint32_t at(int x, int y) const {
    GdiFlush();
    return surface.pixels()[y * surface.width() + x] & 0x00FFFFFF;
  }
  OffscreenSurface surface;
};

TEST(Image, DecodesPremultipliedAndKnowsItsAlpha) {
  auto opaque = imageOf(2, 1, {kRed, kGreen});
  ASSERT_NE(opaque->bitmap, nullptr);
  EXPECT_EQ(opaque->width, 2);
  EXPECT_EQ(opaque->height, 1);
  EXPECT_FALSE(opaque->hasAlpha);
  EXPECT_FALSE(opaque->marked);
  EXPECT_EQ(opaque->keptPixels, nullptr);

  // (200, 100, 50, 128) above an almost opaque white pixel.
  auto translucent = imageOf(1, 2, {0xC8643280, 0xFFFFFFFE});
  ASSERT_NE(translucent->bitmap, nullptr);
  EXPECT_TRUE(translucent->hasAlpha);
  DIBSECTION section{};
  ASSERT_TRUE(GetObjectW(translucent->bitmap, sizeof section, &section));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  const uint32_t* bits = static_cast<uint32_t*>(section.dsBm.bmBits);
  EXPECT_EQ(bits[0], 0x80643219u) << "the first row in memory is the top row";
  EXPECT_EQ(bits[1], 0xFEFEFEFEu);
}

TEST(Image, MarkerByteKeepsTheDecodedPixels) {
  auto png = pngOf(1, 1, {kBlue});
  png.insert(png.begin(), 1);
  auto marked = decodeImage(png.data(), png.size());
  ASSERT_NE(marked->bitmap, nullptr);
  EXPECT_TRUE(marked->marked);
  ASSERT_NE(marked->keptPixels, nullptr);
  EXPECT_EQ(marked->keptPixels[2], 0xFF);  // blue of the RGBA rows
}

TEST(Image, UndecodableDataGivesAnImageWithoutBitmap) {
  const uint8_t garbage[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
  for (size_t length : {size_t(0), sizeof garbage}) {
    auto image = decodeImage(garbage, length);
    EXPECT_EQ(image->bitmap, nullptr);
    Canvas canvas(4, 4, 0x00123456);
    imageDraw::drawWhole(canvas.surface.dc(), image.get(), 0, 0, 4, 4);
    EXPECT_EQ(canvas.at(1, 1), 0x123456u) << "draws nothing";
  }
}

TEST(ImageDraw, OpaquePictureIsCopiedExactly) {
  auto image = imageOf(2, 2, {kRed, kGreen, kBlue, kWhite});
  Canvas canvas(6, 6, 0x00000000);
  imageDraw::drawNatural(canvas.surface.dc(), image.get(), 3, 2);
  EXPECT_EQ(canvas.at(3, 2), 0xFF0000u);
  EXPECT_EQ(canvas.at(4, 2), 0x00FF00u);
  EXPECT_EQ(canvas.at(3, 3), 0x0000FFu);
  EXPECT_EQ(canvas.at(4, 3), 0xFFFFFFu);
  EXPECT_EQ(canvas.at(2, 2), 0u);
  EXPECT_EQ(canvas.at(5, 3), 0u);
}

TEST(ImageDraw, StretchingScalesThePicture) {
  auto image = imageOf(2, 2, {kRed, kGreen, kBlue, kWhite});
  Canvas canvas(8, 8, 0);
  imageDraw::drawWhole(canvas.surface.dc(), image.get(), 0, 0, 8, 8);
  EXPECT_EQ(canvas.at(1, 1), 0xFF0000u);
  EXPECT_EQ(canvas.at(6, 1), 0x00FF00u);
  EXPECT_EQ(canvas.at(1, 6), 0x0000FFu);
  EXPECT_EQ(canvas.at(6, 6), 0xFFFFFFu);
}

int channel(uint32_t pixel, int shift) { return int((pixel >> shift) & 0xFF); }

TEST(ImageDraw, TranslucentPictureBlendsOverTheBackground) {
  // Half-transparent white over a dark blue background: source-over blending.
  // AlphaBlend comes with the toolkit, which the installer starts before drawing.
  ASSERT_TRUE(toolkit::startToolkit());
  auto image = imageOf(1, 1, {0xFFFFFF80});
  Canvas canvas(3, 3, 0x00000080);
  imageDraw::drawWhole(canvas.surface.dc(), image.get(), 0, 0, 3, 3);
  toolkit::shutdownToolkit();
  uint32_t p = canvas.at(1, 1);
  EXPECT_NEAR(channel(p, 16), 128, 2);       // red: 128 + 0
  EXPECT_NEAR(channel(p, 8), 128, 2);        // green
  EXPECT_NEAR(channel(p, 0), 128 + 63, 2);   // blue: 128 + 128 × 127 / 255
}

// A 12 × 12 picture: red corners, green edges, blue centre, each 4 pixels wide.
std::unique_ptr<Image> gridPicture() {
  std::vector<uint32_t> rgba;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      bool edgeX = x < 4 || x >= 8, edgeY = y < 4 || y >= 8;
      rgba.push_back(edgeX && edgeY ? kRed : edgeX || edgeY ? kGreen : kBlue);
    }
  return imageOf(12, 12, rgba);
}

TEST(ImageDraw, ScaleGridKeepsCornersAndStretchesEdgesAndCentre) {
  auto image = gridPicture();
  Canvas canvas(100, 30, 0);
  imageDraw::drawScaleGrid(canvas.surface.dc(), image.get(), {0, 0, 100, 30}, {4, 4, 4, 4});
  const struct {
    int x, y;
    uint32_t colour;
  } probes[] = {{0, 0, 0xFF0000}, {3, 3, 0xFF0000}, {96, 0, 0xFF0000}, {99, 29, 0xFF0000}, {0, 26, 0xFF0000},
                {4, 0, 0x00FF00},  {95, 3, 0x00FF00}, {50, 28, 0x00FF00}, {2, 15, 0x00FF00}, {97, 25, 0x00FF00},
                {4, 4, 0x0000FF},  {95, 25, 0x0000FF}, {50, 15, 0x0000FF}};
  for (const auto& probe : probes)
    EXPECT_EQ(canvas.at(probe.x, probe.y), probe.colour) << probe.x << "," << probe.y;
}

TEST(ImageDraw, StripDrawsOneFrame) {
  std::vector<uint32_t> frames;
  for (uint32_t colour : {kRed, kGreen, kBlue})
    for (int i = 0; i < 4 * 4; ++i) frames.push_back(colour);
  auto image = imageOf(4, 12, frames);
  Canvas canvas(10, 10, 0);
  imageDraw::drawStrip(canvas.surface.dc(), image.get(), 0, 0, 10, 10, 2 * 4, 4);
  for (int y : {0, 5, 9})
    for (int x : {0, 5, 9}) EXPECT_EQ(canvas.at(x, y), 0x0000FFu) << x << "," << y;
}

TEST(SkinRepository, DecodesOnceAndCachesWhatTheStylePackHolds) {
  PackWriter writer;
  auto png = pngOf(1, 1, {kGreen});
  ASSERT_TRUE(writer.addStored(u"button.png", png));
  ASSERT_TRUE(writer.addStored(u"broken.png", {1, 2, 3}));
  auto pack = writer.finish();
  MemoryFileSystem files;
  files.add(u"style.lz", std::string(pack.begin(), pack.end()));

  SkinRepository skins;
  EXPECT_EQ(skins.image(L"button.png"), nullptr) << "nothing before the first load";
  ASSERT_TRUE(skins.load(files, u"style.lz"));
  const Image* button = skins.image(L"button.png");
  ASSERT_NE(button, nullptr);
  EXPECT_NE(button->bitmap, nullptr);
  EXPECT_EQ(skins.image(L"button.png"), button);
  const Image* broken = skins.image(L"broken.png");
  ASSERT_NE(broken, nullptr);
  EXPECT_EQ(broken->bitmap, nullptr);
  EXPECT_EQ(skins.image(L"broken.png"), broken) << "decoded once";
  EXPECT_EQ(skins.image(L"Button.png"), nullptr) << "names are case-sensitive";
  EXPECT_EQ(skins.image(L"missing.png"), nullptr);

  skins.clear();
  EXPECT_EQ(skins.pack(), nullptr);
  EXPECT_EQ(skins.image(L"button.png"), nullptr);
  EXPECT_FALSE(skins.load(files, u"absent.lz"));
}

TEST(OffscreenSurface, KeepsItsPixelsUntilTheSizeChanges) {
  OffscreenSurface surface;
  ASSERT_TRUE(surface.resize(5, 4));
  surface.pixels()[7] = 0x00ABCDEF;
  ASSERT_TRUE(surface.resize(5, 4));
  EXPECT_EQ(surface.pixels()[7], 0x00ABCDEFu);
  ASSERT_TRUE(surface.resize(6, 4));
  EXPECT_EQ(surface.width(), 6);
  EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
  surface.release();
  surface.release();
  EXPECT_EQ(surface.dc(), nullptr);
}

}  // namespace
