#include "markup/size_group.h"

#include <gtest/gtest.h>

#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

TEST(SizeCommands, TenOpeningsWrapWithoutAnyTest) {
  const struct {
    std::string_view opening;
    const char* expected;
  } rows[] = {{size::kHuge10, "{\\Huge abc}"},           {size::kHuge9, "{\\huge abc}"},
              {size::kLARGE8, "{\\LARGE abc}"},          {size::kLarge7, "{\\Large abc}"},
              {size::kLarge6, "{\\large abc}"},          {size::kNormalSize5, "{\\normalsize abc}"},
              {size::kSmall4, "{\\small abc}"},          {size::kFootnoteSize3, "{\\footnotesize abc}"},
              {size::kScriptSize2, "{\\scriptsize abc}"}, {size::kTiny1, "{\\tiny abc}"}};
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
  std::string selection, expected;
};

class SizeRemoval : public ::testing::TestWithParam<RemovalRow> {};

TEST_P(SizeRemoval, TakesOffExactlyOneGroup) {
  SelectedText text(GetParam().selection);
  size::RemoveSize(text.buffer);
  EXPECT_EQ(text.Inside(), GetParam().expected);
  EXPECT_EQ(text.buffer.Modified(), GetParam().selection != GetParam().expected);
  EXPECT_EQ(size::SizeGroupText(GetParam().selection).has_value(), GetParam().selection != GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, SizeRemoval,
    ::testing::Values(RemovalRow{"{\\Huge abc}", "abc"}, RemovalRow{"{\\Huge a b}", "a b"},
                      RemovalRow{"{\\tiny {\\Huge abc}}", "{\\Huge abc}"},
                      RemovalRow{"{\\Huge a{b}c}", "a{b}c"},
                      RemovalRow{S("{\\Huge マ}"), S("マ")}, RemovalRow{S("{\\Huge ボ}"), S("ボ")},
                      RemovalRow{"{\\Huge }", ""},
                      // Not one size group: nothing is taken off, nothing lost.
                      RemovalRow{"{\\Huge abc} def", "{\\Huge abc} def"}, RemovalRow{"abc", "abc"},
                      RemovalRow{"", ""}, RemovalRow{"{abc}", "{abc}"}, RemovalRow{"{abc def}", "{abc def}"},
                      RemovalRow{"{\\Huge abc", "{\\Huge abc"}, RemovalRow{"{\\Huge\r\nab c}", "{\\Huge\r\nab c}"},
                      // The full-width blank does not end the declaration.
                      RemovalRow{S("{\\Huge　abc}"), S("{\\Huge　abc}")},
                      // マ's second byte is no "}": the group is not closed.
                      RemovalRow{S("{\\Huge マ"), S("{\\Huge マ")}));

}  // namespace zumoku::test
