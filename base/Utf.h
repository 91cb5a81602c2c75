// Conversions between UTF-8 and UTF-16 text. The program works in UTF-16 inside and
// in UTF-8 at its edges (scripts, documents, pack tool arguments). The conversion
// from UTF-8 is strict: text that is not valid UTF-8 converts to the empty string,
// so a damaged name can never alias a valid one.
#pragma once

#include <string>
#include <string_view>

namespace utf {

std::u16string toUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view utf16);

}  // namespace utf
