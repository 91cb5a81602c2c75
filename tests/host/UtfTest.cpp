// UTF-8 to UTF-16 is strict: anything that is not valid UTF-8 gives the empty text.
#include <gtest/gtest.h>

#include "base/Utf.h"

namespace {

TEST(Utf, ValidTextConverts) {
  EXPECT_EQ(utf::toUtf16("UI.lua"), u"UI.lua");
  EXPECT_EQ(utf::toUtf16("\xe5\xae\x89\xe8\xa3\x85"), u"\u5b89\u88c5");
  EXPECT_EQ(utf::toUtf16("\xf0\x9f\x98\x80"), u"\U0001F600");
  EXPECT_EQ(utf::toUtf16(""), u"");
}

TEST(Utf, InvalidTextConvertsToEmpty) {
  const char* invalid[] = {
      "\xc0\x80",          // overlong zero
      "a\x80",             // lone continuation byte
      "\xe5\xae",          // truncated sequence
      "\xed\xa0\x80",      // encoded surrogate
      "\xf4\x90\x80\x80",  // past U+10FFFF
      "\xff",              // never valid
  };
  for (const char* text : invalid) EXPECT_EQ(utf::toUtf16(text), u"") << text;
}

TEST(Utf, Utf16ToUtf8) {
  EXPECT_EQ(utf::toUtf8(u"\u5b89\u88c5/\U0001F600"), "\xe5\xae\x89\xe8\xa3\x85/\xf0\x9f\x98\x80");
  EXPECT_EQ(utf::toUtf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
}

}  // namespace
