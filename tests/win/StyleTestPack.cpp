// The in-memory style pack and the canvas of the style tests.
#include "StyleTestPack.h"

#include <algorithm>

#include "MemoryFileSystem.h"
#include "PngWriter.h"
#include "packs/PackWriter.h"
#include "toolkit/core/Toolkit.h"

namespace styletest {
namespace {

using namespace toolkit;

std::vector<uint8_t> solidPng(int width, int height, uint32_t rgb) {
  return pngOf(width, height, std::vector<uint32_t>(size_t(width * height), (rgb << 8) | 0xFF));
}

std::vector<uint8_t> stripPng(int width, int rows) {
  std::vector<uint32_t> rgba;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < width; ++x) rgba.push_back((rowColour(y) << 8) | 0xFF);
  return pngOf(width, rows, rgba);
}

std::vector<uint8_t> bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::string stylePack() {
  PackWriter writer;
  for (AttrKey key : pictureKeys()) EXPECT_TRUE(writer.addStored(pictureName(key), solidPng(2, 2, colourOf(key))));
  EXPECT_TRUE(writer.addStored(u"strip4.png", stripPng(3, 100)));
  EXPECT_TRUE(writer.addStored(u"strip8.png", stripPng(2, 160)));
  EXPECT_TRUE(writer.addStored(u"wideicon.png", solidPng(6, 4, kWideIconColour)));
  EXPECT_TRUE(writer.addStored(u"broken.png", {1, 2, 3}));
  EXPECT_TRUE(writer.addStored(u"font.xml",
                               bytes(R"(<fonts><font name="Default" size="12"/><font name="Big" size="30"/></fonts>)")));
  auto pack = writer.finish();
  return std::string(pack.begin(), pack.end());
}

}  // namespace

const std::vector<AttrKey>& pictureKeys() {
  static const std::vector<AttrKey> keys{
      attr::upSkin(), attr::overSkin(), attr::downSkin(), attr::disabledSkin(),
      attr::checkedUpSkin(), attr::checkedOverSkin(), attr::checkedDownSkin(), attr::checkedDisabledSkin(),
      attr::upIcon(), attr::overIcon(), attr::downIcon(), attr::disabledIcon(),
      attr::checkedUpIcon(), attr::checkedOverIcon(), attr::checkedDownIcon(), attr::checkedDisabledIcon(),
      attr::img(), attr::dropBtn(), attr::icon(), attr::offIcon(),
      attr::barSkin(), attr::trackSkin(), attr::thumbUpSkin(), attr::thumbOverSkin(), attr::thumbDownSkin(),
      attr::thumbUpIcon(), attr::thumbOverIcon(), attr::thumbDownIcon(),
      attr::upArrowUpSkin(), attr::upArrowOverSkin(), attr::upArrowDownSkin(), attr::upArrowDisabledSkin(),
      attr::downArrowUpSkin(), attr::downArrowOverSkin(), attr::downArrowDownSkin(), attr::downArrowDisabledSkin()};
  return keys;
}

uint32_t colourOf(AttrKey key) {
  const auto& keys = pictureKeys();
  uint32_t index = uint32_t(std::find(keys.begin(), keys.end(), key) - keys.begin());
  return ((6 * index + 20) << 16) | 0x4080;  // red tells them apart; never black
}

std::u16string pictureName(AttrKey key) { return std::u16string(key) + u".png"; }

uint32_t rowColour(int row) { return (uint32_t(row) << 16) | 0x80 << 8 | 0x30; }

void nameAllPictures(Object& style, std::initializer_list<AttrKey> keys) {
  for (AttrKey key : keys) style.setText(key, pictureName(key));
}

std::unique_ptr<Control> controlIn(uint32_t state) {
  auto control = std::make_unique<Control>();
  control->setState(0xFFFFFFFF, false);
  control->setState(state | Visible, true);
  return control;
}

Canvas::Canvas(int width, int height, uint32_t fillColour) : fill(fillColour) {
  EXPECT_TRUE(surface.resize(width, height));
  for (int i = 0; i < width * height; ++i) surface.pixels()[i] = fill;
}

uint32_t Canvas::at(int x, int y) const {
  GdiFlush();
  return surface.pixels()[y * surface.width() + x] & 0x00FFFFFF;
}

int Canvas::differences(const Canvas& other, POINT* first) const {
  int count = 0;
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x)
      if (at(x, y) != other.at(x, y) && count++ == 0 && first) *first = POINT{x, y};
  return count;
}

RECT Canvas::ink() const {
  RECT box{surface.width(), surface.height(), 0, 0};
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x)
      if (at(x, y) != fill) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box.right > box.left ? box : RECT{0, 0, 0, 0};
}

void StylePackTest::SetUp() {
  ASSERT_TRUE(startToolkit());
  MemoryFileSystem files;
  files.add(u"style.lz", stylePack());
  ASSERT_TRUE(toolkitContext()->skins().load(files, u"style.lz"));
}

void StylePackTest::TearDown() { shutdownToolkit(); }

}  // namespace styletest
