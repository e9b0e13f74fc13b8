#include "markup/size_group.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

TEST(SizeCommands, TenOpeningsWrapWithoutAnyTest) {
  const struct {
    std::string_view opening;
    const char* expected;
  } rows[] = {{size::kHuge10, "{\\Huge abc}"},
              {size::kHuge9, "{\\huge abc}"},
              {size::kLARGE8, "{\\LARGE abc}"},
              {size::kLarge7, "{\\Large abc}"},
              {size::kLarge6, "{\\large abc}"},
              {size::kNormalSize5, "{\\normalsize abc}"},
              {size::kSmall4, "{\\small abc}"},
              {size::kFootnoteSize3, "{\\footnotesize abc}"},
              {size::kScriptSize2, "{\\scriptsize abc}"},
              {size::kTiny1, "{\\tiny abc}"}};
  for (const auto& row : rows) {
    SelectedText text("abc");
    size::ApplySize(text.buffer, row.opening);
    EXPECT_EQ(text.Inside(), row.expected);
    EXPECT_EQ(text.buffer.SelStart(), 1 + static_cast<int>(std::string_view(row.expected).size()));
    EXPECT_EQ(text.buffer.SelLength(), 0);
  }
}

TEST(SizeCommands, EmptySelectionsAndGroupsAreWrappedAlike) {
  SelectedText empty("");
  size::ApplySize(empty.buffer, size::kHuge10);
  EXPECT_EQ(empty.Inside(), "{\\Huge }");
  SelectedText group("{\\Huge abc}");
  size::ApplySize(group.buffer, size::kTiny1);
  EXPECT_EQ(group.Inside(), "{\\tiny {\\Huge abc}}");
  SelectedText lines("a\r\nb");
  size::ApplySize(lines.buffer, size::kSmall4);
  EXPECT_EQ(lines.Inside(), "{\\small a\r\nb}");
}

struct RemovalRow {
  const char* name;
  std::string selection, expected;
};

class SizeRemoval : public ::testing::TestWithParam<RemovalRow> {};

TEST_P(SizeRemoval, TakesOffExactlyOneGroup) {
  SelectedText text(GetParam().selection);
  size::RemoveSize(text.buffer);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.Modified(), GetParam().selection != GetParam().expected);
  EXPECT_EQ(size::SizeGroupText(GetParam().selection, Encoding::kShiftJis).has_value(),
            GetParam().selection != GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, SizeRemoval,
                         ::testing::Values(RemovalRow{"OneWord", "{\\Huge abc}", "abc"},
                                           RemovalRow{"TwoWords", "{\\Huge a b}", "a b"},
                                           RemovalRow{"NestedGroup", "{\\tiny {\\Huge abc}}", "{\\Huge abc}"},
                                           RemovalRow{"NestedBraces", "{\\Huge a{b}c}", "a{b}c"},
                                           RemovalRow{"ClosingBraceTrailByte", S("{\\Huge マ}"), S("マ")},
                                           RemovalRow{"OpeningBraceTrailByte", S("{\\Huge ボ}"), S("ボ")},
                                           RemovalRow{"EmptyGroup", "{\\Huge }", ""},
                                           // Not one size group: nothing is taken off, nothing lost.
                                           RemovalRow{"TextAfterTheGroup", "{\\Huge abc} def", "{\\Huge abc} def"},
                                           RemovalRow{"PlainText", "abc", "abc"}, RemovalRow{"EmptySelection", "", ""},
                                           RemovalRow{"GroupWithoutSize", "{abc}", "{abc}"},
                                           RemovalRow{"GroupOfTwoWordsWithoutSize", "{abc def}", "{abc def}"},
                                           RemovalRow{"UnclosedGroup", "{\\Huge abc", "{\\Huge abc"},
                                           RemovalRow{"LineEndAfterTheSize", "{\\Huge\r\nab c}", "{\\Huge\r\nab c}"},
                                           // The full-width blank does not end the declaration.
                                           RemovalRow{"FullWidthBlank", S("{\\Huge　abc}"), S("{\\Huge　abc}")},
                                           // マ's second byte is no "}": the group is not closed.
                                           RemovalRow{"TrailByteIsNoClosingBrace", S("{\\Huge マ"), S("{\\Huge マ")}),
                         RowName());

}  // namespace zumoku::test
