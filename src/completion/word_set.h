#pragma once
// Every word completion may offer, by the kind of place that takes it, in
// UTF-8 whatever the document's encoding.
#include <string>
#include <vector>

#include "completion/caret_context.h"

namespace zumoku::completion {

struct Candidate {
  std::string word;     // what is typed and matched
  std::string pattern;  // the arguments a command or environment takes: "{}{}"
  std::string detail;   // shown beside: a label's text, a citation's author, year and title
  std::string source;   // the list, package or file it comes from
  // Filled by WordSet::Finish.
  std::string foldedWord;
  std::string foldedDetail;
  bool fitsShiftJis = true;
};

// An entry as its source gives it.
Candidate Entry(std::string word, std::string pattern = {}, std::string detail = {}, std::string source = {});

struct WordSet {
  std::vector<Candidate> commands;
  std::vector<Candidate> environments;
  std::vector<Candidate> labels;
  std::vector<Candidate> citations;
  std::vector<Candidate> texFiles;
  std::vector<Candidate> pictures;
  std::vector<Candidate> bibFiles;
  std::vector<Candidate> bibResources;
  std::vector<Candidate> packages;
  std::vector<Candidate> classes;

  // The list for a context; an empty one for kNone.
  const std::vector<Candidate>& For(ContextKind kind) const;
  // Sorts each list by word (case ignored), keeps the first of equal words,
  // and fills each entry's folded texts and whether Shift_JIS holds it.
  void Finish();
};

}  // namespace zumoku::completion
