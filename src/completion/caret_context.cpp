#include "completion/caret_context.h"

#include <vector>

#include "encoding/char_positions.h"

namespace zumoku::completion {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

struct ArgumentCommand {
  std::string_view name;
  ContextKind kind;
  bool list;  // keys separated by commas
};

constexpr ArgumentCommand kArgumentCommands[] = {
    {"begin", ContextKind::kEnvironment, false},   {"end", ContextKind::kEnvironment, false},
    {"ref", ContextKind::kLabel, false},           {"eqref", ContextKind::kLabel, false},
    {"pageref", ContextKind::kLabel, false},       {"autoref", ContextKind::kLabel, false},
    {"cref", ContextKind::kLabel, true},           {"Cref", ContextKind::kLabel, true},
    {"nameref", ContextKind::kLabel, false},       {"cite", ContextKind::kCitation, true},
    {"citep", ContextKind::kCitation, true},       {"citet", ContextKind::kCitation, true},
    {"nocite", ContextKind::kCitation, true},      {"input", ContextKind::kTexFile, false},
    {"include", ContextKind::kTexFile, false},     {"includegraphics", ContextKind::kPicture, false},
    {"bibliography", ContextKind::kBibFile, true}, {"addbibresource", ContextKind::kBibResource, false},
    {"usepackage", ContextKind::kPackage, true},   {"RequirePackage", ContextKind::kPackage, true},
    {"documentclass", ContextKind::kClass, false},
};

const ArgumentCommand* FindArgumentCommand(std::string_view name) {
  for (const ArgumentCommand& command : kArgumentCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

// An open brace group on the line and the command it is the argument of.
struct Group {
  const ArgumentCommand* command;  // null: not one that completes
  std::size_t contentStart;
};

CaretContext InArgument(std::string_view line, std::size_t lineStart, const Group& group) {
  std::size_t start = group.contentStart;
  if (group.command->list) {
    const std::size_t comma = line.rfind(',');
    if (comma != std::string_view::npos && comma >= start) start = comma + 1;
    while (start < line.size() && line[start] == ' ') ++start;
  }
  return {.kind = group.command->kind,
          .wordStart = lineStart + start,
          .prefix = std::string(line.substr(start)),
          .closesEnvironment = group.command->name == "end"};
}

// A control word's name is made of letters; pTeX counts a double-byte
// character as one too (\西暦).
std::size_t LetterLengthAt(std::string_view s, std::size_t at, Encoding encoding) {
  if (IsLetter(s[at])) return 1;
  const std::size_t length = CharLengthAt(s, at, encoding);
  return length > 1 ? length : 0;
}

struct ControlSequence {
  std::string_view name;  // empty for a control symbol such as \{ or \%
  int letters = 0;
};

// Moves past the control sequence whose backslash is at `at`.
ControlSequence SkipControlSequence(std::string_view s, std::size_t& at, Encoding encoding) {
  const std::size_t nameStart = at + 1;
  std::size_t end = nameStart;
  int letters = 0;
  for (std::size_t length; end < s.size() && (length = LetterLengthAt(s, end, encoding)) > 0; end += length) ++letters;
  at = letters == 0 && end < s.size() ? end + CharLengthAt(s, end, encoding) : end;
  return {s.substr(nameStart, end - nameStart), letters};
}

}  // namespace

CaretContext FindContext(std::string_view before, Encoding encoding, ContextRules rules) {
  // A line end is never part of a double-byte character, so the last line
  // begins on a character boundary.
  const std::size_t lastEnd = before.find_last_of('\n');
  const std::size_t lineStart = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
  const std::string_view line = before.substr(lineStart);
  std::vector<Group> groups;
  const ArgumentCommand* pending = nullptr;  // a command whose argument may open at pendingAt
  std::size_t pendingAt = 0;
  std::size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (c == '%') return {};  // the caret is in a comment
    if (c == '\\') {
      const std::size_t start = at;
      const auto [name, letters] = SkipControlSequence(line, at, encoding);
      if (at == line.size() && (start + 1 == at || letters > 0)) {
        if (letters < rules.commandLetters && !rules.forced) return {};
        return {.kind = ContextKind::kCommand,
                .wordStart = lineStart + start,
                .prefix = std::string(name),
                .closesEnvironment = false};
      }
      pending = name.empty() ? nullptr : FindArgumentCommand(name);
      pendingAt = at;
      continue;
    }
    const bool afterCommand = pending != nullptr && pendingAt == at;
    if (c == '{') {
      groups.push_back({afterCommand ? pending : nullptr, at + 1});
    } else if (c == '}') {
      if (!groups.empty()) groups.pop_back();
    } else if (afterCommand && c == '*') {
      pendingAt = at + 1;
    } else if (afterCommand && c == '[') {
      const std::size_t close = CharFind("]", line, at, encoding);
      if (close == std::string_view::npos) return {};  // in an optional argument
      pendingAt = close + 1;
      at = close + 1;
      continue;
    }
    at += CharLengthAt(line, at, encoding);
  }
  if (!groups.empty() && groups.back().command != nullptr) return InArgument(line, lineStart, groups.back());
  if (rules.forced && groups.empty()) return {.kind = ContextKind::kCommand, .wordStart = before.size(), .prefix = {}};
  return {};
}

std::string InnermostOpenEnvironment(std::string_view before, Encoding encoding) {
  std::vector<std::string_view> open;
  std::size_t at = 0;
  while (at < before.size()) {
    const char c = before[at];
    if (c == '%') {
      const std::size_t lineEnd = before.find('\n', at);
      if (lineEnd == std::string_view::npos) break;
      at = lineEnd + 1;
      continue;
    }
    if (c != '\\') {
      at += CharLengthAt(before, at, encoding);
      continue;
    }
    const std::string_view name = SkipControlSequence(before, at, encoding).name;
    if ((name != "begin" && name != "end") || at >= before.size() || before[at] != '{') continue;
    const std::size_t close = CharFind("}", before, at, encoding);
    if (close == std::string_view::npos) break;
    const std::string_view environment = before.substr(at + 1, close - at - 1);
    at = close + 1;
    if (name == "begin") {
      open.push_back(environment);
      continue;
    }
    // An \end closes its own \begin and whatever was left open inside it.
    for (std::size_t i = open.size(); i > 0; --i) {
      if (open[i - 1] != environment) continue;
      open.resize(i - 1);
      break;
    }
  }
  return open.empty() ? std::string() : std::string(open.back());
}

}  // namespace zumoku::completion
