// Setters of attribute values and the registry of every attribute name.
#include "toolkit/markup/FieldSetters.h"

#include "toolkit/markup/ValueSyntax.h"

namespace duiField {

void IntSetter::set(toolkit::Object& target, std::u16string_view value) const {
  target.setInt(key(), valueSyntax::integer(value));
}

void ColorSetter::set(toolkit::Object& target, std::u16string_view value) const {
  target.setInt(key(), int32_t(valueSyntax::colour(value)));
}

void RectSetter::set(toolkit::Object& target, std::u16string_view value) const {
  valueSyntax::Rect r = valueSyntax::rect(value);
  target.setRect(key(), toolkit::Rect{r.left, r.top, r.right, r.bottom});
}

void SizeSetter::set(toolkit::Object& target, std::u16string_view value) const {
  valueSyntax::Size s = valueSyntax::size(value);
  target.setSize(key(), toolkit::Size{s.width, s.height});
}

void EnumSetter::set(toolkit::Object& target, std::u16string_view value) const {
  target.setEnum(key(), toolkit::enumWordAt(valueSyntax::enumWord(value)));
}

void TextSetter::set(toolkit::Object& target, std::u16string_view value) const {
  target.setText(key(), std::u16string(value));
}

template <typename Setter>
void SetterRegistry::add(const char16_t* name) {
  setters_[name] = std::make_unique<Setter>(toolkit::intern(name));
}

SetterRegistry::SetterRegistry() {
  for (const char16_t* name : {u"id", u"x", u"y", u"width", u"height", u"downOffset", u"iconGap", u"itemHeight",
                               u"tabHeight", u"tabOffset", u"textspace", u"texteditable", u"multiline",
                               u"disabledAlpha", u"rows", u"columns"})
    add<IntSetter>(name);
  for (const char16_t* name : {u"textColor", u"color"}) add<ColorSetter>(name);
  for (const char16_t* name : {u"margin", u"padding", u"scaleGrid", u"thumbScaleGrid", u"progressbkScaleGrid",
                               u"progressScaleGrid", u"progressmargin"})
    add<RectSetter>(name);
  for (const char16_t* name : {u"initSize", u"roundCorner", u"textpadding"}) add<SizeSetter>(name);
  for (const char16_t* name : {u"horizontalAlign", u"verticalAlign", u"dock", u"orientation", u"textPlacement",
                               u"tabPlacement", u"textAlign"})
    add<EnumSetter>(name);
  for (const char16_t* name :
       {u"style", u"text", u"font", u"tooltip", u"icon", u"offIcon", u"offText", u"src", u"img", u"url",
        u"imagelist", u"grayTip", u"progressbkimg", u"progressimg", u"dropBtn", u"upSkin", u"overSkin",
        u"downSkin", u"disabledSkin", u"checkedUpSkin", u"checkedOverSkin", u"checkedDownSkin",
        u"checkedDisabledSkin", u"upIcon", u"overIcon", u"downIcon", u"disabledIcon", u"checkedUpIcon",
        u"checkedOverIcon", u"checkedDownIcon", u"checkedDisabledIcon", u"cloUpSkin", u"cloOverSkin",
        u"cloDownSkin", u"barSkin", u"trackSkin", u"thumbUpSkin", u"thumbOverSkin", u"thumbDownSkin",
        u"thumbUpIcon", u"thumbOverIcon", u"thumbDownIcon", u"upArrowUpSkin", u"upArrowOverSkin",
        u"upArrowDownSkin", u"upArrowDisabledSkin", u"downArrowUpSkin", u"downArrowOverSkin",
        u"downArrowDownSkin", u"downArrowDisabledSkin"})
    add<TextSetter>(name);
}

const ISetter* SetterRegistry::find(std::u16string_view name) const {
  auto found = setters_.find(name);
  return found == setters_.end() ? nullptr : found->second.get();
}

}  // namespace duiField
