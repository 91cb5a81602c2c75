// The control tree: attaching and detaching, hit testing, coordinates, repaint
// requests and paint order, against a window double.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "toolkit/core/Coordinates.h"
#include "toolkit/core/EventArgs.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Painter.h"
#include "toolkit/core/Panel.h"

namespace toolkit {
namespace {

using testing::FakeWindow;

template <typename T = Control>
T* add(Panel* parent, Rect r, int32_t id = 0) {
  auto c = std::make_unique<T>();
  c->setArrangedRect(r);
  if (id) c->setInt(attr::id(), id);
  return static_cast<T*>(parent->addChild(std::move(c)));
}

std::unique_ptr<Panel> panelAt(Rect r) {
  auto p = std::make_unique<Panel>();
  p->setArrangedRect(r);
  return p;
}

struct EventLog {
  std::vector<std::pair<Control*, int32_t>> entries;
  static void record(void* t, Control* sender, void* a) {
    static_cast<EventLog*>(t)->entries.push_back({sender, static_cast<EventArgs*>(a)->code});
  }
  void listen(Control* c) {
    c->addHandler(Attached, this, &record);
    c->addHandler(Detached, this, &record);
  }
};

TEST(Tree, AttachBindsTheSubtreeParentsFirst) {
  EventLog log;  // outlives the window, which detaches its tree when it goes
  FakeWindow window;
  auto root = panelAt({0, 0, 100, 100});
  Panel* inner = add<Panel>(root.get(), {}, 7);
  Control* leaf = add(inner, {}, 8);
  for (Control* c : {static_cast<Control*>(root.get()), static_cast<Control*>(inner), leaf}) log.listen(c);
  Control* r = window.open(std::move(root));

  EXPECT_EQ(log.entries, (std::vector<std::pair<Control*, int32_t>>{{r, Attached}, {inner, Attached}, {leaf, Attached}}));
  EXPECT_EQ(window.ids, (std::map<int32_t, Control*>{{7, inner}, {8, leaf}}));
  for (Control* c : {r, static_cast<Control*>(inner), leaf}) {
    EXPECT_TRUE(liveControls::contains(c));
    EXPECT_EQ(c->window(), &window);
  }
}

TEST(Tree, DetachUnbindsChildrenFirstAndTheWindowForgetsEach) {
  EventLog log;  // outlives the window, which detaches its tree when it goes
  FakeWindow window;
  Panel* root = static_cast<Panel*>(window.open(panelAt({0, 0, 100, 100})));
  Panel* inner = add<Panel>(root, {}, 7);
  Control* leaf = add(inner, {});
  log.listen(inner);
  log.listen(leaf);

  std::unique_ptr<Control> out = root->removeChild(inner);
  EXPECT_EQ(log.entries, (std::vector<std::pair<Control*, int32_t>>{{leaf, Detached}, {inner, Detached}}));
  EXPECT_EQ(window.forgotten, (std::vector<Control*>{leaf, inner}));
  EXPECT_FALSE(liveControls::contains(inner));
  EXPECT_FALSE(liveControls::contains(leaf));
  EXPECT_EQ(leaf->window(), nullptr);
  EXPECT_EQ(out->parent(), nullptr);
  EXPECT_EQ(root->childCount(), 0);
  EXPECT_EQ(root->firstChild(), nullptr);
  EXPECT_EQ(window.ids[7], inner) << "the id stays in the window's table";
}

TEST(Tree, LinksStayConsistentWhenRemovingFromAnyPosition) {
  for (int removed = 0; removed < 3; ++removed) {
    Panel p;
    Control* c[3] = {add(&p, {}), add(&p, {}), add(&p, {})};
    std::unique_ptr<Control> out = p.removeChild(c[removed]);
    std::vector<Control*> forward, backward;
    for (Control* x = p.firstChild(); x; x = x->nextSibling()) forward.push_back(x);
    for (Control* x = p.lastChild(); x; x = x->previousSibling()) backward.insert(backward.begin(), x);
    std::vector<Control*> expected;
    for (int i = 0; i < 3; ++i)
      if (i != removed) expected.push_back(c[i]);
    EXPECT_EQ(forward, expected) << removed;
    EXPECT_EQ(backward, expected) << removed;
    EXPECT_EQ(p.childCount(), 2);
    EXPECT_EQ(p.removeChild(out.get()), nullptr) << "not a child any more";
  }
}

TEST(Tree, LaterControlWithTheSameIdReplacesTheEarlier) {
  FakeWindow window;
  Panel* root = static_cast<Panel*>(window.open(panelAt({})));
  add(root, {}, 5);
  Control* second = add(root, {}, 5);
  EXPECT_EQ(window.ids[5], second);
}

TEST(Tree, TypeNames) {
  Control c;
  Panel p;
  EXPECT_EQ(std::u16string(c.typeName()), u"Control");
  EXPECT_EQ(std::u16string(p.typeName()), u"Panel");
  EXPECT_TRUE(p.has(HasChildren));
  EXPECT_TRUE(c.has(Enabled | Visible));
  EXPECT_FALSE(c.has(HasChildren));
}

// root (0,0)-(100,100) > a (10,10)-(60,60) > l (5,5)-(25,25) in a's coordinates;
// b (40,40)-(90,90) is a later sibling of a and overlaps it.
class HitTest : public ::testing::Test {
 protected:
  HitTest() : root(panelAt({0, 0, 100, 100})) {
    a = add<Panel>(root.get(), {10, 10, 60, 60});
    l = add(a, {5, 5, 25, 25});
    b = add(root.get(), {40, 40, 90, 90});
  }
  std::unique_ptr<Panel> root;
  Panel* a;
  Control* l;
  Control* b;
};

TEST_F(HitTest, FlagsAndStackingDecideTheControl) {
  enum Who { None, Root, A, L, B };
  Control* const named[] = {nullptr, root.get(), a, l, b};
  struct Case {
    const char* what;
    Who flagged;
    uint32_t clear, set;
    int32_t x, y;
    Who expected;
  };
  const Case cases[] = {
      {"leaf", None, 0, 0, 20, 20, L},
      {"leaf's left-top edge is inside", None, 0, 0, 15, 15, L},
      {"leaf's right edge is outside", None, 0, 0, 35, 20, A},
      {"overlap goes to the later sibling", None, 0, 0, 45, 45, B},
      {"transparent leaf lets the point through", L, 0, HitTransparent, 20, 20, A},
      {"invisible leaf", L, Visible, 0, 20, 20, A},
      {"disabled leaf is still hit", L, Enabled, 0, 20, 20, L},
      {"transparent overlapping sibling", B, 0, HitTransparent, 45, 45, A},
      {"outside everything", None, 0, 0, 100, 50, None},
  };
  for (const Case& c : cases) {
    Control* flagged = named[c.flagged];
    uint32_t saved = flagged ? flagged->state() : 0;
    if (flagged) {
      flagged->setState(c.clear, false);
      flagged->setState(c.set, true);
    }
    EXPECT_EQ(root->hitTest(c.x, c.y), named[c.expected]) << c.what;
    if (flagged) flagged->setState(~0u, false), flagged->setState(saved, true);
  }
}

TEST_F(HitTest, TransparentOrInvisiblePanelHidesItsSubtree) {
  for (uint32_t flag : {HitTransparent, Visible}) {
    a->setState(flag, flag == HitTransparent);
    EXPECT_EQ(root->hitTest(20, 20), root.get()) << flag;
    a->setState(Visible, true);
    a->setState(HitTransparent, false);
  }
  EXPECT_EQ(root->hitTest(20, 20), l);
}

TEST(Coordinates, WindowRectAddsAncestorsBelowTheRoot) {
  FakeWindow window;
  Panel* root = static_cast<Panel*>(window.open(panelAt({3, 3, 203, 103})));
  Panel* a = add<Panel>(root, {10, 20, 110, 90});
  Control* l = add(a, {5, 6, 25, 26});
  Rect r;
  ASSERT_TRUE(windowRect(*l, &r));
  EXPECT_EQ(r, (Rect{15, 26, 35, 46}));
  ASSERT_TRUE(windowRect(*root, &r));
  EXPECT_EQ(r, (Rect{3, 3, 203, 103}));

  window.cursor = {40, 30};
  Point p;
  ASSERT_TRUE(cursorPos(*l, &p));
  EXPECT_EQ(p.x, 25);
  EXPECT_EQ(p.y, 4);

  std::unique_ptr<Control> out = a->removeChild(l);
  EXPECT_FALSE(windowRect(*out, &r));
  EXPECT_FALSE(cursorPos(*out, &p));
}

TEST(Coordinates, InvalidateClipsToTheClientAreaAndSendsOrPosts) {
  FakeWindow window;
  window.client = {0, 0, 100, 50};
  Panel* root = static_cast<Panel*>(window.open(panelAt({0, 0, 100, 50})));
  Control* partly = add(root, {80, 40, 120, 70});
  Control* outside = add(root, {100, 0, 150, 10});

  invalidate(*partly, true);
  invalidate(*partly, false);
  invalidate(*outside, true);
  EXPECT_EQ(window.dirty, (std::vector<Rect>{{80, 40, 100, 50}, {80, 40, 100, 50}}));
  EXPECT_EQ(window.repaints, (std::vector<bool>{true, false}));

  std::unique_ptr<Control> out = root->removeChild(partly);
  invalidate(*out, true);
  EXPECT_EQ(window.repaints.size(), 2u) << "a detached control asks for nothing";
}

// Records the painter calls and the styles drawn.
struct RecordingPainter : Painter, StyleDrawer {
  std::vector<std::string> calls;
  void save() override { calls.push_back("save"); }
  void restore() override { calls.push_back("restore"); }
  void clipTo(const Rect& r) override { calls.push_back("clip " + str(r)); }
  void* nativeContext() override { return nullptr; }
  void drawStyle(const std::u16string& name, Painter&, const Rect& r, Control&) override {
    calls.push_back("draw " + std::string(name.begin(), name.end()) + " " + str(r));
  }
  static std::string str(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
  }
};

TEST(Paint, PanelDrawsItselfThenVisibleChildrenClippedInOrder) {
  RecordingPainter painter;
  Control::setStyleDrawer(&painter);
  auto root = panelAt({0, 0, 100, 100});
  root->setText(attr::style(), u"bg");
  Control* first = add(root.get(), {10, 10, 50, 50});
  first->setText(attr::style(), u"one");
  Control* hidden = add(root.get(), {0, 0, 100, 100});
  hidden->setText(attr::style(), u"hidden");
  hidden->setState(Visible, false);
  add(root.get(), {90, 90, 100, 100})->setText(attr::style(), u"clipped away");
  add(root.get(), {30, 0, 70, 20});  // no style: nothing drawn, but clipped

  root->paint(painter, {5, 5, 105, 105}, {0, 0, 60, 60});
  Control::setStyleDrawer(nullptr);
  EXPECT_EQ(painter.calls, (std::vector<std::string>{
                               "draw bg 5,5,105,105",
                               "save", "clip 15,15,55,55", "draw one 15,15,55,55", "restore",
                               "save", "clip 35,5,60,25", "restore",
                           }));
}

}  // namespace
}  // namespace toolkit
