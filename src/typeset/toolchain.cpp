#include "typeset/toolchain.h"

#include <algorithm>
#include <array>
#include <optional>

#include "encoding/line_ends.h"

namespace zumoku::typeset {

namespace {

constexpr std::string_view kSpaces = " \t\r\n";

std::string_view Trimmed(std::string_view text) {
  const size_t start = text.find_first_not_of(kSpaces);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kSpaces) - start + 1);
}

// `%#!platex ...` or `%#!uplatex ...`; another program is no engine of ours.
std::optional<Engine> MagicCommentEngine(std::string_view line) {
  constexpr std::string_view kMagic = "%#!";
  if (!line.starts_with(kMagic)) return std::nullopt;
  const std::string_view command = Trimmed(line.substr(kMagic.size()));
  const std::string_view program = command.substr(0, command.find_first_of(" \t"));
  if (program == "platex") return Engine::kPlatex;
  if (program == "uplatex") return Engine::kUplatex;
  return std::nullopt;
}

// The line up to its comment (a '%' no backslash escapes), each character
// outside ASCII as one byte 0x80: a Shift_JIS trail byte may be '\', '{' or
// '}', which must not be read as LaTeX's.
std::string AsciiBeforeComment(std::string_view line, Encoding encoding) {
  std::string ascii;
  bool escaped = false;
  for (size_t at = 0; at < line.size();) {
    const size_t length = CharLengthAt(line, at, encoding);
    const char c = line[at];
    if (c == '%' && !escaped) break;
    escaped = c == '\\' && !escaped;
    ascii += length == 1 && static_cast<unsigned char>(c) < 0x80 ? c : '\x80';
    at += length;
  }
  return ascii;
}

bool HasOption(std::string_view options, std::string_view wanted) {
  while (!options.empty()) {
    const size_t comma = std::min(options.find(','), options.size());
    if (Trimmed(options.substr(0, comma)) == wanted) return true;
    options.remove_prefix(std::min(comma + 1, options.size()));
  }
  return false;
}

// `classLine` follows "\documentclass": [options]{name}, spaces and line
// ends allowed between.
bool AsksForUplatex(std::string_view classLine) {
  constexpr std::array<std::string_view, 6> kUplatexClasses = {"ujarticle", "ujreport", "ujbook",
                                                               "utarticle", "utreport", "utbook"};
  std::string_view options;
  classLine = Trimmed(classLine);
  if (classLine.starts_with('[')) {
    const size_t close = classLine.find(']');
    if (close == std::string_view::npos) return false;
    options = classLine.substr(1, close - 1);
    classLine = Trimmed(classLine.substr(close + 1));
  }
  if (!classLine.starts_with('{')) return false;
  const std::string_view name = Trimmed(classLine.substr(1, classLine.find('}') - 1));
  return std::find(kUplatexClasses.begin(), kUplatexClasses.end(), name) != kUplatexClasses.end() ||
         HasOption(options, "uplatex");
}

// The class command stands at the top of a preamble: it is looked for in
// the text's first bytes only, and its options and name within a few lines,
// so that an unclosed bracket does not make the choice read the whole text.
constexpr size_t kClassSearchBytes = 1 << 20;
constexpr int kClassCommandLines = 100;

Engine ClassEngine(std::string_view text, Encoding encoding) {
  constexpr std::string_view kCommand = "\\documentclass";
  text = text.substr(0, kClassSearchBytes);
  std::string classLine;  // from the command to the brace that closes the name
  int classLines = 0;     // lines of it read so far
  while (!text.empty() && classLines < kClassCommandLines) {
    const std::string line = AsciiBeforeComment(TakeLoadedLine(text), encoding);
    size_t newPart = classLine.size();
    if (classLines > 0) {
      classLine += '\n' + line;
    } else if (const size_t at = line.find(kCommand); at != std::string::npos) {
      classLine = line.substr(at + kCommand.size());
      newPart = 0;
    } else if (line.find("\\begin{document}") != std::string::npos) {
      break;  // a part of a document, without a class of its own
    } else {
      continue;
    }
    ++classLines;
    if (classLine.find('}', newPart) != std::string::npos) {
      return AsksForUplatex(classLine) ? Engine::kUplatex : Engine::kPlatex;
    }
  }
  return Engine::kPlatex;
}

}  // namespace

Toolchain ChooseToolchain(std::string_view text, Encoding encoding) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (encoding == Encoding::kUtf8 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::string_view top = text;
  for (int line = 0; line < kMagicCommentLines && !top.empty(); ++line) {
    if (const auto engine = MagicCommentEngine(TakeLoadedLine(top))) return {*engine, encoding};
  }
  return {ClassEngine(text, encoding), encoding};
}

}  // namespace zumoku::typeset
