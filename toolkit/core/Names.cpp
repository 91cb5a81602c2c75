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

// Each name is interned on first use and kept in a function-local constant.
#define TOOLKIT_ATTR(name)                        \
  AttrKey name() {                                \
    static const AttrKey key = intern(u"" #name); \
    return key;                                   \
  }

namespace attr {
TOOLKIT_ATTR(id)
TOOLKIT_ATTR(style)
TOOLKIT_ATTR(margin)
TOOLKIT_ATTR(width)
TOOLKIT_ATTR(height)
TOOLKIT_ATTR(horizontalAlign)
TOOLKIT_ATTR(verticalAlign)

TOOLKIT_ATTR(text)
TOOLKIT_ATTR(font)
TOOLKIT_ATTR(textColor)
TOOLKIT_ATTR(downOffset)
TOOLKIT_ATTR(iconGap)
TOOLKIT_ATTR(textPlacement)
TOOLKIT_ATTR(icon)
TOOLKIT_ATTR(offIcon)
TOOLKIT_ATTR(offText)
TOOLKIT_ATTR(src)
TOOLKIT_ATTR(img)
TOOLKIT_ATTR(dropBtn)
TOOLKIT_ATTR(scaleGrid)
TOOLKIT_ATTR(thumbScaleGrid)
TOOLKIT_ATTR(upSkin)
TOOLKIT_ATTR(overSkin)
TOOLKIT_ATTR(downSkin)
TOOLKIT_ATTR(disabledSkin)
TOOLKIT_ATTR(checkedUpSkin)
TOOLKIT_ATTR(checkedOverSkin)
TOOLKIT_ATTR(checkedDownSkin)
TOOLKIT_ATTR(checkedDisabledSkin)
TOOLKIT_ATTR(upIcon)
TOOLKIT_ATTR(overIcon)
TOOLKIT_ATTR(downIcon)
TOOLKIT_ATTR(disabledIcon)
TOOLKIT_ATTR(checkedUpIcon)
TOOLKIT_ATTR(checkedOverIcon)
TOOLKIT_ATTR(checkedDownIcon)
TOOLKIT_ATTR(checkedDisabledIcon)
TOOLKIT_ATTR(barSkin)
TOOLKIT_ATTR(trackSkin)
TOOLKIT_ATTR(thumbUpSkin)
TOOLKIT_ATTR(thumbOverSkin)
TOOLKIT_ATTR(thumbDownSkin)
TOOLKIT_ATTR(thumbUpIcon)
TOOLKIT_ATTR(thumbOverIcon)
TOOLKIT_ATTR(thumbDownIcon)
TOOLKIT_ATTR(upArrowUpSkin)
TOOLKIT_ATTR(upArrowOverSkin)
TOOLKIT_ATTR(upArrowDownSkin)
TOOLKIT_ATTR(upArrowDisabledSkin)
TOOLKIT_ATTR(downArrowUpSkin)
TOOLKIT_ATTR(downArrowOverSkin)
TOOLKIT_ATTR(downArrowDownSkin)
TOOLKIT_ATTR(downArrowDisabledSkin)
}  // namespace attr

#undef TOOLKIT_ATTR

}  // namespace toolkit
