// Event routing over a three-level tree: order per routing, the handled flag,
// preview and main pairs, and handlers that change the tree while they run.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeWindow.h"
#include "toolkit/core/EventRouter.h"
#include "toolkit/core/Panel.h"

namespace toolkit {
namespace {

using testing::FakeWindow;

// Handler target that records "<name><n>" and can act when it runs.
struct Recorder {
  std::string name;
  std::vector<std::string>* log;
  Control* lastSender = nullptr;
  bool markHandled = false;
  std::function<void()> action;

  static void first(void* t, Control* sender, void* a) { static_cast<Recorder*>(t)->hit("1", sender, a); }
  static void second(void* t, Control* sender, void* a) { static_cast<Recorder*>(t)->hit("2", sender, a); }

  void hit(const char* n, Control* sender, void* a) {
    log->push_back(name + n);
    lastSender = sender;
    if (markHandled) static_cast<EventArgs*>(a)->handled = 1;
    if (action) action();
  }
};

class EventRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    auto root = std::make_unique<Panel>();
    auto mid = std::make_unique<Panel>();
    leaf = mid->addChild(std::make_unique<Control>());
    this->mid = static_cast<Panel*>(root->addChild(std::move(mid)));
    this->root = static_cast<Panel*>(window.open(std::move(root)));
  }

  // Two handlers per control for `code`, each recording its control's name.
  void listenAll(int32_t code) {
    const std::pair<Control*, Recorder*> all[] = {{root, &rootRec}, {mid, &midRec}, {leaf, &leafRec}};
    for (auto [c, r] : all) {
      c->addHandler(code, r, &Recorder::first);
      c->addHandler(code, r, &Recorder::second);
    }
  }

  uint32_t raise(Control& target, int32_t code, int32_t routing) {
    EventArgs args;
    args.code = code;
    args.routing = routing;
    raiseEvent(target, args);
    return args.handled;
  }

  std::vector<std::string> log;
  Recorder rootRec{"root", &log, nullptr, false, nullptr};
  Recorder midRec{"mid", &log, nullptr, false, nullptr};
  Recorder leafRec{"leaf", &log, nullptr, false, nullptr};
  FakeWindow window;
  Panel* root = nullptr;
  Panel* mid = nullptr;
  Control* leaf = nullptr;
};

TEST_F(EventRouting, OrderPerRouting) {
  struct Case {
    int32_t routing;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {Tunnel, {"root1", "root2", "mid1", "mid2", "leaf1", "leaf2"}},
      {Bubble, {"leaf1", "leaf2", "mid1", "mid2", "root1", "root2"}},
      {Direct, {"leaf1", "leaf2"}},
  };
  listenAll(KeyDown);
  for (const Case& c : cases) {
    log.clear();
    raise(*leaf, KeyDown, c.routing);
    EXPECT_EQ(log, c.order) << "routing " << c.routing;
  }
  EXPECT_EQ(rootRec.lastSender, leaf) << "ancestors see the control the event was raised on";
}

TEST_F(EventRouting, HandledStopsTheRouteWhereItIsSet) {
  struct Case {
    int32_t routing;
    Recorder* stopper;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {Tunnel, &rootRec, {"root1"}},
      {Tunnel, &midRec, {"root1", "root2", "mid1"}},
      {Bubble, &leafRec, {"leaf1"}},
      {Bubble, &midRec, {"leaf1", "leaf2", "mid1"}},
      {Direct, &leafRec, {"leaf1"}},
  };
  listenAll(MouseMove);
  for (const Case& c : cases) {
    log.clear();
    c.stopper->markHandled = true;
    EXPECT_NE(raise(*leaf, MouseMove, c.routing), 0u);
    c.stopper->markHandled = false;
    EXPECT_EQ(log, c.order) << "routing " << c.routing << " stopped by " << c.stopper->name;
  }
}

TEST_F(EventRouting, HandledPreviewSuppressesTheMainEvent) {
  listenAll(PreviewKeyDown);
  listenAll(KeyDown);
  EXPECT_FALSE(raisePreviewThenMain(*leaf, PreviewKeyDown, KeyDown, 65, 1));
  EXPECT_EQ(log.size(), 12u) << "the preview tunnels, then the main event bubbles";
  EXPECT_EQ(log.front(), "root1");
  EXPECT_EQ(log.back(), "root2");

  log.clear();
  midRec.markHandled = true;
  EXPECT_TRUE(raisePreviewThenMain(*leaf, PreviewKeyDown, KeyDown, 65, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"root1", "root2", "mid1"}));
}

TEST_F(EventRouting, EventParametersReachHandlers) {
  EventArgs seen;
  struct Capture {
    static void fn(void* t, Control*, void* a) { *static_cast<EventArgs*>(t) = *static_cast<EventArgs*>(a); }
  };
  leaf->addHandler(LButtonDown, &seen, &Capture::fn);
  EventArgs args{LButtonDown, Bubble, 0x1234, 0x00500060, 0};
  raiseEvent(*leaf, args);
  EXPECT_EQ(seen.code, LButtonDown);
  EXPECT_EQ(seen.wParam, 0x1234u);
  EXPECT_EQ(seen.lParam, 0x00500060);
}

TEST_F(EventRouting, HandlerRemovedDuringDispatchIsSkipped) {
  listenAll(KeyUp);
  leafRec.action = [&] { mid->removeHandler(KeyUp, &midRec, &Recorder::first); };
  raise(*leaf, KeyUp, Bubble);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1", "leaf2", "mid2", "root1", "root2"}));
}

TEST_F(EventRouting, HandlerAddedDuringDispatchRunsFromTheNextOneOn) {
  leaf->addHandler(KeyUp, &leafRec, &Recorder::first);
  bool added = false;
  leafRec.action = [&] {
    if (!added) added = root->addHandler(KeyUp, &rootRec, &Recorder::first);
  };
  raise(*leaf, KeyUp, Bubble);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1"}));
  log.clear();
  raise(*leaf, KeyUp, Bubble);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1", "root1"}));
}

// Once the target has left its window there is no sender to hand the remaining
// handlers, so the dispatch ends there.
TEST_F(EventRouting, HandlerDestroyingTheTargetEndsTheDispatch) {
  listenAll(PreviewLButtonDown);
  rootRec.action = [&] {
    rootRec.action = nullptr;
    std::unique_ptr<Control> gone = root->removeChild(mid);  // deletes mid and leaf
  };
  raise(*leaf, PreviewLButtonDown, Tunnel);
  EXPECT_EQ(log, (std::vector<std::string>{"root1"}));
  EXPECT_EQ(root->childCount(), 0);
}

TEST_F(EventRouting, HandlerClosingTheWholeWindowEndsTheDispatch) {
  listenAll(KeyDown);
  midRec.action = [&] {
    midRec.action = nullptr;
    window.close();  // detaches and deletes the whole tree, handlers and all
  };
  raise(*leaf, KeyDown, Bubble);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1", "leaf2", "mid1"}));
}

TEST_F(EventRouting, HandlerDestroyingASiblingDoesNotCallIntoIt) {
  // The sibling listens on its parent, which lies on the leaf's route, and takes
  // its registration back when it is destroyed, as composite controls do.
  struct Sibling : Control {
    explicit Sibling(Control* watched) : watched(watched) { watched->addHandler(KeyDown, this, &onKey); }
    ~Sibling() override { watched->removeHandler(KeyDown, this, &onKey); }
    static void onKey(void* t, Control*, void*) { ADD_FAILURE() << "called " << static_cast<Sibling*>(t); }
    Control* watched;
  };
  leaf->addHandler(KeyDown, &leafRec, &Recorder::first);
  Control* sibling = mid->addChild(std::make_unique<Sibling>(mid));
  root->addHandler(KeyDown, &rootRec, &Recorder::first);
  leafRec.action = [&] { mid->removeChild(sibling); };
  raise(*leaf, KeyDown, Bubble);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1", "root1"}));
  EXPECT_EQ(mid->childCount(), 1);
}

TEST_F(EventRouting, RemovingAndAddingAgainRegistersOnce) {
  leaf->addHandler(KeyPress, &leafRec, &Recorder::first);
  leaf->removeHandler(KeyPress, &leafRec, &Recorder::first);
  leaf->removeHandler(KeyPress, &leafRec, &Recorder::first);  // nothing left: no effect
  leaf->addHandler(KeyPress, &leafRec, &Recorder::first);
  raise(*leaf, KeyPress, Direct);
  EXPECT_EQ(log, (std::vector<std::string>{"leaf1"}));
}

TEST_F(EventRouting, MoreThanSixteenHandlersOnARouteAllRunInOrder) {
  std::vector<Recorder> recs;
  recs.reserve(30);
  for (int i = 0; i < 30; ++i) recs.push_back(Recorder{std::to_string(i), &log, nullptr, false, nullptr});
  for (int i = 0; i < 30; ++i) (i < 15 ? leaf : static_cast<Control*>(root))->addHandler(MouseWheel, &recs[i], &Recorder::first);
  raise(*leaf, MouseWheel, Bubble);
  ASSERT_EQ(log.size(), 30u);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(log[i], std::to_string(i) + "1");
}

TEST_F(EventRouting, DetachedControlsReceiveNothing) {
  listenAll(Click);
  std::unique_ptr<Control> out = root->removeChild(mid);
  raise(*leaf, Click, Direct);
  raise(*out, Click, Bubble);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace toolkit
