#pragma once
// Reading the number typed in the count dialog.
#include <string_view>

namespace zumoku {

// Counts above this would build texts large enough to stall the editor; the
// dialog refuses them and stays open.
inline constexpr int kMaxItemCount = 10000;

struct ItemCountAnswer {
  enum Problem { kNone, kNotInteger, kTooLarge };
  Problem problem = kNone;
  int value = 0;
};

// A whole decimal number with an optional sign that fits 32 bits, and is not
// above kMaxItemCount. Negative numbers are accepted (they give no items).
ItemCountAnswer ReadItemCount(std::string_view text);

}  // namespace zumoku
