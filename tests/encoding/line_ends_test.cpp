#include "encoding/line_ends.h"

#include <gtest/gtest.h>

namespace zumoku::test {

TEST(LineEnds, InsertedAndLoadedRulesDifferOnlyOnCrCrLf) {
  const struct {
    std::string in, inserted, loaded;
  } rows[] = {
      {"a\r\nb", "a\r\nb", "a\r\nb"},
      {"a\nb\n", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\rb\r", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\r\r\nb", "a\r\nb", "a\r\n\r\nb"},
      {"\r\r\r\n", "\r\n\r\n", "\r\n\r\n\r\n"},
      {"\n\r", "\r\n\r\n", "\r\n\r\n"},
      {std::string("x\0\r", 3), std::string("x\0\r\n", 4), std::string("x\0\r\n", 4)},
      {"", "", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(NormalizeInsertedLineEnds(row.in), row.inserted);
    EXPECT_EQ(NormalizeLoadedLineEnds(row.in), row.loaded);
  }
}

TEST(LineEnds, EndEveryLineAddsNoLineAfterAFinalLineEnd) {
  const struct {
    std::string in, ended;
  } rows[] = {{"", ""},
              {"a", "a\r\n"},
              {"a\r\n", "a\r\n"},
              {"a\r", "a\r\n"},
              {"\r\n\r\n", "\r\n\r\n"},
              {"a\rb\nc\r\n\r\nd", "a\r\nb\r\nc\r\n\r\nd\r\n"},
              {"a\r\r\n", "a\r\n\r\n"}};
  for (const auto& row : rows) EXPECT_EQ(EndEveryLine(row.in), row.ended) << row.in;
}

TEST(LineEnds, LoadedLinesSplitAtEveryLineEndWithoutAnExtraLastLine) {
  const struct {
    std::string bytes;
    std::vector<std::string> lines;
  } rows[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\r\r\n", {"", ""}},
      {"a\n\r", {"a", ""}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SplitLoadedLines(row.bytes), row.lines) << row.bytes;
    EXPECT_EQ(JoinLines(row.lines), NormalizeLoadedLineEnds(EndEveryLine(row.bytes))) << row.bytes;
  }
}

}  // namespace zumoku::test
