#include "markup/item_count.h"

#include "markup/parse_integer.h"

namespace zumoku {

ItemCountAnswer ReadItemCount(std::string_view text) {
  const auto value = ParseInteger(text);
  if (!value) return {ItemCountAnswer::kNotInteger, 0};
  if (*value > kMaxItemCount) return {ItemCountAnswer::kTooLarge, *value};
  return {ItemCountAnswer::kNone, *value};
}

}  // namespace zumoku
