#include "completion/word_set.h"

#include <QString>
#include <algorithm>

#include "completion/fold.h"
#include "encoding/codec.h"

namespace zumoku::completion {

Candidate Entry(std::string word, std::string pattern, std::string detail, std::string source) {
  Candidate candidate;
  candidate.word = std::move(word);
  candidate.pattern = std::move(pattern);
  candidate.detail = std::move(detail);
  candidate.source = std::move(source);
  return candidate;
}

const std::vector<Candidate>& WordSet::For(ContextKind kind) const {
  static const std::vector<Candidate> kNothing;
  switch (kind) {
    case ContextKind::kCommand:
      return commands;
    case ContextKind::kEnvironment:
      return environments;
    case ContextKind::kLabel:
      return labels;
    case ContextKind::kCitation:
      return citations;
    case ContextKind::kTexFile:
      return texFiles;
    case ContextKind::kPicture:
      return pictures;
    case ContextKind::kBibFile:
      return bibFiles;
    case ContextKind::kBibResource:
      return bibResources;
    case ContextKind::kPackage:
      return packages;
    case ContextKind::kClass:
      return classes;
    case ContextKind::kNone:
      break;
  }
  return kNothing;
}

namespace {
bool FitsShiftJis(const Candidate& candidate) {
  return codec::Encode(QString::fromStdString(candidate.word + candidate.pattern), Encoding::kShiftJis).has_value();
}

void Finish(std::vector<Candidate>& list) {
  for (Candidate& candidate : list) {
    candidate.foldedWord = Folded(candidate.word);
    candidate.foldedDetail = Folded(candidate.detail);
  }
  std::stable_sort(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) {
    return a.foldedWord != b.foldedWord ? a.foldedWord < b.foldedWord : a.word < b.word;
  });
  list.erase(
      std::unique(list.begin(), list.end(), [](const Candidate& a, const Candidate& b) { return a.word == b.word; }),
      list.end());
  for (Candidate& candidate : list) candidate.fitsShiftJis = FitsShiftJis(candidate);
}
}  // namespace

void WordSet::Finish() {
  for (auto* list : {&commands, &environments, &labels, &citations, &texFiles, &pictures, &bibFiles, &bibResources,
                     &packages, &classes}) {
    completion::Finish(*list);
  }
}

}  // namespace zumoku::completion
