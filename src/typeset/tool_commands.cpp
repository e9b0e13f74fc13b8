#include "typeset/tool_commands.h"

namespace zumoku::typeset {

bool IsCommandLine(std::string_view engine) { return !engine.empty() && engine != "platex" && engine != "uplatex"; }

std::vector<std::string> WithFileName(std::vector<std::string> words, const std::string& file) {
  for (std::string& word : words) {
    for (size_t at = word.find(kFileNameMark); at != std::string::npos;
         at = word.find(kFileNameMark, at + file.size())) {
      word.replace(at, kFileNameMark.size(), file);
    }
  }
  return words;
}

}  // namespace zumoku::typeset
