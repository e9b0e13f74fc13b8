#include "typeset/log_parser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace zumoku::typeset {

namespace {

// Phrases with which LaTeX and common packages ask for another run.
constexpr std::array<std::string_view, 4> kRerunPhrases = {"Rerun to get", "Rerun LaTeX", "rerun LaTeX",
                                                           "Please rerun"};

std::vector<std::string_view> SplitLines(std::string_view log) {
  std::vector<std::string_view> lines;
  while (!log.empty()) {
    const size_t end = log.find('\n');
    std::string_view line = log.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    log.remove_prefix(end + 1);
  }
  return lines;
}

// The number at the start of s, if s starts with one.
std::optional<int> LeadingNumber(std::string_view s) {
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end == s.data()) return std::nullopt;
  return value;
}

// The number after the last occurrence of `marker`, or 0.
int NumberAfter(std::string_view s, std::string_view marker) {
  const size_t at = s.rfind(marker);
  if (at == std::string_view::npos) return 0;
  return LeadingNumber(s.substr(at + marker.size())).value_or(0);
}

// TeX names the files it opens by path: "./doc.tex", "/usr/share/...",
// "C:\\...". Other parentheses ("(preloaded format=platex)") are text.
bool LooksLikeFile(std::string_view token) {
  return token.substr(0, 2) == "./" || token.substr(0, 3) == "../" || token.substr(0, 1) == "/" ||
         (token.size() > 2 && token[1] == ':' && (token[2] == '\\' || token[2] == '/'));
}

struct FileLineError {
  std::string_view file;
  int line;
  std::string_view message;
};

// "file:line: message"; the file may itself hold colons (C:\...).
std::optional<FileLineError> ParseFileLineError(std::string_view line) {
  if (line.empty() || line.front() == ' ') return std::nullopt;
  for (size_t colon = line.find(':'); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
    const std::string_view rest = line.substr(colon + 1);
    const auto number = LeadingNumber(rest);
    if (colon == 0 || !number || rest.front() == '-') continue;
    const size_t digits = rest.find_first_not_of("0123456789");
    if (digits == std::string_view::npos || rest.substr(digits, 2) != ": ") continue;
    return FileLineError{line.substr(0, colon), *number, rest.substr(digits + 2)};
  }
  return std::nullopt;
}

// "LaTeX Warning: ", "LaTeX Font Warning: ", "Package foo Warning: ",
// "Class bar Warning: ": the prefix of its continuation lines ("(Font)",
// "(foo)"), or nullopt when the line starts no warning.
std::optional<std::string> WarningContinuation(std::string_view line) {
  const size_t at = line.find(" Warning: ");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view head = line.substr(0, at);
  for (std::string_view opener : {"Package ", "Class ", "LaTeX "}) {
    if (head.substr(0, opener.size()) != opener) continue;
    const std::string_view name = head.substr(opener.size());
    if (name.find(' ') != std::string_view::npos) return std::nullopt;
    return "(" + std::string(name) + ")";
  }
  return head == "LaTeX" ? std::optional<std::string>("(LaTeX)") : std::nullopt;
}

class Parser {
 public:
  Parser(std::string_view log, std::string_view mainFile) : lines_(SplitLines(log)), mainFile_(mainFile) {}

  LogSummary Run() {
    for (index_ = 0; index_ < lines_.size(); ++index_) Read(lines_[index_]);
    return std::move(summary_);
  }

 private:
  void Read(std::string_view line) {
    if (std::any_of(kRerunPhrases.begin(), kRerunPhrases.end(),
                    [&](std::string_view phrase) { return line.find(phrase) != std::string_view::npos; })) {
      summary_.rerunRequested = true;
    }
    if (skippingBlock_) {
      skippingBlock_ = !line.empty();
      return;
    }
    if (auto error = ParseFileLineError(line)) {
      Add(EntryKind::kError, error->line, IsMainFile(error->file), std::string(error->message));
      skippingBlock_ = true;  // the context lines quote the source
    } else if (line.substr(0, 2) == "! ") {
      Add(EntryKind::kError, ContextLine(), InMainFile(), std::string(line.substr(2)));
      skippingBlock_ = true;
    } else if (line.substr(0, 9) == "Overfull " || line.substr(0, 10) == "Underfull ") {
      const int at = std::max(NumberAfter(line, " at lines "), NumberAfter(line, " at line "));
      Add(EntryKind::kBadBox, at, InMainFile(), std::string(line));
      skippingBlock_ = true;  // the box's contents follow up to an empty line
    } else if (auto continuation = WarningContinuation(line)) {
      const std::string message = JoinContinuation(line, *continuation);
      Add(EntryKind::kWarning, NumberAfter(message, " on input line "), InMainFile(), message);
    } else {
      TrackFiles(line);
    }
  }

  void Add(EntryKind kind, int line, bool inDocument, std::string message) {
    summary_.entries.push_back({kind, line, inDocument && line > 0, std::move(message)});
  }

  // Continuation lines start with "(name)" followed by blanks.
  std::string JoinContinuation(std::string_view first, std::string_view prefix) {
    std::string message(first);
    while (index_ + 1 < lines_.size() && lines_[index_ + 1].substr(0, prefix.size()) == prefix) {
      std::string_view next = lines_[++index_].substr(prefix.size());
      next.remove_prefix(std::min(next.find_first_not_of(' '), next.size()));
      message.append(" ").append(next);
    }
    return message;
  }

  // The "l.N" line that TeX shows a few lines below an error.
  int ContextLine() const {
    for (size_t i = index_ + 1; i < lines_.size() && i < index_ + 12; ++i) {
      if (lines_[i].substr(0, 2) == "l.") return LeadingNumber(lines_[i].substr(2)).value_or(0);
    }
    return 0;
  }

  // TeX shows "(name" when it opens a file and ")" when it closes it.
  void TrackFiles(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '(') {
        const size_t end = std::min(line.find_first_of(" ()\t", i + 1), line.size());
        const std::string_view token = line.substr(i + 1, end - i - 1);
        if (firstFile_.empty() && LooksLikeFile(token)) firstFile_ = token;
        files_.emplace_back(token);
        i = end - 1;
      } else if (line[i] == ')' && !files_.empty()) {
        files_.pop_back();
      }
    }
  }

  // Whether the innermost open file is the document (the first file opened).
  bool InMainFile() const {
    const auto open = std::find_if(files_.rbegin(), files_.rend(), [](const std::string& f) { return LooksLikeFile(f); });
    return open != files_.rend() && *open == firstFile_;
  }

  bool IsMainFile(std::string_view file) const {
    if (file.substr(0, 2) == "./") file.remove_prefix(2);
    std::string_view first = firstFile_;
    if (first.substr(0, 2) == "./") first.remove_prefix(2);
    return file == mainFile_ || (!first.empty() && file == first);
  }

  std::vector<std::string_view> lines_;
  std::string_view mainFile_;
  size_t index_ = 0;
  bool skippingBlock_ = false;
  std::vector<std::string> files_;
  std::string firstFile_;
  LogSummary summary_;
};

}  // namespace

int LogSummary::Count(EntryKind kind) const {
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [&](const LogEntry& e) { return e.kind == kind; }));
}

LogSummary ParseLog(std::string_view log, std::string_view mainFile) { return Parser(log, mainFile).Run(); }

}  // namespace zumoku::typeset
