// A stand-in for the native window in tests of the control tree: it records what
// the tree asks of its window and attaches roots the way the window does.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "toolkit/core/Control.h"
#include "toolkit/core/Tree.h"
#include "toolkit/core/WindowHost.h"

namespace toolkit::testing {

class FakeWindow : public WindowHost {
 public:
  ~FakeWindow() { close(); }

  // Takes the tree and attaches it, as a window does when it is created.
  Control* open(std::unique_ptr<Control> root) {
    root_ = std::move(root);
    setRootWindow(*root_, this);
    attach(*root_, *root_);
    return root_.get();
  }
  // Detaches and deletes the tree, as a window does when it is destroyed.
  void close() {
    if (!root_) return;
    detach(*root_);
    root_.reset();
  }

  void mapId(int32_t id, Control* control) override { ids[id] = control; }
  void forget(Control* control) override { forgotten.push_back(control); }
  Rect clientRect() const override { return client; }
  Point cursorPos() const override { return cursor; }
  void addDirty(const Rect& rect) override { dirty.push_back(rect); }
  void requestRepaint(bool synchronous) override { repaints.push_back(synchronous); }

  std::map<int32_t, Control*> ids;
  std::vector<Control*> forgotten;
  std::vector<Rect> dirty;
  std::vector<bool> repaints;
  Rect client{0, 0, 200, 100};
  Point cursor;

 private:
  std::unique_ptr<Control> root_;
};

}  // namespace toolkit::testing
