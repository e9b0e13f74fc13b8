#include "completion/filter.h"

#include <algorithm>
#include <string>

#include "completion/fold.h"

namespace zumoku::completion {

std::vector<int> Filter(const std::vector<Candidate>& list, std::string_view typed, Encoding encoding,
                        std::size_t limit) {
  const std::string folded = Folded(typed);
  std::vector<int> prefixed;
  std::vector<int> inside;
  for (int i = 0; i < static_cast<int>(list.size()) && prefixed.size() < limit; ++i) {
    const Candidate& candidate = list[i];
    if (encoding == Encoding::kShiftJis && !candidate.fitsShiftJis) continue;
    if (candidate.foldedWord.starts_with(folded)) {
      prefixed.push_back(i);
    } else if (inside.size() < limit && (candidate.foldedWord.find(folded) != std::string::npos ||
                                         candidate.foldedDetail.find(folded) != std::string::npos)) {
      inside.push_back(i);
    }
  }
  prefixed.insert(prefixed.end(), inside.begin(), inside.begin() + std::min(inside.size(), limit - prefixed.size()));
  return prefixed;
}

}  // namespace zumoku::completion
