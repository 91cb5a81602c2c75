// The fonts that styles and windows name ("Default" among them), built from the
// style pack's "font.xml": one entry per child of its root element, each a variation
// of the system's default GUI font. The table owns its font handles.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

class FontTable {
 public:
  FontTable() = default;
  FontTable(const FontTable&) = delete;
  FontTable& operator=(const FontTable&) = delete;
  ~FontTable() { clear(); }

  // Adds the entries of a font document; a later entry replaces an earlier one of
  // the same name. A document that does not parse adds nothing.
  void build(const uint8_t* utf8, size_t length);

  // The named font, or null (text is then drawn in the context's current font).
  HFONT font(const std::wstring& name) const;

  void clear();

 private:
  std::map<std::wstring, HFONT> fonts_;
};
