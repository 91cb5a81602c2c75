// Layout documents into control trees: factories, setters, state-bit attributes,
// children, and documents that are missing or broken.
#include <gtest/gtest.h>

#include "packs/PackWriter.h"
#include "toolkit/core/Panel.h"
#include "toolkit/markup/MarkupLoader.h"

namespace {

using toolkit::Control;
using toolkit::Panel;

struct TestButton : Control {};
struct TestLabel : Control {};

class MarkupLoader : public ::testing::Test {
 protected:
  MarkupLoader() {
    factories_.add<Panel>(u"Window");
    factories_.add<Panel>(u"StackPanel");
    factories_.add<TestButton>(u"Button");
    factories_.add<TestLabel>(u"Label");
  }

  std::unique_ptr<Control> load(const std::string& xml) {
    PackWriter writer;
    writer.addStored(u"test.xml", std::vector<uint8_t>(xml.begin(), xml.end()));
    pack_ = writer.finish();
    Pack pack(pack_.data(), pack_.size());
    return markup::loadLayout(pack, u"test.xml", factories_, setters_);
  }

  static const std::u16string* text(const Control& c, const char16_t* name) {
    return c.getText(toolkit::intern(name));
  }

  markup::ControlFactories factories_;
  duiField::SetterRegistry setters_;
  std::vector<uint8_t> pack_;
};

TEST_F(MarkupLoader, UnknownElementsAreLeftOutWithTheirSubtree) {
  auto root = load(R"(<Window><Fancy><Button id="1"/></Fancy><Label id="2"/></Window>)");
  ASSERT_NE(root, nullptr);
  Panel* window = root->asPanel();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->childCount(), 1);
  EXPECT_NE(dynamic_cast<TestLabel*>(window->firstChild()), nullptr);
  EXPECT_EQ(window->firstChild()->intOr(toolkit::intern(u"id"), 0), 2);
  EXPECT_EQ(load(R"(<Fancy><Button/></Fancy>)"), nullptr) << "an unknown root yields no tree";
}

TEST_F(MarkupLoader, ChildrenInDocumentOrderOnlyUnderPanels) {
  auto root = load(R"(<Window>
      text between elements
      <StackPanel><Button id="1"/><Label id="2"/></StackPanel>
      <Button id="3"><Label id="4"/></Button>
    </Window>)");
  ASSERT_NE(root, nullptr);
  Panel* window = root->asPanel();
  ASSERT_EQ(window->childCount(), 2);
  Panel* stack = window->firstChild()->asPanel();
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(stack->childCount(), 2);
  EXPECT_EQ(stack->firstChild()->intOr(toolkit::intern(u"id"), 0), 1);
  EXPECT_EQ(stack->lastChild()->intOr(toolkit::intern(u"id"), 0), 2);
  EXPECT_EQ(window->lastChild()->asPanel(), nullptr) << "a button holds no children";
}

TEST_F(MarkupLoader, StateBitsAreSetOnlyByExactlyOne) {
  struct Case {
    const char* attributes;
    uint32_t bit;
    bool on;
  } cases[] = {
      {R"(visible="true")", toolkit::Visible, false}, {R"(visible="1")", toolkit::Visible, true},
      {R"(enabled="0")", toolkit::Enabled, false},    {R"(enabled="1")", toolkit::Enabled, true},
      {R"(transparent="1")", toolkit::HitTransparent, true}, {R"(transparent="yes")", toolkit::HitTransparent, false},
  };
  for (const Case& c : cases) {
    auto button = load(std::string("<Button ") + c.attributes + "/>");
    ASSERT_NE(button, nullptr) << c.attributes;
    EXPECT_EQ(button->has(c.bit), c.on) << c.attributes;
  }
}

TEST_F(MarkupLoader, AttributeValuesByKind) {
  auto button = load(R"(<Button id="1002" margin=" 1, 2, 3, 4" color="#FF8000" initSize="600,400"
      orientation="Horizontal" dock="right" text="Fish &amp; chips" unknown="x" style="btn.xml" style="b2.xml"/>)");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->intOr(toolkit::intern(u"id"), 0), 1002);
  toolkit::Rect margin = button->rectOr(toolkit::intern(u"margin"), {});
  EXPECT_EQ(margin.left + margin.top * 10 + margin.right * 100 + margin.bottom * 1000, 4321);
  EXPECT_EQ(button->intOr(toolkit::intern(u"color"), 0), 0xFF8000);
  toolkit::Size size = button->sizeOr(toolkit::intern(u"initSize"), {});
  EXPECT_EQ(size.width * 1000 + size.height, 600400);
  EXPECT_EQ(button->enumOr(toolkit::intern(u"orientation"), toolkit::EnumWord::Vertical), toolkit::EnumWord::None);
  EXPECT_EQ(button->enumOr(toolkit::intern(u"dock"), toolkit::EnumWord::None), toolkit::EnumWord::Right);
  ASSERT_NE(text(*button, u"text"), nullptr);
  EXPECT_EQ(*text(*button, u"text"), u"Fish &amp; chips");
  EXPECT_EQ(text(*button, u"unknown"), nullptr);
  EXPECT_EQ(*text(*button, u"style"), u"b2.xml") << "a later attribute replaces the earlier";
}

TEST_F(MarkupLoader, RegistryKnowsEveryAttributeName) {
  EXPECT_EQ(setters_.size(), 85u);
  for (const char16_t* name : {u"id", u"textColor", u"progressmargin", u"textpadding", u"textAlign",
                               u"downArrowDisabledSkin", u"columns", u"grayTip"})
    EXPECT_NE(setters_.find(name), nullptr);
  for (const char16_t* name : {u"visible", u"Id", u"ID", u"colour", u""}) EXPECT_EQ(setters_.find(name), nullptr);
}

TEST_F(MarkupLoader, MissingOrBrokenDocumentsYieldNoTree) {
  const char* broken[] = {
      "\xEF\xBB\xBF<Window/>",        // byte-order mark
      "<Window><Button></Window>",     // not well-formed
      "",                              // empty
      "<?xml version=\"1.0\"?>",       // no element
  };
  for (const char* xml : broken) EXPECT_EQ(load(xml), nullptr) << xml;
  PackWriter writer;
  auto bytes = writer.finish();
  Pack empty(bytes.data(), bytes.size());
  EXPECT_EQ(markup::loadLayout(empty, u"mainframe.xml", factories_, setters_), nullptr);
}

}  // namespace
