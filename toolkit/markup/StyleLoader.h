// Reading a style document of the style pack into a style object. A style document
// has three levels: a root element, one element whose first attribute's value names
// the style's type (whatever the attribute is called), and one element under it that
// carries the style's attributes.
#pragma once

#include <memory>
#include <string>

#include "packs/Pack.h"
#include "toolkit/markup/Factories.h"
#include "toolkit/markup/FieldSetters.h"
#include "toolkit/markup/Style.h"

namespace markup {

using StyleFactories = duiFactory::Registry<toolkit::Style>;

// Registers the thirteen style classes under their type names.
void registerStyleClasses(StyleFactories& factories);

// The style of that pack member, or null when there is no such member or it is not
// well-formed. A type name without a class makes a plain Style; a document without
// the type or the attribute level makes a style without attributes, which draws
// nothing.
std::unique_ptr<toolkit::Style> loadStyle(const Pack& stylePack, const std::u16string& name,
                                          const StyleFactories& factories, const duiField::SetterRegistry& setters);

}  // namespace markup
