#include "app/editor/brace_match.h"

namespace zumoku {

std::optional<BracketPair> PairOf(QChar c) {
  switch (c.unicode()) {
    case u'{':
      return BracketPair{u'}', 1};
    case u'[':
      return BracketPair{u']', 1};
    case u'(':
      return BracketPair{u')', 1};
    case u'}':
      return BracketPair{u'{', -1};
    case u']':
      return BracketPair{u'[', -1};
    case u')':
      return BracketPair{u'(', -1};
    default:
      return std::nullopt;
  }
}

}  // namespace zumoku
