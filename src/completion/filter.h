#pragma once
// The entries of a list that match what is typed, in the order shown:
// those whose word begins with it first, then those that hold it anywhere in
// the word or in its detail (a label's Japanese text, a citation's title);
// ASCII case is ignored. Entries the document's encoding cannot hold are
// never offered.
#include <string_view>
#include <vector>

#include "completion/word_set.h"
#include "encoding/encoding.h"

namespace zumoku::completion {

// `typed` in UTF-8; gives indices into `list`.
std::vector<int> Filter(const std::vector<Candidate>& list, std::string_view typed, Encoding encoding);

}  // namespace zumoku::completion
