// Scanning attribute values.
#include "toolkit/markup/ValueSyntax.h"

namespace valueSyntax {
namespace {

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// One "%d" at `at`: white space, a sign, digits. Wraps like the C runtime on overflow.
bool scanOne(std::u16string_view text, size_t& at, int32_t& value) {
  while (at < text.size() && isSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  if (at >= text.size() || !isDigit(text[at])) return false;
  uint32_t number = 0;
  while (at < text.size() && isDigit(text[at])) number = number * 10 + uint32_t(text[at++] - u'0');
  value = int32_t(negative ? 0u - number : number);
  return true;
}

int hexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return 0;
}

}  // namespace

const char16_t* const kEnumWords[kEnumWordCount] = {u"left",  u"right",      u"top",      u"bottom", u"center",
                                                    u"stretch", u"horizontal", u"vertical", u"true",   u"false",
                                                    u"auto",  u"always",     u"never"};

int scanIntegers(std::u16string_view text, int32_t* out, int count) {
  size_t at = 0;
  for (int read = 0; read < count; ++read) {
    if (read > 0 && (at >= text.size() || text[at++] != u',')) return read;
    if (!scanOne(text, at, out[read])) return read;
  }
  return count;
}

int32_t integer(std::u16string_view text) {
  int32_t value = 0;
  scanIntegers(text, &value, 1);
  return value;
}

Rect rect(std::u16string_view text) {
  int32_t v[4] = {0, 0, 0, 0};
  scanIntegers(text, v, 4);
  return {v[0], v[1], v[2], v[3]};
}

Size size(std::u16string_view text) {
  int32_t v[2] = {0, 0};
  scanIntegers(text, v, 2);
  return {v[0], v[1]};
}

uint32_t colour(std::u16string_view text) {
  uint32_t value = 0;
  for (size_t i = 1; i <= 6; ++i) value = value * 16 + uint32_t(i < text.size() ? hexDigit(text[i]) : 0);
  return value;
}

int enumWord(std::u16string_view text) {
  for (int i = 0; i < kEnumWordCount; ++i)
    if (text == kEnumWords[i]) return i;
  return -1;
}

}  // namespace valueSyntax
