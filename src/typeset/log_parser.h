#pragma once
// Reads a pLaTeX or upLaTeX log (bytes in the document's encoding, run with
// -file-line-error) for what the user has to act on: errors, LaTeX, class
// and package warnings, overfull and underfull boxes, and whether the log
// asks for another run to settle cross-references. Plain C++: the log is
// never decoded here, since every pattern it looks for is ASCII and no byte
// inside a Shift_JIS or UTF-8 character is one of '(', ')', ':' or a digit.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::typeset {

enum class EntryKind { kError, kWarning, kBadBox };

struct LogEntry {
  EntryKind kind = EntryKind::kError;
  int line = 0;             // 1-based source line; 0 when the log names none
  bool inDocument = false;  // the line is one of the typeset document's own
  std::string message;      // in the document's encoding, continuation lines joined
  // The file of `line` as the log names it, "./" taken off: relative to the
  // folder of the run, or absolute; empty when the log names none.
  std::string file = {};

  bool operator==(const LogEntry&) const = default;
};

struct LogSummary {
  std::vector<LogEntry> entries;
  bool rerunRequested = false;

  int Count(EntryKind kind) const;
};

// `mainFile` is the file name LaTeX was given, as bytes.
LogSummary ParseLog(std::string_view log, std::string_view mainFile);

// Whether the entry is LaTeX refusing a half-width kana (U+FF61 to U+FF9F),
// which pLaTeX cannot typeset from UTF-8 ("Unicode character ... (U+FF76)").
bool IsHalfWidthKanaError(const LogEntry& entry);

}  // namespace zumoku::typeset
