// The stored enumeration numbers agree with the markup value syntax's word list:
// what the markup reads as "center" is what layout compares with Center.
#include <gtest/gtest.h>

#include "toolkit/core/Names.h"
#include "toolkit/markup/ValueSyntax.h"

namespace {

TEST(EnumWords, StoredNumbersFollowTheValueSyntaxWords) {
  using toolkit::EnumWord;
  static_assert(toolkit::kEnumWordCount == valueSyntax::kEnumWordCount);
  const std::pair<std::u16string_view, EnumWord> cases[] = {
      {u"left", EnumWord::Left},     {u"right", EnumWord::Right},   {u"top", EnumWord::Top},
      {u"bottom", EnumWord::Bottom}, {u"center", EnumWord::Center}, {u"stretch", EnumWord::Stretch},
      {u"horizontal", EnumWord::Horizontal}, {u"vertical", EnumWord::Vertical}, {u"true", EnumWord::True},
      {u"false", EnumWord::False},   {u"auto", EnumWord::Auto},     {u"always", EnumWord::Always},
      {u"never", EnumWord::Never},   {u"Left", EnumWord::None},     {u"middle", EnumWord::None},
      {u"", EnumWord::None},
  };
  for (auto [text, word] : cases)
    EXPECT_EQ(toolkit::enumWordAt(valueSyntax::enumWord(text)), word) << std::string(text.begin(), text.end());
}

}  // namespace
