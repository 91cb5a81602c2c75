// ScrollPanel and ScrollBar: when the vertical bar appears and how wide it is, the
// content's width and height against the visible area, the content rectangle, the
// position kept across layouts, and the bar's clamping and part geometry.
#include <map>
#include <string>
#include <utility>

#include "PanelFixture.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/core/Painter.h"
#include "toolkit/markup/ScrollPanel.h"
#include "toolkit/markup/SkinMetrics.h"

namespace toolkit {
namespace {

using testing::Leaf;

// Picture sizes by style and skin name, installed for the life of the object.
struct FakeMetrics : SkinMetrics {
  FakeMetrics() { install(this); }
  ~FakeMetrics() { install(nullptr); }
  bool skinSize(std::u16string_view style, AttrKey skin, Size* out) override {
    auto it = sizes.find({std::u16string(style), skin});
    if (it == sizes.end()) return false;
    *out = it->second;
    return true;
  }
  std::map<std::pair<std::u16string, AttrKey>, Size> sizes;
};

class ScrollPanels : public testing::PanelTest<ScrollPanel> {
 protected:
  // A 300 by 200 panel around content of the given height.
  ScrollPanel* openAround(int32_t contentHeight) {
    content = addLeaf(fresh(), {40, contentHeight});
    return open(300, 200);
  }
  Leaf* content = nullptr;
};

TEST_F(ScrollPanels, BarAppearsOnlyForTallerContent) {
  struct Case {
    const char* what;
    int32_t contentHeight;
    int32_t barSkinWidth;  // 0: no "vscrollbar.xml" style
    bool bar;
    Rect contentRect, barRect;
  };
  const Case cases[] = {
      {"shorter content grows to the visible area", 150, 0, false, {0, 0, 300, 200}, {}},
      {"content exactly as tall needs no bar", 200, 0, false, {0, 0, 300, 200}, {}},
      {"one pixel more needs one, 17 wide without a style", 201, 0, true, {0, 0, 283, 201}, {283, 0, 300, 200}},
      {"300 high in 200", 300, 0, true, {0, 0, 283, 300}, {283, 0, 300, 200}},
      {"the bar picture's width", 300, 24, true, {0, 0, 276, 300}, {276, 0, 300, 200}},
  };
  for (const Case& c : cases) {
    FakeMetrics metrics;
    if (c.barSkinWidth) metrics.sizes[{u"vscrollbar.xml", intern(u"barSkin")}] = {c.barSkinWidth, 9};
    ScrollPanel* panel = openAround(c.contentHeight);
    EXPECT_EQ(panel->verticalBarNeeded(), c.bar) << c.what;
    EXPECT_FALSE(panel->horizontalBarNeeded()) << c.what;
    EXPECT_EQ(panel->horizontalBar(), nullptr) << c.what;
    EXPECT_EQ(panel->contentRect(), c.contentRect) << c.what;
    EXPECT_EQ(content->rect(), c.contentRect) << c.what;
    EXPECT_EQ(panel->childCount(), c.bar ? 2 : 1) << c.what;
    ScrollBar* bar = panel->verticalBar();
    ASSERT_EQ(bar != nullptr, c.bar) << c.what;
    if (!bar) continue;
    EXPECT_EQ(panel->lastChild(), bar) << c.what << ": added after the content";
    EXPECT_EQ(bar->rect(), c.barRect) << c.what;
    EXPECT_EQ(content->offered.width, c.barRect.left) << c.what << ": measured again beside the bar";
    EXPECT_EQ(content->offered.height, kUnlimited) << c.what;
    EXPECT_EQ(bar->total(), c.contentHeight) << c.what;
    EXPECT_EQ(bar->page(), 200) << c.what;
    EXPECT_TRUE(bar->has(Enabled)) << c.what;
  }
}

TEST_F(ScrollPanels, MeasuresAsAPlainControl) {
  content = addLeaf(fresh(), {40, 300});
  Size desired = measure(*window.open(std::move(pending)), 300, 200);
  EXPECT_EQ(desired.width, 0);
  EXPECT_EQ(desired.height, 0);
  EXPECT_EQ(content->offered.width, -1) << "the content is not asked";
}

TEST_F(ScrollPanels, BarSizesComeFromTheirStyles) {
  ScrollPanel* panel = openAround(10);
  EXPECT_EQ(panel->verticalBarWidth(), 17);
  EXPECT_EQ(panel->horizontalBarHeight(), 17);
  FakeMetrics metrics;
  metrics.sizes[{u"vscrollbar.xml", intern(u"barSkin")}] = {21, 5};
  metrics.sizes[{u"hscrollbar.xml", intern(u"barSkin")}] = {6, 15};
  EXPECT_EQ(panel->verticalBarWidth(), 21);
  EXPECT_EQ(panel->horizontalBarHeight(), 15);
}

TEST_F(ScrollPanels, ScrollingMovesTheContentFromItsRectangle) {
  ScrollPanel* panel = openAround(300);
  window.repaints.clear();
  panel->verticalBar()->setPosition(60);
  EXPECT_EQ(content->rect(), (Rect{0, -60, 283, 240}));
  EXPECT_EQ(panel->contentRect(), (Rect{0, 0, 283, 300})) << "kept from the arrange";
  EXPECT_FALSE(window.repaints.empty()) << "the panel asked to be repainted";
}

TEST_F(ScrollPanels, PositionSurvivesRelayoutAndIsClampedToTheNewContent) {
  struct Step {
    int32_t contentHeight;
    int32_t position;  // of the new bar, -1: no bar
    int32_t contentTop;
  };
  const Step steps[] = {{300, 60, -60}, {300, 60, -60}, {250, 50, -50}, {100, -1, 0}, {300, 0, 0}};
  ScrollPanel* panel = openAround(300);
  panel->verticalBar()->setPosition(60);
  for (const Step& s : steps) {
    content->content.height = s.contentHeight;
    layout(*panel, 300, 200);
    ScrollBar* bar = panel->verticalBar();
    EXPECT_EQ(bar ? bar->position() : -1, s.position) << "content " << s.contentHeight;
    EXPECT_EQ(content->rect().top, s.contentTop) << "content " << s.contentHeight;
    EXPECT_EQ(panel->childCount(), bar ? 2 : 1) << "the old bar is gone";
  }
}

TEST_F(ScrollPanels, SetPositionClampsToTheScrollableRange) {
  const std::pair<int32_t, int32_t> cases[] = {{-5, 0}, {50, 50}, {100, 100}, {150, 100}, {INT32_MAX, 100}};
  ScrollPanel* panel = openAround(300);
  ScrollBar* bar = panel->verticalBar();
  for (auto [proposed, expected] : cases) {
    bar->setPosition(proposed);
    EXPECT_EQ(bar->position(), expected) << proposed;
    EXPECT_EQ(content->rect().top, -expected) << proposed;
  }
}

TEST_F(ScrollPanels, NothingToScrollDisablesTheBarAndResetsIt) {
  ScrollPanel* panel = openAround(300);
  ScrollBar* bar = panel->verticalBar();
  bar->setPosition(80);
  bar->setRange(150, 200);
  bar->setPosition(40);
  EXPECT_FALSE(bar->has(Enabled));
  EXPECT_EQ(bar->position(), 0);
  EXPECT_EQ(content->rect().top, 0);
}

// A subclass that counts the bars it makes and uses wider ones.
struct CountingPanel : ScrollPanel {
  int made = 0;
  std::unique_ptr<ScrollBar> createScrollBar() override {
    ++made;
    return ScrollPanel::createScrollBar();
  }
  int32_t verticalBarWidth() override { return 30; }
};

using ScrollPanelSubclass = testing::PanelTest<CountingPanel>;

TEST_F(ScrollPanelSubclass, EveryArrangeMakesTheBarThroughTheVirtualOperations) {
  Leaf* inner = addLeaf(fresh(), {40, 300});
  CountingPanel* panel = open(300, 200);
  layout(*panel, 300, 200);
  EXPECT_EQ(panel->made, 2);
  EXPECT_EQ(panel->verticalBar()->rect(), (Rect{270, 0, 300, 200}));
  EXPECT_EQ(inner->rect(), (Rect{0, 0, 270, 300}));
}

TEST_F(ScrollPanels, WithoutContentThereIsNothingToScroll) {
  ScrollPanel* panel = fresh();
  open(300, 200);
  EXPECT_EQ(panel->rect(), (Rect{0, 0, 300, 200}));
  EXPECT_FALSE(panel->verticalBarNeeded());
  EXPECT_EQ(panel->childCount(), 0);
  EXPECT_TRUE(panel->contentRect().isEmpty());
}

TEST(ScrollBarAlone, ADetachedBarIgnoresPositions) {
  ScrollBar bar;
  bar.setRange(300, 200);
  bar.setPosition(50);
  EXPECT_EQ(bar.position(), 0);
  EXPECT_TRUE(bar.has(Enabled)) << "unchanged";
}

class ScrollBars : public testing::PanelTest<ScrollPanel> {
 protected:
  // A bar 17 by 200 in a panel around 300 high content, scrolled to `position`.
  ScrollBar* barAt(int32_t total, int32_t position) {
    addLeaf(fresh(), {40, 300});
    ScrollBar* bar = open(300, 200)->verticalBar();
    bar->setRange(total, 200);
    bar->setPosition(position);
    return bar;
  }
};

TEST_F(ScrollBars, ArrowsAndThumbFollowTheStylePictures) {
  struct Case {
    const char* what;
    bool pictures;
    int32_t total, position;
    Rect up, down, thumb;
  };
  // With pictures: a track from 16 to 184 (168 long); 200 of 300 visible gives a
  // thumb of 200 * 168 / 300 + 1 = 113 that travels 55 over positions 0 to 100.
  const Case cases[] = {
      {"top", true, 300, 0, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 16, 17, 129}},
      {"middle", true, 300, 50, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 43, 17, 156}},
      {"bottom", true, 300, 100, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 71, 17, 184}},
      {"a long content keeps a 20 pixel thumb", true, 10000, 9800, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 164, 17, 184}},
      {"without pictures the track is the whole bar", false, 400, 200, {8, 0, 8, 0}, {8, 200, 8, 200}, {0, 99, 17, 200}},
      {"nothing to scroll", true, 150, 0, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 16, 17, 241}},
      {"no content at all", true, 0, 0, {1, 0, 16, 16}, {2, 184, 15, 200}, {0, 16, 17, 36}},
  };
  for (const Case& c : cases) {
    FakeMetrics metrics;
    if (c.pictures) {
      metrics.sizes[{u"vscrollbar.xml", intern(u"upArrowUpSkin")}] = {15, 16};
      metrics.sizes[{u"vscrollbar.xml", intern(u"downArrowUpSkin")}] = {13, 16};
    }
    ScrollBar* bar = barAt(c.total, c.position);
    EXPECT_EQ(bar->upArrowRect(), c.up) << c.what;
    EXPECT_EQ(bar->downArrowRect(), c.down) << c.what;
    EXPECT_EQ(bar->thumbRect(), c.thumb) << c.what;
  }
}

TEST_F(ScrollBars, ItsOwnStyleAttributeChoosesThePicturesAndTheLook) {
  FakeMetrics metrics;
  metrics.sizes[{u"thin.xml", intern(u"upArrowUpSkin")}] = {9, 10};
  ScrollBar* bar = barAt(300, 0);
  bar->setText(attr::style(), u"thin.xml");
  arrange(*bar, {283, 0, 300, 200});
  EXPECT_EQ(bar->upArrowRect(), (Rect{4, 0, 13, 10}));

  struct Recorder : Painter, StyleDrawer {
    std::u16string drawn;
    void save() override {}
    void restore() override {}
    void clipTo(const Rect&) override {}
    void* nativeContext() override { return nullptr; }
    void drawStyle(const std::u16string& name, Painter&, const Rect&, Control&) override { drawn += name + u";"; }
  } recorder;
  Control::setStyleDrawer(&recorder);
  bar->paint(recorder, bar->rect(), bar->rect());
  ScrollBar plain;
  plain.paint(recorder, {0, 0, 17, 100}, {0, 0, 17, 100});
  Control::setStyleDrawer(nullptr);
  EXPECT_EQ(testing::narrow(recorder.drawn), "thin.xml;vscrollbar.xml;");
}

}  // namespace
}  // namespace toolkit
