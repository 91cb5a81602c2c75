// Parsing documents with rapidxml, with its errors kept inside.
#include "toolkit/markup/XmlDocument.h"

#include <windows.h>

std::unique_ptr<XmlDocument> XmlDocument::parse(const uint8_t* utf8, size_t length, const std::wstring& name) {
  auto document = std::unique_ptr<XmlDocument>(new XmlDocument);
  if (length > 0 && length <= INT_MAX) {
    const char* bytes = reinterpret_cast<const char*>(utf8);
    int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, int(length), nullptr, 0);
    if (units > 0) {
      document->text_.assign(size_t(units), L'\0');
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, int(length), document->text_.data(), units);
    }
  }
  try {
    document->document_.parse<rapidxml::parse_no_entity_translation>(document->text_.data());
  } catch (const rapidxml::parse_error& error) {
    std::wstring message = name + L": ";
    for (const char* c = error.what(); *c; ++c) message.push_back(wchar_t(*c));
    OutputDebugStringW((message + L"\n").c_str());
    return nullptr;
  }
  if (!document->root()) return nullptr;
  return document;
}

const wchar_t* attributeValue(const XmlDocument::Node* node, const wchar_t* name) {
  auto* attribute = node ? node->first_attribute(name) : nullptr;
  return attribute ? attribute->value() : nullptr;
}
