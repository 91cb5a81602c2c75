// A hash set of control addresses.
#include "toolkit/core/LiveControls.h"

#include <unordered_set>

namespace toolkit::liveControls {
namespace {

std::unordered_set<const Control*>& registry() {
  static std::unordered_set<const Control*> set;
  return set;
}

}  // namespace

void add(Control* control) { registry().insert(control); }
void remove(Control* control) { registry().erase(control); }
bool contains(const Control* control) { return registry().count(control) != 0; }

}  // namespace toolkit::liveControls
