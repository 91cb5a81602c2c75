// Layout documents into control trees.
#include "toolkit/markup/MarkupLoader.h"

#include "base/MallocBuffer.h"
#include "toolkit/core/Panel.h"

namespace markup {
namespace {

std::u16string_view nameOf(const XmlDocument::Node& node) {
  return {reinterpret_cast<const char16_t*>(node.name()), node.name_size()};
}

// The state bit that an attribute outside the registry sets, or 0.
uint32_t stateBitNamed(std::u16string_view name) {
  if (name == u"visible") return toolkit::Visible;
  if (name == u"enabled") return toolkit::Enabled;
  if (name == u"transparent") return toolkit::HitTransparent;
  return 0;
}

void addChildren(toolkit::Panel& panel, const XmlDocument::Node& element, const ControlFactories& factories,
                 const duiField::SetterRegistry& setters) {
  for (auto* child = element.first_node(); child; child = child->next_sibling()) {
    if (child->type() != rapidxml::node_element) continue;  // text builds nothing
    if (auto control = build(*child, factories, setters)) panel.addChild(std::move(control));
  }
}

}  // namespace

void applyAttributes(toolkit::Object& target, const XmlDocument::Node& element,
                     const duiField::SetterRegistry& setters) {
  for (auto* a = element.first_attribute(); a; a = a->next_attribute()) {
    std::u16string_view name(reinterpret_cast<const char16_t*>(a->name()), a->name_size());
    std::u16string_view value(reinterpret_cast<const char16_t*>(a->value()), a->value_size());
    if (const duiField::ISetter* setter = setters.find(name)) {
      setter->set(target, value);
    } else if (uint32_t bit = stateBitNamed(name)) {
      if (auto* control = dynamic_cast<toolkit::Control*>(&target)) control->setState(bit, value == u"1");
    }
  }
}

std::unique_ptr<toolkit::Control> build(const XmlDocument::Node& element, const ControlFactories& factories,
                                        const duiField::SetterRegistry& setters) {
  std::unique_ptr<toolkit::Control> control = factories.create(nameOf(element));
  if (!control) return nullptr;
  applyAttributes(*control, element, setters);
  // Only panels hold children; a tab item takes its first child as content when
  // tab items join the vocabulary.
  if (toolkit::Panel* panel = control->asPanel()) addChildren(*panel, element, factories, setters);
  return control;
}

std::unique_ptr<toolkit::Control> loadLayout(const Pack& markupPack, const std::u16string& name,
                                             const ControlFactories& factories,
                                             const duiField::SetterRegistry& setters) {
  size_t length = 0;
  MallocBuffer bytes(markupPack.read(name, &length));
  if (!bytes) return nullptr;
  auto document = XmlDocument::parse(bytes.get(), length, std::wstring(name.begin(), name.end()));
  return document ? build(*document->root(), factories, setters) : nullptr;
}

}  // namespace markup
