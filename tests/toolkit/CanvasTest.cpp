// Canvas: unlimited measuring, no desired size of its own, and positions from "x"
// and "y", negative ones counted from the right and bottom edges.
#include <climits>

#include "PanelFixture.h"
#include "toolkit/markup/Canvas.h"
#include "toolkit/markup/StackPanel.h"

namespace toolkit {
namespace {

using testing::Leaf;
using Canvases = testing::PanelTest<Canvas>;
constexpr int32_t kAbsent = INT32_MIN;

TEST_F(Canvases, PlacesChildrenByXAndY) {
  struct Case {
    const char* what;
    int32_t x, y;
    Rect margin;
    Rect expected;
  };
  const Case cases[] = {
      {"absent x and y are 0", kAbsent, kAbsent, {}, {0, 0, 50, 20}},
      {"positive", 10, 20, {}, {10, 20, 60, 40}},
      {"negative x from the right edge", -30, kAbsent, {}, {370, 0, 420, 20}},
      {"negative y from the bottom edge", 5, -50, {}, {5, 250, 55, 270}},
      {"margins are inside the slot", -30, 7, {5, 1, 5, 1}, {375, 8, 425, 28}},
      {"far coordinates saturate", INT32_MAX - 10, 0, {}, {INT32_MAX - 10, 0, INT32_MAX, 20}},
  };
  for (const Case& c : cases) {
    Canvas* canvas = fresh();
    Leaf* leaf = addLeaf(canvas, {50, 20}, c.margin);
    if (c.x != kAbsent) leaf->setInt(intern(u"x"), c.x);
    if (c.y != kAbsent) leaf->setInt(intern(u"y"), c.y);
    open(400, 300);
    EXPECT_EQ(leaf->rect(), c.expected) << c.what;
  }
}

TEST_F(Canvases, MeasuresChildrenWithoutLimitAndAsksForNothing) {
  Canvas* canvas = fresh();
  Leaf* leaf = addLeaf(canvas, {500, 600}, {1, 2, 3, 4});
  canvas->setInt(attr::width(), 120);
  Size desired = measure(*window.open(std::move(pending)), 400, 300);
  EXPECT_EQ(leaf->offered.width, kUnlimited - 4);
  EXPECT_EQ(leaf->offered.height, kUnlimited - 6);
  EXPECT_EQ(desired.width, 120) << "its own width";
  EXPECT_EQ(desired.height, 0) << "not the child's height";
}

using CanvasInStack = testing::PanelTest<StackPanel>;

TEST_F(CanvasInStack, CanvasWithoutSizeTakesNoHeight) {
  StackPanel* stack = fresh();
  Leaf* above = addLeaf(stack, {10, 20});
  auto* canvas = static_cast<Canvas*>(stack->addChild(std::make_unique<Canvas>()));
  Leaf* inside = addLeaf(canvas, {30, 30});
  Leaf* below = addLeaf(stack, {10, 30});
  open(200, 100);
  EXPECT_EQ(canvas->desiredSize().height, 0);
  EXPECT_TRUE(canvas->rect().isEmpty());
  EXPECT_EQ(above->rect(), (Rect{0, 0, 200, 20}));
  EXPECT_EQ(below->rect(), (Rect{0, 20, 200, 50})) << "follows directly";
  EXPECT_EQ(inside->desiredSize().height, 30) << "the canvas still measured its child";
}

}  // namespace
}  // namespace toolkit
