// Building control trees from layout documents: each element whose name has a
// factory becomes a control of that class, its attributes are given to the setters
// in document order, and its child elements become its children. Elements without a
// factory are left out with everything inside them, and so are children of controls
// that are not panels.
#pragma once

#include <memory>
#include <string>

#include "packs/Pack.h"
#include "toolkit/core/Control.h"
#include "toolkit/markup/Factories.h"
#include "toolkit/markup/FieldSetters.h"
#include "toolkit/markup/XmlDocument.h"

namespace markup {

using ControlFactories = duiFactory::Registry<toolkit::Control>;

// Gives every attribute of the element to the target: registered names through
// their setters; "visible", "enabled" and "transparent" set their state bit on a
// control exactly when the value is "1"; other names are ignored.
void applyAttributes(toolkit::Object& target, const XmlDocument::Node& element,
                     const duiField::SetterRegistry& setters);

// The tree of the element, or null when its name has no factory.
std::unique_ptr<toolkit::Control> build(const XmlDocument::Node& element, const ControlFactories& factories,
                                        const duiField::SetterRegistry& setters);

// The tree of a layout document of the markup pack, or null when the document is
// missing, empty, not well-formed, or its root element has no factory.
std::unique_ptr<toolkit::Control> loadLayout(const Pack& markupPack, const std::u16string& name,
                                             const ControlFactories& factories,
                                             const duiField::SetterRegistry& setters);

}  // namespace markup
