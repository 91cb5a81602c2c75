// A parsed layout, style or font document. The UTF-8 bytes are converted to UTF-16
// as a whole (strictly: invalid text converts to nothing) and parsed in place with
// rapidxml; character and entity references stay as written. A document that is
// not well-formed XML does not end the program: the parse error goes to the
// debugger output with the document's name, and the document counts as missing.
#pragma once

#include <rapidxml.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class XmlDocument {
 public:
  using Node = rapidxml::xml_node<wchar_t>;

  // Null when the document is empty or not well-formed.
  static std::unique_ptr<XmlDocument> parse(const uint8_t* utf8, size_t length, const std::wstring& name);

  // The document's first element, or null.
  Node* root() const { return document_.first_node(); }

 private:
  std::wstring text_;  // parsed in place: the nodes point into it
  rapidxml::xml_document<wchar_t> document_;
};

// The value of a node's attribute, or null when it has none.
const wchar_t* attributeValue(const XmlDocument::Node* node, const wchar_t* name);
