#include "markup/size_group.h"

#include <gtest/gtest.h>

#include "markup_test_buffer.h"
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
    SelectionBuffer buffer("abc");
    size::ApplySize(*buffer, row.opening);
    EXPECT_EQ(buffer.Inside(), row.expected);
    EXPECT_EQ(buffer->SelStart(), 1 + static_cast<int>(std::string_view(row.expected).size()));
    EXPECT_EQ(buffer->SelLength(), 0);
  }
}

TEST(SizeCommands, EmptySelectionsAndGroupsAreWrappedAlike) {
  SelectionBuffer empty("");
  size::ApplySize(*empty, size::kHuge10);
  EXPECT_EQ(empty.Inside(), "{\\Huge }");
  SelectionBuffer group("{\\Huge abc}");
  size::ApplySize(*group, size::kTiny1);
  EXPECT_EQ(group.Inside(), "{\\tiny {\\Huge abc}}");
  SelectionBuffer lines("a\r\nb");
  size::ApplySize(*lines, size::kSmall4);
  EXPECT_EQ(lines.Inside(), "{\\small a\r\nb}");
}

struct RemovalRow {
  std::string selection, expected;
};

class SizeRemoval : public ::testing::TestWithParam<RemovalRow> {};

TEST_P(SizeRemoval, TakesOffExactlyOneGroup) {
  SelectionBuffer buffer(GetParam().selection);
  size::RemoveSize(*buffer);
  EXPECT_EQ(buffer.Inside(), GetParam().expected);
  EXPECT_EQ(buffer->Modified(), GetParam().selection != GetParam().expected);
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
