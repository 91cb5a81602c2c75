// The Control base: handler lists, destruction, and the default virtual operations.
#include "toolkit/core/Control.h"

#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Panel.h"

namespace toolkit {
namespace {

Control::ForgetHook g_scriptForget = nullptr;
StyleDrawer* g_styleDrawer = nullptr;

}  // namespace

Control::Control() = default;

Control::~Control() {
  // A dispatch under way may still hold references to these delegates.
  for (auto& [code, list] : handlers_)
    for (DelegateRef& d : list) d->disarm();
  if (has(ScriptBound)) {
    if (g_scriptForget) g_scriptForget(this);
    setState(ScriptBound, false);
  }
  // A control is normally detached before it is deleted; one that is not must still
  // not be found by a posted event afterwards.
  liveControls::remove(this);
}

void Control::setScriptForgetHook(ForgetHook hook) { g_scriptForget = hook; }
void Control::setStyleDrawer(StyleDrawer* drawer) { g_styleDrawer = drawer; }

void Control::paint(Painter& painter, const Rect& rect, const Rect&) {
  const std::u16string* style = getText(attr::style());
  if (style) paintStyle(*style, painter, rect);
}

void Control::paintStyle(const std::u16string& styleName, Painter& painter, const Rect& rect) {
  if (g_styleDrawer) g_styleDrawer->drawStyle(styleName, painter, rect, *this);
}

Control* Control::hitTest(int32_t x, int32_t y) {
  if (!has(Visible) || has(HitTransparent) || !rect_.contains(x, y)) return nullptr;
  return this;
}

const char16_t* Control::typeName() const { return u"Control"; }

Size Control::measureOverride(int32_t, int32_t) { return {0, 0}; }

Size Control::arrangeOverride(int32_t width, int32_t height) { return {width, height}; }

Panel* Control::asPanel() { return has(HasChildren) ? static_cast<Panel*>(this) : nullptr; }

bool Control::addHandler(int32_t code, void* target, HandlerFn fn) {
  DelegateRef d = DelegatePool::make(target, fn);
  if (!d) return false;
  handlers_[code].push_back(std::move(d));
  return true;
}

void Control::removeHandler(int32_t code, void* target, HandlerFn fn) {
  auto it = handlers_.find(code);
  if (it != handlers_.end()) disarmFirst(it->second, target, fn);
}

const std::vector<DelegateRef>* Control::handlers(int32_t code) const {
  auto it = handlers_.find(code);
  return it == handlers_.end() ? nullptr : &it->second;
}

}  // namespace toolkit
