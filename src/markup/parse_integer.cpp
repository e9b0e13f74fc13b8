#include "markup/parse_integer.h"

#include <charconv>
#include <cstdint>

namespace zumoku {

std::optional<int> ParseInteger(std::string_view text) {
  // from_chars takes a minus sign but no plus sign.
  const bool plus = text.starts_with('+');
  if (plus) text.remove_prefix(1);
  if (plus && text.starts_with('-')) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace zumoku
