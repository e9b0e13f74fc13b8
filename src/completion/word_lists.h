#pragma once
// The commands and environments every document may use, from the lists in
// words/: LaTeX's own, pLaTeX's and the Japanese classes'.
#include <string_view>
#include <vector>

#include "completion/definitions.h"

namespace zumoku::completion {

struct WordList {
  std::string_view source;  // shown beside each word: "LaTeX", "pLaTeX"
  std::vector<Defined> words;
};

// Parses one list: a line per word, '#' lines are comments; a command line
// is "\name" and its arguments ("\frac{}{}"), an environment line the
// name and the arguments after \begin{name}.
std::vector<Defined> ParseWordList(std::string_view text);

std::vector<WordList> BuiltInCommands();
std::vector<WordList> BuiltInEnvironments();

}  // namespace zumoku::completion
