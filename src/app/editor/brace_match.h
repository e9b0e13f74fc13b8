#pragma once
// The partner of a bracket ({ } [ ] ( )) in a run of characters, looked for
// at most kBraceSearchLimit characters away, brackets of the same kind
// nesting: over a document's characters, never its bytes, since a Shift_JIS
// trail byte can be a bracket's byte.
#include <QChar>
#include <optional>

namespace zumoku {

inline constexpr int kBraceSearchLimit = 10000;

struct BracketPair {
  QChar partner;
  int step;  // towards the partner
};
// The bracket's partner and the way to it, or nothing for another character.
std::optional<BracketPair> PairOf(QChar c);

// `charAt(i)` gives the character at i for 0 <= i < size.
template <typename CharAt>
std::optional<int> MatchingBraceIn(CharAt charAt, int size, int at) {
  if (at < 0 || at >= size) return std::nullopt;
  const QChar bracket = charAt(at);
  const auto pair = PairOf(bracket);
  if (!pair) return std::nullopt;
  int depth = 0;
  for (int distance = 1, i = at + pair->step; distance <= kBraceSearchLimit && i >= 0 && i < size;
       ++distance, i += pair->step) {
    const QChar c = charAt(i);
    if (c == bracket) ++depth;
    if (c == pair->partner && depth-- == 0) return i;
  }
  return std::nullopt;
}

}  // namespace zumoku
