// StackPanel: the orientation words, what each child is offered, the desired size
// and the slots along and across the stacking axis.
#include <climits>

#include "PanelFixture.h"
#include "toolkit/markup/StackPanel.h"

namespace toolkit {
namespace {

using testing::Leaf;
using Stacks = testing::PanelTest<StackPanel>;

// Three children 20, 30 and 40 high with their margins (the middle one has 2 above
// and 2 below), in a 200 by 300 client area.
TEST_F(Stacks, OrientationDecidesTheAxis) {
  struct Case {
    const char16_t* orientation;  // null: absent
    Size offeredFirst;
    Size desired;
    Rect slots[3];
  };
  const Rect vertical[3] = {{0, 0, 200, 20}, {0, 22, 200, 48}, {0, 50, 200, 90}};
  const Case cases[] = {
      {nullptr, {200, kUnlimited}, {70, 90}, {vertical[0], vertical[1], vertical[2]}},
      {u"vertical", {200, kUnlimited}, {70, 90}, {vertical[0], vertical[1], vertical[2]}},
      {u"horizontal", {kUnlimited, 300}, {180, 40}, {{0, 0, 50, 300}, {50, 2, 110, 298}, {110, 0, 180, 300}}},
      {u"Horizontal", {200, kUnlimited}, {70, 90}, {vertical[0], vertical[1], vertical[2]}},
      {u"center", {200, kUnlimited}, {70, 90}, {vertical[0], vertical[1], vertical[2]}},
  };
  for (const Case& c : cases) {
    std::string what = c.orientation ? testing::narrow(c.orientation) : "absent";
    StackPanel* stack = fresh();
    if (c.orientation) testing::setWord(*stack, u"orientation", c.orientation);
    addLeaf(stack, {50, 20});
    addLeaf(stack, {60, 26}, {0, 2, 0, 2});
    addLeaf(stack, {70, 40});
    open(200, 300);
    EXPECT_EQ(leaves[0]->offered.width, c.offeredFirst.width) << what;
    EXPECT_EQ(leaves[0]->offered.height, c.offeredFirst.height) << what;
    EXPECT_EQ(stack->desiredSize().width, c.desired.width) << what;
    EXPECT_EQ(stack->desiredSize().height, c.desired.height) << what;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(leaves[i]->rect(), c.slots[i]) << what << " child " << i;
  }
}

TEST_F(Stacks, ChildrenPastTheEdgeKeepTheirFullSlots) {
  StackPanel* stack = fresh();
  stack->setInt(attr::height(), 50);
  Leaf* first = addLeaf(stack, {10, 40});
  Leaf* second = addLeaf(stack, {10, 40});
  second->setEnum(attr::horizontalAlign(), EnumWord::Left);
  open(100, 300);
  EXPECT_EQ(stack->desiredSize().height, 50) << "its own height";
  EXPECT_EQ(first->rect(), (Rect{0, 0, 100, 40}));
  EXPECT_EQ(second->rect(), (Rect{0, 40, 10, 80})) << "beyond the panel's 50";
}

TEST_F(Stacks, HugeChildrenSaturateInsteadOfOverflowing) {
  StackPanel* stack = fresh();
  testing::setWord(*stack, u"orientation", u"horizontal");
  for (int i = 0; i < 2; ++i) addLeaf(stack, {10, 10})->setInt(attr::width(), INT32_MAX - 100);
  open(100, 100);
  EXPECT_EQ(stack->desiredSize().width, INT32_MAX);
  EXPECT_EQ(leaves[1]->rect().left, INT32_MAX - 100);
  EXPECT_EQ(leaves[1]->rect().right, INT32_MAX);
}

}  // namespace
}  // namespace toolkit
