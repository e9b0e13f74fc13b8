#include "paper/tex_names.h"

#include <algorithm>
#include <array>
#include <variant>

#include "encoding/transcode.h"

namespace zumoku::paper {

namespace {

struct CommandUse {
  std::string_view command;
  std::string options = {};
  std::string argument = {};
  std::size_t begin = 0;
  std::size_t end = 0;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '@'; }

std::string Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1));
}

// Reads the text one character at a time, skipping comments, and hands
// each command with its arguments to `found`.
class CommandScanner {
 public:
  CommandScanner(std::string_view text, Encoding encoding) : text_(text), encoding_(encoding) {}

  template <typename Found>
  void Scan(Found&& found) {
    for (std::size_t mark = NextMark(); mark != kNone; mark = NextMark()) {
      if (!StepTo(mark)) continue;
      if (text_[at_] == '%') {
        SkipLine();
      } else {
        ReadCommand(found);
      }
    }
  }

 private:
  static constexpr auto kNone = std::string_view::npos;

  void Step() { at_ += CharLengthAt(text_, at_, encoding_); }
  // Line ends are never part of a character.
  void SkipLine() { at_ = std::min(text_.find_first_of("\r\n", at_), text_.size()); }
  // The next '\\' or '%' byte from the caret on, found by byte search: the
  // text between commands is never walked character by character.
  std::size_t NextMark() {
    if (backslash_ < at_) backslash_ = text_.find('\\', at_);
    if (percent_ < at_) percent_ = text_.find('%', at_);
    return std::min(backslash_, percent_);
  }
  // Walks characters from the mark's line start (or the caret, if later) to
  // the mark; false, the caret past the character, when the mark is the
  // second byte of a Shift_JIS character.
  bool StepTo(std::size_t mark) {
    for (std::size_t back = mark; back > at_; --back) {
      if (text_[back - 1] == '\n' || text_[back - 1] == '\r') {
        at_ = back;
        break;
      }
    }
    while (at_ < mark) Step();
    return at_ == mark;
  }
  void SkipSpaces() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
  }
  // The text up to `close` from just after its opener, on whole characters;
  // nullopt when the line or text ends first.
  std::optional<std::string> Group(char close) {
    const std::size_t from = ++at_;
    while (at_ < text_.size() && text_[at_] != close) {
      if (text_[at_] == '\n' || text_[at_] == '{' || text_[at_] == '%') return std::nullopt;
      Step();
    }
    if (at_ >= text_.size()) return std::nullopt;
    return std::string(text_.substr(from, at_++ - from));
  }

  template <typename Found>
  void ReadCommand(Found&& found) {
    const std::size_t begin = at_++;
    const std::size_t nameStart = at_;
    while (at_ < text_.size() && IsLetter(text_[at_])) ++at_;
    if (at_ == nameStart) {
      if (at_ < text_.size()) Step();  // an escaped character, such as \%
      return;
    }
    const std::string_view command = text_.substr(nameStart, at_ - nameStart);
    if (!found.Wants(command)) return;
    CommandUse use{.command = command, .begin = begin};
    SkipSpaces();
    if (at_ < text_.size() && text_[at_] == '[') {
      const auto options = Group(']');
      if (!options) return;
      use.options = *options;
      SkipSpaces();
    }
    if (at_ >= text_.size() || text_[at_] != '{') return;
    const auto argument = Group('}');
    if (!argument) return;
    use.argument = Trimmed(*argument);
    use.end = at_;
    found(use);
  }

  std::string_view text_;
  Encoding encoding_;
  std::size_t at_ = 0;
  std::size_t backslash_ = text_.find('\\');
  std::size_t percent_ = text_.find('%');
};

struct FileCommand {
  std::string_view command;
  NameKind kind;
};
constexpr std::array kFileCommands{
    FileCommand{"input", NameKind::kInput},
    FileCommand{"include", NameKind::kInclude},
    FileCommand{"subfile", NameKind::kSubfile},
    FileCommand{"bibliography", NameKind::kBibliography},
    FileCommand{"addbibresource", NameKind::kBibliography},
    FileCommand{"includegraphics", NameKind::kGraphics},
};

const FileCommand* FileCommandNamed(std::string_view command) {
  for (const auto& known : kFileCommands)
    if (known.command == command) return &known;
  return nullptr;
}

struct NamedFileCollector {
  std::vector<NamedFile>& out;
  bool Wants(std::string_view command) const { return FileCommandNamed(command) != nullptr; }
  void operator()(const CommandUse& use) const {
    const NameKind kind = FileCommandNamed(use.command)->kind;
    std::string_view names = use.argument;
    // Only a bibliography lists several names; a comma is part of any other name.
    while (kind == NameKind::kBibliography && names.find(',') != std::string_view::npos) {
      Add(kind, names.substr(0, names.find(',')), use);
      names.remove_prefix(names.find(',') + 1);
    }
    Add(kind, names, use);
  }
  void Add(NameKind kind, std::string_view name, const CommandUse& use) const {
    std::string trimmed = Trimmed(name);
    if (!trimmed.empty()) out.push_back({.kind = kind, .name = std::move(trimmed), .begin = use.begin, .end = use.end});
  }
};

struct ClassFinder {
  std::optional<DocumentClass>& out;
  bool Wants(std::string_view command) const { return !out && command == "documentclass"; }
  void operator()(const CommandUse& use) const { out = DocumentClass{.options = use.options, .name = use.argument}; }
};

}  // namespace

std::vector<NamedFile> NamedFiles(std::string_view text, Encoding encoding) {
  std::vector<NamedFile> named;
  CommandScanner(text, encoding).Scan(NamedFileCollector{named});
  return named;
}

std::optional<DocumentClass> FindDocumentClass(std::string_view text, Encoding encoding) {
  std::optional<DocumentClass> found;
  CommandScanner(text, encoding).Scan(ClassFinder{found});
  return found;
}

std::string FileSystemName(std::string_view name, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return std::string(name);
  auto converted = Transcode(name, Encoding::kShiftJis, Encoding::kUtf8);
  if (auto* utf8 = std::get_if<std::string>(&converted)) return std::move(*utf8);
  return std::string(name);
}

}  // namespace zumoku::paper
