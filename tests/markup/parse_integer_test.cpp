#include "markup/parse_integer.h"

#include <gtest/gtest.h>

namespace zumoku::test {

TEST(ParseInteger, WholeDecimalNumbersThatFit32Bits) {
  const struct {
    const char* text;
    std::optional<int> value;
  } rows[] = {{"2", 2},
              {"+7", 7},
              {"-2", -2},
              {"0", 0},
              {"2147483647", 2147483647},
              {"-2147483648", -2147483647 - 1},
              {"2147483648", {}},
              {"", {}},
              {"+", {}},
              {"-", {}},
              {"+-1", {}},
              {"--1", {}},
              {"1.5", {}},
              {"abc", {}},
              {"2a", {}},
              {" 2", {}},
              {"2 ", {}},
              {"0x10", {}}};
  for (const auto& row : rows) EXPECT_EQ(ParseInteger(row.text), row.value) << row.text;
}

}  // namespace zumoku::test
