// DockPanel: the dock words, what each child is offered, the panel's desired size,
// the bands taken from each edge in child order and the last child's fill.
#include <vector>

#include "PanelFixture.h"
#include "toolkit/markup/DockPanel.h"

namespace toolkit {
namespace {

using Docks = testing::PanelTest<DockPanel>;

struct Child {
  const char16_t* dock;  // null: absent
  Size content;
  Size offered;  // -1, -1: never measured
  Rect slot;
};

struct Case {
  const char* what;
  std::vector<Child> children;
  Size desired;
};

// Every case lays out a 300 by 200 client area.
TEST_F(Docks, DocksInChildOrderAndTheLastFills) {
  const Case cases[] = {
      {"top, left, then the rest",
       {{u"top", {50, 20}, {300, 200}, {0, 0, 300, 20}},
        {u"left", {30, 40}, {300, 180}, {0, 20, 30, 200}},
        {nullptr, {10, 10}, {270, 180}, {30, 20, 300, 200}}},
       {50, 60}},
      {"an only child fills whatever its dock",
       {{u"right", {40, 40}, {300, 200}, {0, 0, 300, 200}}},
       {40, 40}},
      {"an unknown word docks at the bottom and adds nothing",
       {{u"center", {50, 20}, {300, 200}, {0, 180, 300, 200}},
        {nullptr, {10, 10}, {300, 200}, {0, 0, 300, 180}}},
       {10, 10}},
      {"right and bottom take the far edges",
       {{u"right", {30, 50}, {300, 200}, {270, 0, 300, 200}},
        {u"bottom", {60, 25}, {270, 200}, {0, 175, 270, 200}},
        {u"left", {10, 10}, {270, 175}, {0, 0, 270, 175}}},
       {90, 50}},
      {"a band past the free area stays beside the earlier ones",
       {{u"left", {250, 10}, {300, 200}, {0, 0, 250, 200}},
        {u"right", {100, 10}, {50, 200}, {250, 0, 350, 200}},
        {u"top", {10, 10}, {-1, -1}, {}}},
       {350, 10}},
      {"capitalised words are unknown words",
       {{u"Left", {40, 30}, {300, 200}, {0, 170, 300, 200}},
        {u"top", {10, 10}, {300, 200}, {0, 0, 300, 170}}},
       {10, 10}},
  };
  for (const Case& c : cases) {
    DockPanel* dock = fresh();
    for (const Child& child : c.children) {
      testing::Leaf* leaf = addLeaf(dock, child.content);
      if (child.dock) testing::setWord(*leaf, u"dock", child.dock);
    }
    open(300, 200);
    EXPECT_EQ(dock->desiredSize().width, c.desired.width) << c.what;
    EXPECT_EQ(dock->desiredSize().height, c.desired.height) << c.what;
    for (size_t i = 0; i < c.children.size(); ++i) {
      EXPECT_EQ(leaves[i]->offered.width, c.children[i].offered.width) << c.what << " child " << i;
      EXPECT_EQ(leaves[i]->offered.height, c.children[i].offered.height) << c.what << " child " << i;
      EXPECT_EQ(leaves[i]->rect(), c.children[i].slot) << c.what << " child " << i;
    }
  }
}

TEST_F(Docks, AlignmentAndMarginsApplyWithinTheBand) {
  DockPanel* dock = fresh();
  testing::Leaf* top = addLeaf(dock, {50, 20}, {4, 3, 4, 3});
  testing::setWord(*top, u"dock", u"top");
  top->setEnum(attr::horizontalAlign(), EnumWord::Center);
  testing::Leaf* fill = addLeaf(dock, {10, 10});
  fill->setEnum(attr::verticalAlign(), EnumWord::Bottom);
  open(300, 200);
  EXPECT_EQ(top->rect(), (Rect{125, 3, 175, 23})) << "centred in a band 26 high";
  EXPECT_EQ(fill->rect(), (Rect{0, 190, 300, 200})) << "at the bottom of the rest";
}

}  // namespace
}  // namespace toolkit
