#include "item_count.h"

#include <charconv>
#include <cstdint>

namespace zumoku {

ItemCountAnswer ReadItemCount(std::string_view text) {
  // from_chars takes "-" but not "+".
  if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return {ItemCountAnswer::kNotInteger, 0};
  }
  if (value > kMaxItemCount) return {ItemCountAnswer::kTooLarge, value};
  return {ItemCountAnswer::kNone, value};
}

}  // namespace zumoku
