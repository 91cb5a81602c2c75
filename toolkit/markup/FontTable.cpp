// Creating the fonts of "font.xml".
#include "toolkit/markup/FontTable.h"

#include <cwchar>

#include "toolkit/markup/XmlDocument.h"

namespace {

// The logical font of one entry and its name; the name stays empty when the entry
// has none, or when its face name does not fit a logical font (rather than
// silently using a shortened face).
LOGFONTW describe(const XmlDocument::Node* entry, std::wstring& name) {
  bool faceFits = true;
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  for (auto* a = entry->first_attribute(); a; a = a->next_attribute()) {
    std::wstring key(a->name(), a->name_size());
    const wchar_t* value = a->value();
    if (key == L"name") {
      name = value;
    } else if (key == L"face") {
      faceFits = std::wcslen(value) < LF_FACESIZE;
      if (faceFits) std::wcscpy(font.lfFaceName, value);
    } else if (key == L"size") {
      font.lfHeight = -int(wcstol(value, nullptr, 10));
    } else if (key == L"bold") {
      font.lfWeight = std::wcscmp(value, L"true") == 0 ? FW_BOLD : FW_NORMAL;
    } else if (key == L"underline") {
      font.lfUnderline = std::wcscmp(value, L"true") == 0;
    }
  }
  if (!faceFits) name.clear();
  return font;
}

}  // namespace

void FontTable::build(const uint8_t* utf8, size_t length) {
  auto document = XmlDocument::parse(utf8, length, L"font.xml");
  if (!document) return;
  for (auto* entry = document->root()->first_node(); entry; entry = entry->next_sibling()) {
    if (entry->type() != rapidxml::node_element) continue;
    std::wstring name;
    LOGFONTW font = describe(entry, name);
    if (name.empty()) continue;  // nothing could ever ask for it
    HFONT handle = CreateFontIndirectW(&font);
    if (!handle) continue;
    auto [slot, added] = fonts_.emplace(name, handle);
    if (!added) {
      DeleteObject(slot->second);
      slot->second = handle;
    }
  }
}

HFONT FontTable::font(const std::wstring& name) const {
  auto found = fonts_.find(name);
  return found == fonts_.end() ? nullptr : found->second;
}

void FontTable::clear() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
  fonts_.clear();
}
