// Shared pieces of the panel tests: a leaf control of a chosen content size that
// records what the layout offered it, enumeration words set the way the markup
// loader sets them, and a fixture that opens a panel as a window's root and lays
// it out like the window does.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Panel.h"
#include "toolkit/markup/ValueSyntax.h"

namespace toolkit::testing {

struct Leaf : Control {
  Size content;
  Size offered{-1, -1};  // -1: never measured
  Size measureOverride(int32_t w, int32_t h) override {
    offered = {w, h};
    return content;
  }
};

// Stores the markup word as the loader does: a word outside the set becomes None.
inline void setWord(Object& object, std::u16string_view name, std::u16string_view word) {
  object.setEnum(intern(name), enumWordAt(valueSyntax::enumWord(word)));
}

inline std::string narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

template <typename PanelType>
class PanelTest : public ::testing::Test {
 protected:
  // Makes a fresh panel (closing the previous window) and returns it unattached, so
  // that children and attributes can be added before open().
  PanelType* fresh() {
    window.close();
    leaves.clear();
    pending = std::make_unique<PanelType>();
    return pending.get();
  }
  Leaf* addLeaf(Panel* parent, Size content, Rect margin = {}) {
    auto leaf = std::make_unique<Leaf>();
    leaf->content = content;
    leaf->setRect(attr::margin(), margin);
    leaves.push_back(leaf.get());
    return static_cast<Leaf*>(parent->addChild(std::move(leaf)));
  }
  // Attaches the panel and runs one layout pass over a client area of w by h.
  PanelType* open(int32_t w, int32_t h) {
    auto* panel = static_cast<PanelType*>(window.open(std::move(pending)));
    layout(*panel, w, h);
    return panel;
  }
  static Size layout(Control& root, int32_t w, int32_t h) {
    Size desired = measure(root, w, h);
    arrange(root, {0, 0, w, h});
    return desired;
  }

  FakeWindow window;
  std::unique_ptr<PanelType> pending;
  std::vector<Leaf*> leaves;
};

}  // namespace toolkit::testing
