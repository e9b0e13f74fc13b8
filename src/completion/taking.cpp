#include "completion/taking.h"

namespace zumoku::completion {

namespace {
// The caret goes into the first argument, or after the text without any.
Taken WithArguments(std::string text, const std::string& pattern) {
  if (pattern.empty()) return {std::move(text), "", false};
  return {text + pattern.front(), pattern.substr(1), false};
}

bool IsList(ContextKind kind) {
  return kind == ContextKind::kCitation || kind == ContextKind::kPackage || kind == ContextKind::kBibFile;
}
}  // namespace

Taken TakenText(const Candidate& candidate, const CaretContext& context, bool braceFollows) {
  if (context.kind == ContextKind::kCommand) return WithArguments("\\" + candidate.word, candidate.pattern);
  if (IsList(context.kind)) {
    // The caret stays inside the braces, where another key may follow.
    return {candidate.word, braceFollows ? "" : "}", false};
  }
  const std::string pattern =
      context.kind == ContextKind::kEnvironment && !context.closesEnvironment ? candidate.pattern : std::string();
  Taken taken = WithArguments(candidate.word + "}", pattern);
  taken.replacesClosingBrace = braceFollows;
  return taken;
}

}  // namespace zumoku::completion
