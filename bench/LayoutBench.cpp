// How long one layout pass of a window-sized tree takes: about 60 controls in
// nested panels (a dock panel with a tool strip, a status strip and a side list
// around a grid that holds a canvas and a scroll panel with a 20-row list),
// measured and arranged into 600 by 400 as a window does on a resize.
#include <benchmark/benchmark.h>

#include <memory>

#include "toolkit/controls/ScrollBar.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Tree.h"
#include "toolkit/core/WindowHost.h"
#include "toolkit/markup/Canvas.h"
#include "toolkit/markup/DockPanel.h"
#include "toolkit/markup/Grid.h"
#include "toolkit/markup/ScrollPanel.h"
#include "toolkit/markup/StackPanel.h"

namespace toolkit {
namespace {

struct NullWindow : WindowHost {
  void mapId(int32_t, Control*) override {}
  void forget(Control*) override {}
  Rect clientRect() const override { return {0, 0, 600, 400}; }
  Point cursorPos() const override { return {}; }
  void addDirty(const Rect&) override {}
  void requestRepaint(bool) override {}
};

template <typename T>
T* add(Panel& parent) {
  return static_cast<T*>(parent.addChild(std::make_unique<T>()));
}

// A leaf of a fixed size with a small margin, like a button or a label.
void addLeaves(Panel& parent, int count, int32_t width, int32_t height) {
  for (int i = 0; i < count; ++i) {
    Control* leaf = add<Control>(parent);
    leaf->setInt(attr::width(), width);
    leaf->setInt(attr::height(), height);
    leaf->setRect(attr::margin(), {2, 2, 2, 2});
  }
}

StackPanel* addStack(Panel& parent, EnumWord dock, bool horizontal) {
  auto* stack = add<StackPanel>(parent);
  stack->setEnum(intern(u"dock"), dock);
  if (horizontal) stack->setEnum(intern(u"orientation"), EnumWord::Horizontal);
  return stack;
}

class WindowTree {
 public:
  WindowTree() : root_(std::make_unique<Grid>()) {
    auto* dock = add<DockPanel>(*root_);
    addLeaves(*addStack(*dock, EnumWord::Top, true), 8, 60, 24);
    addLeaves(*addStack(*dock, EnumWord::Bottom, true), 4, 100, 20);
    addLeaves(*addStack(*dock, EnumWord::Left, false), 10, 120, 26);
    auto* body = add<Grid>(*dock);
    auto* canvas = add<Canvas>(*body);
    for (int i = 0; i < 8; ++i) {
      Control* leaf = add<Control>(*canvas);
      leaf->setInt(attr::width(), 40);
      leaf->setInt(attr::height(), 20);
      leaf->setInt(intern(u"x"), i % 2 ? -50 * i : 50 * i);
      leaf->setInt(intern(u"y"), i % 3 ? 30 * i : -30 * i);
    }
    scroll_ = add<ScrollPanel>(*body);
    scroll_->setRect(attr::margin(), {20, 60, 20, 10});
    addLeaves(*add<StackPanel>(*scroll_), 20, 200, 20);
    setRootWindow(*root_, &window_);
    attach(*root_, *root_);
  }
  ~WindowTree() { detach(*root_); }
  Control& root() { return *root_; }
  bool scrolls() const { return scroll_->verticalBar() != nullptr; }

 private:
  NullWindow window_;
  std::unique_ptr<Grid> root_;
  ScrollPanel* scroll_;
};

void BM_LayoutWindowOf60Controls(benchmark::State& state) {
  WindowTree tree;
  for (auto _ : state) {
    benchmark::DoNotOptimize(measure(tree.root(), 600, 400));
    arrange(tree.root(), {0, 0, 600, 400});
  }
  if (!tree.scrolls()) state.SkipWithError("the list did not get its scroll bar");
}

BENCHMARK(BM_LayoutWindowOf60Controls);

}  // namespace
}  // namespace toolkit

BENCHMARK_MAIN();
