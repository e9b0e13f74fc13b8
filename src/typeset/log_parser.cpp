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

// The log's lines one after another, without their line ends. Read in
// place: a long log is not split into a list first.
class Lines {
 public:
  explicit Lines(std::string_view log) : rest_(log) {}

  bool AtEnd() const { return rest_.empty(); }
  std::string_view Next() {
    const size_t end = std::min(rest_.find('\n'), rest_.size());
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(std::min(end + 1, rest_.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
  }
  std::string_view Peek() const { return Lines(*this).Next(); }

 private:
  std::string_view rest_;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of s, if s starts with one.
std::optional<int> LeadingNumber(std::string_view s) {
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end == s.data()) return std::nullopt;
  return value;
}

// The number after the last occurrence of `marker`, or 0. (find_end
// compares in place, where rfind calls memcmp at every position.)
int NumberAfter(std::string_view s, std::string_view marker) {
  const auto at = std::find_end(s.begin(), s.end(), marker.begin(), marker.end());
  if (at == s.end()) return 0;
  return LeadingNumber(s.substr(at - s.begin() + marker.size())).value_or(0);
}

// TeX names the files it opens by path: "./doc.tex", "/usr/share/...",
// "C:\\...". Other parentheses ("(preloaded format=platex)") are text.
bool LooksLikeFile(std::string_view token) {
  return token.starts_with("./") || token.starts_with("../") || token.starts_with('/') ||
         (token.size() > 2 && token[1] == ':' && (token[2] == '\\' || token[2] == '/'));
}

bool EndsToken(char c) { return c == ' ' || c == '(' || c == ')' || c == '\t'; }

struct FileLineError {
  std::string_view file;
  int line;
  std::string_view message;
};

// "file:line: message"; the file may itself hold colons (C:\...).
std::optional<FileLineError> ParseFileLineError(std::string_view line) {
  if (line.empty() || line.front() == ' ') return std::nullopt;
  for (size_t colon = line.find(':', 1); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
    size_t digitsEnd = colon + 1;
    while (digitsEnd < line.size() && IsDigit(line[digitsEnd])) ++digitsEnd;
    if (digitsEnd == colon + 1 || !line.substr(digitsEnd).starts_with(": ")) continue;
    const auto number = LeadingNumber(line.substr(colon + 1));
    if (!number) continue;
    return FileLineError{line.substr(0, colon), *number, line.substr(digitsEnd + 2)};
  }
  return std::nullopt;
}

// "LaTeX Warning: ", "LaTeX Font Warning: ", "Package foo Warning: ",
// "Class bar Warning: ": the prefix of its continuation lines ("(Font)",
// "(foo)"), or nullopt when the line starts no warning.
std::optional<std::string> WarningContinuation(std::string_view line) {
  if (line.starts_with("LaTeX Warning: ")) return "(LaTeX)";
  for (std::string_view opener : {"Package ", "Class ", "LaTeX "}) {
    if (!line.starts_with(opener)) continue;
    // Found by its rarer first letter; the blank before it ends the name.
    const size_t at = line.find("Warning: ", opener.size());
    if (at == std::string_view::npos || line[at - 1] != ' ') return std::nullopt;
    const std::string_view name = line.substr(opener.size(), at - 1 - opener.size());
    if (name.find(' ') != std::string_view::npos) return std::nullopt;
    return "(" + std::string(name) + ")";
  }
  return std::nullopt;
}

bool AsksForRerun(std::string_view text) {
  return std::any_of(kRerunPhrases.begin(), kRerunPhrases.end(),
                     [&](std::string_view phrase) { return text.find(phrase) != std::string_view::npos; });
}

// "(name)" and blanks, then text: a line that goes on a package's warning.
bool IsContinuationLine(std::string_view line) {
  const size_t close = line.starts_with('(') ? line.find(')') : std::string_view::npos;
  return close != std::string_view::npos && line.substr(close + 1).starts_with(' ');
}

// The next place of one byte in the whole log at or after a given one. Each
// search runs over the rest of the log at once, so that lines without the
// byte cost no search of their own.
class NextByte {
 public:
  NextByte(std::string_view log, char byte) : log_(log), byte_(byte) {}

  size_t From(size_t at) {
    if (next_ < at) next_ = std::min(log_.find(byte_, at), log_.size());
    return next_;
  }

 private:
  std::string_view log_;
  char byte_;
  size_t next_ = 0;
};

class Parser {
 public:
  Parser(std::string_view log, std::string_view mainFile)
      : log_(log), lines_(log), mainFile_(mainFile), nextOpen_(log, '('), nextClose_(log, ')') {}

  LogSummary Run() {
    while (!lines_.AtEnd()) Read(lines_.Next());
    return std::move(summary_);
  }

 private:
  void Read(std::string_view line) {
    if (skippingBlock_) {
      skippingBlock_ = !line.empty();
      return;
    }
    if (auto error = ParseFileLineError(line)) {
      Add(EntryKind::kError, error->line, IsErrorInMainFile(error->file), std::string(error->message),
          ErrorFile(error->file));
      skippingBlock_ = true;  // the context lines quote the source
    } else if (line.starts_with("! ")) {
      Add(EntryKind::kError, ContextLine(), InMainFile(), std::string(line.substr(2)));
      skippingBlock_ = true;
    } else if (line.starts_with("Overfull ") || line.starts_with("Underfull ")) {
      const int at = std::max(NumberAfter(line, " at lines "), NumberAfter(line, " at line "));
      Add(EntryKind::kBadBox, at, InMainFile(), std::string(line));
      skippingBlock_ = true;  // the box's contents follow up to an empty line
    } else if (auto continuation = WarningContinuation(line)) {
      std::string message = JoinContinuation(line, *continuation);
      summary_.rerunRequested |= AsksForRerun(message);
      const int at = NumberAfter(message, " on input line ");
      Add(EntryKind::kWarning, at, InMainFile(), std::move(message));
    } else {
      // Rerun requests come in warnings; a continuation line may stand
      // alone when its head was not a warning we know.
      if (IsContinuationLine(line)) summary_.rerunRequested |= AsksForRerun(line);
      TrackFiles(line);
    }
  }

  void Add(EntryKind kind, int line, bool inDocument, std::string message) {
    Add(kind, line, inDocument, std::move(message), CurrentFile());
  }
  void Add(EntryKind kind, int line, bool inDocument, std::string message, std::string_view file) {
    if (file.starts_with("./")) file.remove_prefix(2);
    summary_.entries.push_back({kind, line, inDocument && line > 0, std::move(message), std::string(file)});
  }

  // Continuation lines start with "(name)" followed by blanks.
  std::string JoinContinuation(std::string_view first, std::string_view prefix) {
    std::string message(first);
    while (!lines_.AtEnd() && lines_.Peek().starts_with(prefix)) {
      std::string_view next = lines_.Next().substr(prefix.size());
      next.remove_prefix(std::min(next.find_first_not_of(' '), next.size()));
      message.append(" ").append(next);
    }
    return message;
  }

  // The "l.N" line that TeX shows a few lines below an error.
  int ContextLine() const {
    Lines below = lines_;
    for (int i = 0; i < 11 && !below.AtEnd(); ++i) {
      const std::string_view line = below.Next();
      if (line.starts_with("l.")) return LeadingNumber(line.substr(2)).value_or(0);
    }
    return 0;
  }

  // TeX shows "(name" when it opens a file and ")" when it closes it. Each
  // "(" that names no file (text in parentheses) inherits whether the file
  // around it is the document, so that the answer is always on top.
  void TrackFiles(std::string_view line) {
    const size_t start = line.data() - log_.data();
    const size_t end = start + line.size();
    if (nextOpen_.From(start) >= end && nextClose_.From(start) >= end) return;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '(') {
        size_t tokenEnd = i + 1;
        while (tokenEnd < line.size() && !EndsToken(line[tokenEnd])) ++tokenEnd;
        const std::string_view token = line.substr(i + 1, tokenEnd - i - 1);
        if (!LooksLikeFile(token)) {
          openFiles_.push_back({InMainFile(), CurrentFile()});
        } else {
          if (firstFile_.empty()) firstFile_ = token;
          openFiles_.push_back({token == firstFile_, token});
        }
        i = tokenEnd - 1;
      } else if (line[i] == ')' && !openFiles_.empty()) {
        openFiles_.pop_back();
      }
    }
  }

  // Whether the innermost open file is the document (the first file opened).
  bool InMainFile() const { return !openFiles_.empty() && openFiles_.back().isDocument; }
  // The innermost open file, as the log names it; empty before the first.
  std::string_view CurrentFile() const { return openFiles_.empty() ? std::string_view() : openFiles_.back().name; }

  bool IsMainFile(std::string_view file) const {
    if (file.starts_with("./")) file.remove_prefix(2);
    std::string_view first = firstFile_;
    if (first.starts_with("./")) first.remove_prefix(2);
    return file == mainFile_ || (!first.empty() && file == first);
  }

  // pLaTeX reading UTF-8 writes a name outside ASCII before an error in its
  // inner code (EUC-JP), though "(name" showed the name's own bytes: such a
  // name is judged by the file open where the error stands.
  bool IsErrorInMainFile(std::string_view file) const {
    const bool ascii =
        std::all_of(file.begin(), file.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return IsMainFile(file) || (!ascii && InMainFile());
  }
  // The same reason: such a name is taken from the open file's "(name".
  std::string_view ErrorFile(std::string_view file) const {
    const bool ascii =
        std::all_of(file.begin(), file.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii || CurrentFile().empty() ? file : CurrentFile();
  }

  std::string_view log_;
  Lines lines_;
  std::string_view mainFile_;
  bool skippingBlock_ = false;
  NextByte nextOpen_, nextClose_;
  // For each "(" not yet closed, the innermost file and whether it is the document.
  struct OpenFile {
    bool isDocument = false;
    std::string_view name;
  };
  std::vector<OpenFile> openFiles_;
  std::string_view firstFile_;
  LogSummary summary_;
};

}  // namespace

int LogSummary::Count(EntryKind kind) const {
  return static_cast<int>(
      std::count_if(entries.begin(), entries.end(), [&](const LogEntry& e) { return e.kind == kind; }));
}

LogSummary ParseLog(std::string_view log, std::string_view mainFile) { return Parser(log, mainFile).Run(); }

bool IsHalfWidthKanaError(const LogEntry& entry) {
  constexpr std::string_view kCode = "(U+";
  const std::string_view message = entry.message;
  const size_t at = message.find(kCode);
  if (entry.kind != EntryKind::kError || message.find("Unicode character") == std::string_view::npos ||
      at == std::string_view::npos) {
    return false;
  }
  unsigned code = 0;
  const char* digits = message.data() + at + kCode.size();
  const auto [end, error] = std::from_chars(digits, message.data() + message.size(), code, 16);
  return error == std::errc() && end - digits == 4 && code >= 0xFF61 && code <= 0xFF9F;
}

}  // namespace zumoku::typeset
