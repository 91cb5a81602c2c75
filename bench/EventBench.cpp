// How fast an event travels: a control 10 levels deep (the leaf of a chain of nine
// panels under the root), one handler per level, raised with tunnelling, with
// bubbling, and as the preview and main pair the window raises for input.
#include <benchmark/benchmark.h>

#include <memory>

#include "toolkit/core/EventRouter.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/Tree.h"
#include "toolkit/core/WindowHost.h"

namespace toolkit {
namespace {

struct NullWindow : WindowHost {
  void mapId(int32_t, Control*) override {}
  void forget(Control*) override {}
  Rect clientRect() const override { return {}; }
  Point cursorPos() const override { return {}; }
  void addDirty(const Rect&) override {}
  void requestRepaint(bool) override {}
};

void count(void* target, Control*, void*) { ++*static_cast<int64_t*>(target); }

class DeepTree {
 public:
  static constexpr int kLevels = 10;
  DeepTree() : root_(std::make_unique<Panel>()) {
    Panel* parent = root_.get();
    for (int level = 1; level < kLevels - 1; ++level)
      parent = static_cast<Panel*>(parent->addChild(std::make_unique<Panel>()));
    leaf_ = parent->addChild(std::make_unique<Control>());
    for (Control* c = leaf_; c; c = c->parent())
      for (int code : {PreviewKeyDown, KeyDown}) c->addHandler(code, &calls, &count);
    setRootWindow(*root_, &window_);
    attach(*root_, *root_);
  }
  ~DeepTree() { detach(*root_); }
  Control& leaf() { return *leaf_; }
  int64_t calls = 0;

 private:
  NullWindow window_;
  std::unique_ptr<Panel> root_;
  Control* leaf_;
};

void raiseThrough10Levels(benchmark::State& state, int32_t code, int32_t routing) {
  DeepTree tree;
  for (auto _ : state) {
    EventArgs args{code, routing, 0, 0, 0};
    raiseEvent(tree.leaf(), args);
    benchmark::DoNotOptimize(args.handled);
  }
  if (tree.calls != state.iterations() * DeepTree::kLevels) state.SkipWithError("a handler was missed");
}

void BM_TunnelThrough10Levels(benchmark::State& state) { raiseThrough10Levels(state, PreviewKeyDown, Tunnel); }
void BM_BubbleThrough10Levels(benchmark::State& state) { raiseThrough10Levels(state, KeyDown, Bubble); }

void BM_PreviewAndMainThrough10Levels(benchmark::State& state) {
  DeepTree tree;
  for (auto _ : state) benchmark::DoNotOptimize(raisePreviewThenMain(tree.leaf(), PreviewKeyDown, KeyDown, 0, 0));
  if (tree.calls != state.iterations() * 2 * DeepTree::kLevels) state.SkipWithError("a handler was missed");
}

BENCHMARK(BM_TunnelThrough10Levels);
BENCHMARK(BM_BubbleThrough10Levels);
BENCHMARK(BM_PreviewAndMainThrough10Levels);

}  // namespace
}  // namespace toolkit

BENCHMARK_MAIN();
