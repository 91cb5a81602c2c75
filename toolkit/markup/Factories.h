// The factories that markup names create objects through: an element name of a
// layout document makes a control, a type name of a style document makes a style.
// A factory has no state; the registry owns its factories and looks names up
// exactly (case-sensitively).
#pragma once

#include <map>
#include <memory>
#include <string>

namespace duiFactory {

template <typename Base>
class Creator {
 public:
  virtual ~Creator() = default;
  virtual std::unique_ptr<Base> create() const = 0;
};

template <typename Base, typename Class>
class Creator_ : public Creator<Base> {
 public:
  std::unique_ptr<Base> create() const override { return std::make_unique<Class>(); }
};

template <typename Base>
class Registry {
 public:
  // Registers (or replaces) the class made for a name.
  template <typename Class>
  void add(const char16_t* name) {
    creators_[name] = std::make_unique<Creator_<Base, Class>>();
  }

  // A new object for the name, or null when no class is registered under it.
  std::unique_ptr<Base> create(std::u16string_view name) const {
    auto found = creators_.find(name);
    return found == creators_.end() ? nullptr : found->second->create();
  }

  bool knows(std::u16string_view name) const { return creators_.find(name) != creators_.end(); }

 private:
  std::map<std::u16string, std::unique_ptr<Creator<Base>>, std::less<>> creators_;
};

}  // namespace duiFactory
