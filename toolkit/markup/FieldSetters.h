// The attribute setters of layout and style documents: one per registered attribute
// name, each turning the attribute's text into a value of its kind and storing it in
// the target's attribute list under the setter's interned name. The registry also
// fills styles, so a control and a style read the same keys.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "toolkit/core/Object.h"

namespace duiField {

class ISetter {
 public:
  explicit ISetter(toolkit::AttrKey key) : key_(key) {}
  virtual ~ISetter() = default;
  virtual void set(toolkit::Object& target, std::u16string_view value) const = 0;
  toolkit::AttrKey key() const { return key_; }

 private:
  toolkit::AttrKey key_;
};

// A decimal integer ("%d").
class IntSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// "#" and six hexadecimal digits, stored as a Windows colour value.
class ColorSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// Four integers "%d,%d,%d,%d": left, top, right, bottom.
class RectSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// Two integers "%d,%d": width, height.
class SizeSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// One of the thirteen enumeration words; any other text stores "no word".
class EnumSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// Any text, as written.
class TextSetter : public ISetter {
 public:
  using ISetter::ISetter;
  void set(toolkit::Object& target, std::u16string_view value) const override;
};

// The registry: every attribute name the markup knows, with its setter.
class SetterRegistry {
 public:
  SetterRegistry();
  // The setter for an exact (case-sensitive) name, or null.
  const ISetter* find(std::u16string_view name) const;
  size_t size() const { return setters_.size(); }

 private:
  template <typename Setter>
  void add(const char16_t* name);

  std::map<std::u16string, std::unique_ptr<ISetter>, std::less<>> setters_;
};

}  // namespace duiField
