#pragma once
// Names the rows of a parameterised suite after the label each row carries,
// so that a failure names its case ("Selections/FontStyle.BoldWrapsOrExchanges/
// EmptySelection") instead of its index. Labels are CamelCase and unique
// within their suite; GoogleTest refuses to start the program otherwise.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <tuple>

namespace zumoku::test {

// A row's label is its `name`.
template <typename Row>
requires requires(const Row& row) { std::string(row.name); }
std::string RowLabel(const Row& row) { return std::string(row.name); }

// A row that is a bare string (a file extension, say) is its own label, less
// the characters a test name cannot hold.
inline std::string RowLabel(std::string_view text) {
  std::string label;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) label += c;
  }
  return label;
}

// The generator for INSTANTIATE_TEST_SUITE_P. A ::testing::Combine row joins
// its parts' labels with "_"; a part that is neither a row nor a string (an
// enum) gets a RowLabel overload beside its test.
struct RowName {
  template <typename Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
    return Label(info.param);
  }

 private:
  template <typename Row>
  static std::string Label(const Row& row) {
    return RowLabel(row);
  }
  template <typename... Parts>
  static std::string Label(const std::tuple<Parts...>& parts) {
    return std::apply(
        [](const auto& first, const auto&... rest) { return (RowLabel(first) + ... + ("_" + RowLabel(rest))); }, parts);
  }
};

}  // namespace zumoku::test
