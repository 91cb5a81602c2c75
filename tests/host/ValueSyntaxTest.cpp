// Attribute values as layout and style documents write them.
#include <gtest/gtest.h>

#include "toolkit/markup/ValueSyntax.h"

namespace {

using valueSyntax::Rect;

struct IntegersCase {
  const char16_t* text;
  int read;
  std::vector<int32_t> values;  // what the four slots hold afterwards (-7 untouched)
};

TEST(ValueSyntax, ScansIntegersLikeFormattedScanning) {
  const IntegersCase cases[] = {
      {u"1,2,3,4", 4, {1, 2, 3, 4}},
      {u" 5, 6, 7, 8", 4, {5, 6, 7, 8}},          // space before each number
      {u"-3,+4,0,12px", 4, {-3, 4, 0, 12}},       // signs; digits end at letters
      {u"10 ,20", 1, {10, -7, -7, -7}},           // a comma must follow immediately
      {u"1,2", 2, {1, 2, -7, -7}},
      {u"abc", 0, {-7, -7, -7, -7}},
      {u"", 0, {-7, -7, -7, -7}},
      {u"-", 0, {-7, -7, -7, -7}},
      {u"1,,3,4", 1, {1, -7, -7, -7}},
      {u"\t\n42", 1, {42, -7, -7, -7}},
      {u"4294967297", 1, {1, -7, -7, -7}},        // wraps past 32 bits
  };
  for (const IntegersCase& c : cases) {
    int32_t out[4] = {-7, -7, -7, -7};
    EXPECT_EQ(valueSyntax::scanIntegers(c.text, out, 4), c.read) << std::u16string(c.text).size();
    EXPECT_EQ(std::vector<int32_t>(out, out + 4), c.values);
  }
}

TEST(ValueSyntax, MissingComponentsAreZero) {
  Rect r = valueSyntax::rect(u"3,4");
  EXPECT_EQ(std::vector<int32_t>({r.left, r.top, r.right, r.bottom}), std::vector<int32_t>({3, 4, 0, 0}));
  EXPECT_EQ(valueSyntax::size(u"640").width, 640);
  EXPECT_EQ(valueSyntax::size(u"640").height, 0);
  EXPECT_EQ(valueSyntax::integer(u"nope"), 0);
  EXPECT_EQ(valueSyntax::integer(u"1002"), 1002);
}

TEST(ValueSyntax, ColoursReadSixDigitsAfterTheFirstUnit) {
  const std::pair<const char16_t*, uint32_t> cases[] = {
      {u"#FF8000", 0xFF8000},  // blue FF, green 80, red 00 as a Windows colour
      {u"#0000ff", 0x0000FF},  // pure red
      {u"x123456", 0x123456},  // the first unit is never looked at
      {u"#12G4Z6", 0x120406},  // non-digits count as 0
      {u"#ABC", 0xABC000},     // missing digits count as 0
      {u"", 0},
      {u"#FFFFFFFF", 0xFFFFFF},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(valueSyntax::colour(text), value) << std::u16string(text).size();
}

TEST(ValueSyntax, EnumerationWordsAreExact) {
  EXPECT_EQ(valueSyntax::enumWord(u"left"), 0);
  EXPECT_EQ(valueSyntax::enumWord(u"horizontal"), 6);
  EXPECT_EQ(valueSyntax::enumWord(u"never"), 12);
  for (const char16_t* other : {u"Horizontal", u"LEFT", u"centre", u" left", u"", u"1"})
    EXPECT_EQ(valueSyntax::enumWord(other), -1);
}

}  // namespace
