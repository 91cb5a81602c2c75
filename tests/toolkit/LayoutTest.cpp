// Measure and arrange: margins, fixed sizes, alignment and the desired-size rules,
// one control at a time and for a small tree.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Panel.h"

namespace toolkit {
namespace {

using testing::FakeWindow;

// Content of a fixed size, and a record of what the layout offered it.
struct Box : Control {
  Size content{50, 20};
  Size offered, arranged;
  Size measureOverride(int32_t w, int32_t h) override {
    offered = {w, h};
    return content;
  }
  Size arrangeOverride(int32_t w, int32_t h) override {
    arranged = {w, h};
    return {w, h};
  }
};

// Stacks its children top to bottom, each as tall as it wants and as wide as the
// panel: the shape of the stack panel, enough to lay out a small tree.
struct Column : Panel {
  Size measureOverride(int32_t w, int32_t h) override {
    Size total;
    for (Control* c = firstChild(); c; c = c->nextSibling()) {
      Size d = measure(*c, w, h);
      total.width = std::max(total.width, d.width);
      total.height += d.height;
    }
    return total;
  }
  Size arrangeOverride(int32_t w, int32_t h) override {
    int32_t y = 0;
    for (Control* c = firstChild(); c; c = c->nextSibling()) {
      arrange(*c, {0, y, w, y + c->desiredSize().height});
      y += c->desiredSize().height;
    }
    return {w, h};
  }
};

class Layout : public ::testing::Test {
 protected:
  Box* attachBox() { return static_cast<Box*>(window.open(std::make_unique<Box>())); }
  FakeWindow window;
};

TEST_F(Layout, MeasureAppliesMarginsAndFixedSizes) {
  struct Case {
    const char* what;
    Rect margin;
    int32_t width, height;  // -1: absent
    int32_t availW, availH;
    Size offered, desired;
  };
  const Case cases[] = {
      {"content size", {}, -1, -1, 300, 200, {300, 200}, {50, 20}},
      {"margins are added", {1, 2, 3, 4}, -1, -1, 300, 200, {296, 194}, {54, 26}},
      {"fixed width and height win", {5, 5, 5, 5}, 80, 30, 300, 200, {80, 30}, {90, 40}},
      {"margins fill the space", {10, 0, 10, 0}, -1, -1, 20, 200, {0, 0}, {0, 0}},
  };
  for (const Case& c : cases) {
    Box* box = attachBox();
    box->setRect(attr::margin(), c.margin);
    if (c.width != -1) box->setInt(attr::width(), c.width);
    if (c.height != -1) box->setInt(attr::height(), c.height);
    Size d = measure(*box, c.availW, c.availH);
    EXPECT_EQ(box->offered.width, c.offered.width) << c.what;
    EXPECT_EQ(box->offered.height, c.offered.height) << c.what;
    EXPECT_EQ(d.width, c.desired.width) << c.what;
    EXPECT_EQ(d.height, c.desired.height) << c.what;
    EXPECT_EQ(box->desiredSize().width, c.desired.width) << c.what;
    window.close();
  }
}

TEST_F(Layout, ArrangePlacesByAlignment) {
  const EnumWord absent = static_cast<EnumWord>(-1);
  struct Case {
    const char* what;
    EnumWord ha, va;
    Rect margin;
    int32_t desiredW, desiredH;
    Rect slot, expected;
  };
  const Case cases[] = {
      {"stretch by default", absent, absent, {}, 50, 20, {0, 0, 200, 100}, {0, 0, 200, 100}},
      {"center", EnumWord::Center, EnumWord::Center, {}, 50, 20, {0, 0, 200, 100}, {75, 40, 125, 60}},
      {"right and bottom", EnumWord::Right, EnumWord::Bottom, {}, 50, 20, {0, 0, 200, 100}, {150, 80, 200, 100}},
      {"left and top", EnumWord::Left, EnumWord::Top, {}, 50, 20, {10, 10, 200, 100}, {10, 10, 60, 30}},
      {"an unknown word acts as left", EnumWord::None, EnumWord::None, {}, 50, 20, {0, 0, 200, 100}, {0, 0, 50, 20}},
      {"margins inset the slot", EnumWord::Right, EnumWord::Top, {4, 3, 6, 0}, 60, 23, {0, 0, 200, 100}, {144, 3, 194, 23}},
      {"wider than the slot overflows right", EnumWord::Right, EnumWord::Top, {}, 300, 20, {0, 0, 200, 100}, {0, 0, 300, 20}},
      {"stretch keeps a larger desired size", absent, absent, {}, 300, 20, {0, 0, 200, 100}, {0, 0, 300, 100}},
      {"margin wider than the slot", absent, absent, {10, 10, 10, 10}, 50, 20, {0, 0, 15, 100}, {0, 0, 0, 0}},
      {"negative centre truncates toward zero", EnumWord::Center, EnumWord::Top, {}, 5, 5, {-10, 0, 2, 10}, {-6, 0, -1, 5}},
  };
  for (const Case& c : cases) {
    Box* box = attachBox();
    if (c.ha != absent) box->setEnum(attr::horizontalAlign(), c.ha);
    if (c.va != absent) box->setEnum(attr::verticalAlign(), c.va);
    box->setRect(attr::margin(), c.margin);
    box->setDesiredSize({c.desiredW, c.desiredH});
    arrange(*box, c.slot);
    EXPECT_EQ(box->rect(), c.expected) << c.what;
    window.close();
  }
}

TEST_F(Layout, FixedSizeReplacesTheArrangedSize) {
  Box* box = attachBox();
  box->setInt(attr::width(), 40);
  box->setDesiredSize({40, 20});
  arrange(*box, {0, 0, 200, 100});
  EXPECT_EQ(box->arranged.width, 40);
  EXPECT_EQ(box->arranged.height, 100);
  EXPECT_EQ(box->rect(), (Rect{80, 0, 120, 100})) << "stretch with a fixed width centres";
}

TEST_F(Layout, DetachedControlsMeasureNothingAndArrangeEmpty) {
  Box box;
  box.setDesiredSize({5, 5});
  box.setArrangedRect({1, 1, 2, 2});
  Size d = measure(box, 100, 100);
  EXPECT_EQ(d.width, 0);
  EXPECT_EQ(box.desiredSize().width, 5) << "unchanged";
  arrange(box, {0, 0, 100, 100});
  EXPECT_EQ(box.rect(), Rect{});
}

TEST_F(Layout, SmallTree) {
  auto column = std::make_unique<Column>();
  column->setRect(attr::margin(), {5, 5, 5, 5});
  auto* top = static_cast<Box*>(column->addChild(std::make_unique<Box>()));
  auto* bottom = static_cast<Box*>(column->addChild(std::make_unique<Box>()));
  bottom->content = {120, 30};
  bottom->setEnum(attr::horizontalAlign(), EnumWord::Center);
  bottom->setRect(attr::margin(), {0, 10, 0, 0});
  Control* root = window.open(std::move(column));

  Size d = measure(*root, 400, 300);
  EXPECT_EQ(d.width, 130);
  EXPECT_EQ(d.height, 20 + 40 + 10);
  arrange(*root, {0, 0, 400, 300});
  EXPECT_EQ(root->rect(), (Rect{5, 5, 395, 295}));
  EXPECT_EQ(top->rect(), (Rect{0, 0, 390, 20}));
  EXPECT_EQ(bottom->rect(), (Rect{135, 30, 255, 60}));
}

}  // namespace
}  // namespace toolkit
