#include "buffer/line_ends.h"

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
  } rows[] = {{"", ""},           {"a", "a\r\n"},         {"a\r\n", "a\r\n"},
              {"a\r", "a\r\n"},    {"\r\n\r\n", "\r\n\r\n"}, {"a\rb\nc\r\n\r\nd", "a\r\nb\r\nc\r\n\r\nd\r\n"},
              {"a\r\r\n", "a\r\n\r\n"}};
  for (const auto& row : rows) EXPECT_EQ(EndEveryLine(row.in), row.ended) << row.in;
}

}  // namespace zumoku::test
