#include "completion/word_lists.h"

#include "completion/word_data.h"

namespace zumoku::completion {

std::vector<Defined> ParseWordList(std::string_view text) {
  std::vector<Defined> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.starts_with('\\')) line.remove_prefix(1);
    if (line.empty() || line.starts_with('#')) continue;
    const std::size_t arguments = line.find_first_of("{[|");
    const std::size_t nameEnd = arguments == std::string_view::npos ? line.size() : arguments;
    words.push_back({std::string(line.substr(0, nameEnd)), std::string(line.substr(nameEnd))});
  }
  return words;
}

std::vector<WordList> BuiltInCommands() {
  return {{"LaTeX", ParseWordList(word_data::kLatexCommands)},
          {"pLaTeX", ParseWordList(word_data::kPlatexCommands)},
          {"jclasses", ParseWordList(word_data::kJclassesCommands)}};
}

std::vector<WordList> BuiltInEnvironments() { return {{"LaTeX", ParseWordList(word_data::kLatexEnvironments)}}; }

}  // namespace zumoku::completion
