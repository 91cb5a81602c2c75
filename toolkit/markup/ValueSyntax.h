// The value syntaxes of layout and style attributes: decimal integers, rectangles
// and sizes read the way formatted scanning ("%d", "%d,%d,%d,%d", "%d,%d") reads
// them, "#RRGGBB"-style colours, and the thirteen enumeration words. Pure functions
// over UTF-16 text; the setters store what they return.
#pragma once

#include <cstdint>
#include <string_view>

namespace valueSyntax {

struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Size {
  int32_t width = 0, height = 0;
};

// Reads up to `count` comma-separated integers into `out` and returns how many were
// read; scanning stops at the first mismatch and leaves the rest untouched. White
// space before each number and a sign are accepted, digits end at the first
// non-digit, and a comma must follow a number immediately.
int scanIntegers(std::u16string_view text, int32_t* out, int count);

// Components that are not given are 0.
int32_t integer(std::u16string_view text);
Rect rect(std::u16string_view text);
Size size(std::u16string_view text);

// The six hexadecimal digits after the first code unit, as 0xd1d2d3d4d5d6; any
// other code unit (or a missing one) counts as 0. Used as a Windows colour value, so
// the first pair is blue and the last red.
uint32_t colour(std::u16string_view text);

// The enumeration words, in the order they are compared.
constexpr int kEnumWordCount = 13;
extern const char16_t* const kEnumWords[kEnumWordCount];

// The index of the word equal to `text` (case-sensitive), or -1.
int enumWord(std::u16string_view text);

}  // namespace valueSyntax
