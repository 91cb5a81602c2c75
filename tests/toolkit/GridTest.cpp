// Grid: one cell. The largest child decides the desired size and every child is
// arranged into the whole panel, placed there by its own alignment and margins.
#include <vector>

#include "PanelFixture.h"
#include "toolkit/markup/Grid.h"

namespace toolkit {
namespace {

using Grids = testing::PanelTest<Grid>;

struct Child {
  Size content;
  Rect margin;
  EnumWord horizontal, vertical;
  Rect expected;
};

TEST_F(Grids, ChildrenShareOneCell) {
  const EnumWord stretch = EnumWord::Stretch;
  struct Case {
    const char* what;
    std::vector<Child> children;
    Size desired;
  };
  const Case cases[] = {
      {"stretched children fill the panel",
       {{{100, 20}, {}, stretch, stretch, {0, 0, 300, 200}}, {{50, 80}, {}, stretch, stretch, {0, 0, 300, 200}}},
       {100, 80}},
      {"aligned children sit in the same cell",
       {{{100, 20}, {}, EnumWord::Left, EnumWord::Top, {0, 0, 100, 20}},
        {{50, 80}, {}, EnumWord::Center, EnumWord::Bottom, {125, 120, 175, 200}}},
       {100, 80}},
      {"margins count in the desired size",
       {{{100, 20}, {10, 20, 30, 40}, EnumWord::Right, EnumWord::Top, {170, 20, 270, 40}}},
       {140, 80}},
  };
  for (const Case& c : cases) {
    Grid* grid = fresh();
    for (const Child& child : c.children) {
      testing::Leaf* leaf = addLeaf(grid, child.content, child.margin);
      leaf->setEnum(attr::horizontalAlign(), child.horizontal);
      leaf->setEnum(attr::verticalAlign(), child.vertical);
    }
    open(300, 200);
    EXPECT_EQ(grid->desiredSize().width, c.desired.width) << c.what;
    EXPECT_EQ(grid->desiredSize().height, c.desired.height) << c.what;
    for (size_t i = 0; i < c.children.size(); ++i) {
      EXPECT_EQ(leaves[i]->offered.width, 300 - c.children[i].margin.left - c.children[i].margin.right) << c.what;
      EXPECT_EQ(leaves[i]->rect(), c.children[i].expected) << c.what << " child " << i;
    }
  }
}

TEST_F(Grids, RowsAndColumnsAreNotRead) {
  Grid* grid = fresh();
  grid->setText(intern(u"rows"), u"*,*");
  grid->setText(intern(u"columns"), u"100,*");
  testing::Leaf* first = addLeaf(grid, {10, 10});
  testing::Leaf* second = addLeaf(grid, {10, 10});
  open(300, 200);
  EXPECT_EQ(first->rect(), (Rect{0, 0, 300, 200}));
  EXPECT_EQ(second->rect(), (Rect{0, 0, 300, 200}));
}

}  // namespace
}  // namespace toolkit
