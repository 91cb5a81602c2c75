// Interned attribute names and the markup's enumeration words. Attribute lists
// compare keys by identity, so every name that stores or reads an attribute goes
// through intern() once and the resulting pointer is the key from then on. The
// attribute-setter registry of the markup loader interns its names here too, so
// that the markup and the toolkit's readers meet on the same pointers.
#pragma once

#include <cstdint>
#include <string_view>

namespace toolkit {

using AttrKey = const char16_t*;

// The single stable copy of a name; equal texts give the same pointer. UI thread.
AttrKey intern(std::u16string_view name);

// The attribute names the toolkit reads, each interned once on first use.
namespace attr {
// Read by every control.
AttrKey id();
AttrKey style();
AttrKey margin();
AttrKey width();
AttrKey height();
AttrKey horizontalAlign();
AttrKey verticalAlign();

// Read by the styles: captions and their placement, pictures and scale grids.
AttrKey text();
AttrKey font();
AttrKey textColor();
AttrKey downOffset();
AttrKey iconGap();
AttrKey textPlacement();
AttrKey icon();
AttrKey offIcon();
AttrKey offText();
AttrKey src();
AttrKey img();
AttrKey dropBtn();
AttrKey scaleGrid();
AttrKey thumbScaleGrid();
AttrKey upSkin();
AttrKey overSkin();
AttrKey downSkin();
AttrKey disabledSkin();
AttrKey checkedUpSkin();
AttrKey checkedOverSkin();
AttrKey checkedDownSkin();
AttrKey checkedDisabledSkin();
AttrKey upIcon();
AttrKey overIcon();
AttrKey downIcon();
AttrKey disabledIcon();
AttrKey checkedUpIcon();
AttrKey checkedOverIcon();
AttrKey checkedDownIcon();
AttrKey checkedDisabledIcon();
AttrKey barSkin();
AttrKey trackSkin();
AttrKey thumbUpSkin();
AttrKey thumbOverSkin();
AttrKey thumbDownSkin();
AttrKey thumbUpIcon();
AttrKey thumbOverIcon();
AttrKey thumbDownIcon();
AttrKey upArrowUpSkin();
AttrKey upArrowOverSkin();
AttrKey upArrowDownSkin();
AttrKey upArrowDisabledSkin();
AttrKey downArrowUpSkin();
AttrKey downArrowOverSkin();
AttrKey downArrowDownSkin();
AttrKey downArrowDisabledSkin();
}  // namespace attr

// An enumeration attribute holds one of these numbers in the integer list, or 0
// (None) when the markup gave another word. A number rather than the word's address
// is stored because an address does not fit the 32-bit value on 64-bit builds; it
// is still compared by identity, never by text. The words are those of the markup
// value syntax (valueSyntax::kEnumWords), in its order.
enum class EnumWord : int32_t {
  None = 0,
  Left, Right, Top, Bottom, Center, Stretch, Horizontal, Vertical, True, False, Auto, Always, Never,
};
constexpr int kEnumWordCount = 13;

// The number to store for the word at `index` of the value syntax's word list, as
// valueSyntax::enumWord() reports it (-1 for a text that is no word).
constexpr EnumWord enumWordAt(int index) {
  return index < 0 || index >= kEnumWordCount ? EnumWord::None : static_cast<EnumWord>(index + 1);
}

}  // namespace toolkit
