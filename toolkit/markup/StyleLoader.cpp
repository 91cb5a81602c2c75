// Style documents into style objects.
#include "toolkit/markup/StyleLoader.h"

#include "base/MallocBuffer.h"
#include "toolkit/markup/MarkupLoader.h"
#include "toolkit/markup/StyleClasses.h"
#include "toolkit/markup/XmlDocument.h"

namespace markup {

void registerStyleClasses(StyleFactories& factories) {
  using namespace toolkit;
  factories.add<Style>(u"Style");
  factories.add<Style_Background>(u"Background");
  factories.add<Style_Button>(u"Button");
  factories.add<Style_ButtonEx>(u"ButtonEx");
  factories.add<Style_CheckButton>(u"CheckButton");
  factories.add<Style_CheckButtonEx>(u"CheckButtonEx");
  factories.add<Style_ComboBox>(u"ComboBox");
  factories.add<Style_Edit>(u"Edit");
  factories.add<Style_IconButton>(u"IconButton");
  factories.add<Style_ScrollBar>(u"ScrollBar");
  factories.add<Style_Slider>(u"Slider");
  factories.add<Style_ToggleButton>(u"ToggleButton");
  factories.add<Style_ToggleIconButton>(u"ToggleIconButton");
}

std::unique_ptr<toolkit::Style> loadStyle(const Pack& stylePack, const std::u16string& name,
                                          const StyleFactories& factories, const duiField::SetterRegistry& setters) {
  size_t length = 0;
  MallocBuffer bytes(stylePack.read(name, &length));
  if (!bytes) return nullptr;
  auto document = XmlDocument::parse(bytes.get(), length, std::wstring(name.begin(), name.end()));
  if (!document) return nullptr;
  const XmlDocument::Node* type = document->root()->first_node();
  const auto* typeName = type ? type->first_attribute() : nullptr;
  std::unique_ptr<toolkit::Style> style;
  if (typeName)
    style = factories.create(std::u16string_view(reinterpret_cast<const char16_t*>(typeName->value()),
                                                 typeName->value_size()));
  if (!style) style = std::make_unique<toolkit::Style>();
  if (const XmlDocument::Node* attributes = type ? type->first_node() : nullptr)
    applyAttributes(*style, *attributes, setters);
  return style;
}

}  // namespace markup
