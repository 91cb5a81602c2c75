// Style documents read from the style pack: type names, attributes, the cache, and
// a control painted through its named style.
#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "PngWriter.h"
#include "packs/PackWriter.h"
#include "toolkit/core/GdiPainter.h"
#include "toolkit/core/Toolkit.h"
#include "toolkit/draw/OffscreenSurface.h"
#include "toolkit/markup/StyleClasses.h"

namespace {

using namespace toolkit;

std::vector<uint8_t> bytesOf(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::string styleDocument(const std::string& typeAttribute, const std::string& attributes) {
  return "<Style><Type " + typeAttribute + "><Attributes " + attributes + "/></Type></Style>";
}

class StyleLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(startToolkit());
    PackWriter writer;
    writer.addStored(u"slider.xml", bytesOf(styleDocument(R"(kind="Slider")", R"(barSkin="bar.png")")));
    writer.addStored(u"odd.xml", bytesOf(styleDocument(R"(name="Gadget")", R"(upSkin="red.png")")));
    writer.addStored(u"button.xml", bytesOf(styleDocument(R"(name="Button")", R"(upSkin="red.png" textColor="#00FF00")")));
    writer.addStored(u"flat.xml", bytesOf("<Style/>"));
    writer.addStored(u"broken.xml", bytesOf("<Style><Type name=\"Button\">"));
    writer.addStored(u"red.png", pngOf(2, 2, {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF}));
    auto pack = writer.finish();
    files_.add(u"style.lz", std::string(pack.begin(), pack.end()));
    ASSERT_TRUE(toolkitContext()->skins().load(files_, u"style.lz"));
  }
  void TearDown() override { shutdownToolkit(); }

  const Style* style(const char16_t* name) { return toolkitContext()->style(name); }

  MemoryFileSystem files_;
};

TEST_F(StyleLoader, TheTypeElementsFirstAttributeChoosesTheClass) {
  EXPECT_NE(dynamic_cast<const Style_Slider*>(style(u"slider.xml")), nullptr) << "whatever the attribute is called";
  const Style* odd = style(u"odd.xml");
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(typeid(*odd), typeid(Style)) << "an unknown type makes a plain Style";
  const Style* button = style(u"button.xml");
  ASSERT_NE(dynamic_cast<const Style_Button*>(button), nullptr);
  ASSERT_NE(button->getText(intern(u"upSkin")), nullptr);
  EXPECT_EQ(*button->getText(intern(u"upSkin")), u"red.png");
  EXPECT_EQ(button->intOr(intern(u"textColor"), 0), 0x00FF00);
}

TEST_F(StyleLoader, StylesAreLoadedOnceAndMissingOnesAreNotKept) {
  const Style* first = style(u"button.xml");
  EXPECT_EQ(style(u"button.xml"), first);
  EXPECT_EQ(style(u"absent.xml"), nullptr);
  EXPECT_EQ(style(u"broken.xml"), nullptr) << "not well-formed";
  const Style* flat = style(u"flat.xml");
  ASSERT_NE(flat, nullptr) << "a document without its levels makes a style without attributes";
  EXPECT_EQ(flat->getText(intern(u"upSkin")), nullptr);
  toolkitContext()->skins().clear();
  EXPECT_EQ(style(u"button.xml"), nullptr) << "cleared with the repository";
}

TEST_F(StyleLoader, ControlsPaintThroughTheirNamedStyle) {
  Control control;
  control.setText(intern(u"style"), u"button.xml");
  OffscreenSurface surface;
  ASSERT_TRUE(surface.resize(20, 20));
  for (int i = 0; i < 400; ++i) surface.pixels()[i] = 0;
  GdiPainter painter(surface.dc());
  control.paint(painter, Rect{5, 5, 15, 15}, Rect{0, 0, 20, 20});
  GdiFlush();
  EXPECT_EQ(surface.pixels()[10 * 20 + 10] & 0xFFFFFF, 0xFF0000u) << "the style's upSkin";
  EXPECT_EQ(surface.pixels()[2 * 20 + 2] & 0xFFFFFF, 0u) << "nothing outside the control";
}

}  // namespace
