#pragma once
// Replace all: every match inside a range of the text, built into one new
// piece of text, so the document takes it in one write and one undo step.
#include <string>
#include <string_view>

#include "search/search.h"

namespace zumoku::search {

// The part of the text that changes, from the first match's start to the
// last one's end, and the bytes that take its place. Bytes between matches
// are copied as they stand, invalid ones included.
struct Replacement {
  Span span;
  std::string bytes;
  int count = 0;
  bool stopped = false;  // by the progress callback: nothing to replace
};

// The matches are looked for in `range` alone, as if it were the whole text.
// Throws TooComplex as the search does.
Replacement ReplaceAll(const Search& search, std::string_view text, Span range, std::string_view replacement,
                       const Progress& progress = {});

}  // namespace zumoku::search
