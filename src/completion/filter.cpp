#include "completion/filter.h"

#include <string>

#include "completion/fold.h"

namespace zumoku::completion {

std::vector<int> Filter(const std::vector<Candidate>& list, std::string_view typed, Encoding encoding) {
  const std::string folded = Folded(typed);
  std::vector<int> prefixed;
  std::vector<int> inside;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    const Candidate& candidate = list[i];
    if (encoding == Encoding::kShiftJis && !candidate.fitsShiftJis) continue;
    if (candidate.foldedWord.starts_with(folded)) {
      prefixed.push_back(i);
    } else if (candidate.foldedWord.find(folded) != std::string::npos ||
               candidate.foldedDetail.find(folded) != std::string::npos) {
      inside.push_back(i);
    }
  }
  prefixed.insert(prefixed.end(), inside.begin(), inside.end());
  return prefixed;
}

}  // namespace zumoku::completion
