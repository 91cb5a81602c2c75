// The intern table: a set whose nodes never move, so their strings stay put.
#include "toolkit/core/Names.h"

#include <set>
#include <string>

namespace toolkit {
namespace {

using NameSet = std::set<std::u16string, std::less<>>;

NameSet& names() {
  static NameSet set;
  return set;
}

}  // namespace

AttrKey intern(std::u16string_view name) {
  NameSet& set = names();
  auto it = set.find(name);
  if (it == set.end()) it = set.emplace(name).first;
  return it->c_str();
}

namespace attr {
AttrKey id() { static AttrKey k = intern(u"id"); return k; }
AttrKey style() { static AttrKey k = intern(u"style"); return k; }
AttrKey margin() { static AttrKey k = intern(u"margin"); return k; }
AttrKey width() { static AttrKey k = intern(u"width"); return k; }
AttrKey height() { static AttrKey k = intern(u"height"); return k; }
AttrKey horizontalAlign() { static AttrKey k = intern(u"horizontalAlign"); return k; }
AttrKey verticalAlign() { static AttrKey k = intern(u"verticalAlign"); return k; }
}  // namespace attr

}  // namespace toolkit
