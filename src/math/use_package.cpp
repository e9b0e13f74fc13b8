#include "math/use_package.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "encoding/char_positions.h"
#include "encoding/line_ends.h"

namespace zumoku::math {

namespace {
constexpr std::string_view kUsePackage = "\\usepackage{";
constexpr std::string_view kBlanks = " \t\r\n";

std::string PackageLine(std::string_view package, std::string_view options = {}) {
  return "\\usepackage" + std::string(options) + "{" + std::string(package) + "}";
}

// The part of a line before its comment: a "%" that no backslash escapes.
std::string_view CodeOf(std::string_view line, Encoding encoding) {
  for (std::size_t at = 0; at < line.size();) {
    if (line[at] == '%') return line.substr(0, at);
    // A backslash is never inside a character here, so it escapes the next one.
    const bool escapes = line[at] == '\\' && at + 1 < line.size();
    at += escapes ? 1 + CharLengthAt(line, at + 1, encoding) : CharLengthAt(line, at, encoding);
  }
  return line;
}

// The lines from the one that ends the \documentclass command up to the
// \begin{document} line, both included; the first is line index `first`.
struct Preamble {
  int first = 0;
  std::vector<std::string_view> lines;
};

std::optional<Preamble> FindPreamble(std::string_view text, Encoding encoding) {
  Preamble preamble;
  bool inClass = false;  // the class's options may run over several lines
  std::size_t start = 0;
  for (int index = 0;; ++index) {
    const std::size_t end = text.find(kLineEnd, start);
    const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    const std::string_view code = CodeOf(line, encoding);
    if (!preamble.lines.empty()) {
      preamble.lines.push_back(line);
      if (CharPos("\\begin{document}", code, encoding) != 0) return preamble;
    } else if (const int at = inClass ? 1 : CharPos("\\documentclass", code, encoding); at != 0) {
      inClass = true;
      if (CharPos("}", code.substr(static_cast<std::size_t>(at - 1)), encoding) != 0) {
        preamble.first = index;
        preamble.lines.push_back(line);
      }
    }
    if (end == std::string_view::npos) return std::nullopt;
    start = end + kLineEnd.size();
  }
}

std::string_view Trimmed(std::string_view s) {
  s.remove_prefix(std::min(s.find_first_not_of(kBlanks), s.size()));
  return s.substr(0, s.find_last_not_of(kBlanks) + 1);
}

// The braced list after a command, past blanks and an optional [...].
std::optional<std::string_view> ListAfter(std::string_view code) {
  std::size_t open = code.find_first_not_of(kBlanks);
  if (open != std::string_view::npos && code[open] == '[') {
    const std::size_t options = code.find(']', open);
    open = options == std::string_view::npos ? options : code.find_first_not_of(kBlanks, options + 1);
  }
  if (open == std::string_view::npos || code[open] != '{') return std::nullopt;
  return code.substr(open + 1, code.find('}', open) - open - 1);
}

// True when `command` (\usepackage or \RequirePackage) names the package in
// its list, with or without options: "\usepackage[fleqn]{amsmath}",
// "\usepackage{amssymb, amsmath}".
bool NamesPackage(std::string_view code, std::string_view command, std::string_view package, Encoding encoding) {
  for (int at = CharPos(command, code, encoding); at != 0; at = CharPos(command, code, encoding)) {
    code.remove_prefix(static_cast<std::size_t>(at - 1) + command.size());
    std::string_view list = ListAfter(code).value_or(std::string_view());
    while (!list.empty()) {
      const std::size_t comma = std::min(list.find(','), list.size());
      if (Trimmed(list.substr(0, comma)) == package) return true;
      list.remove_prefix(std::min(comma + 1, list.size()));
    }
  }
  return false;
}

bool LoadsPackage(const Preamble& preamble, std::string_view package, Encoding encoding) {
  std::string code;
  for (const std::string_view line : preamble.lines) code.append(CodeOf(line, encoding)).append("\n");
  return NamesPackage(code, "\\usepackage", package, encoding) ||
         NamesPackage(code, "\\RequirePackage", package, encoding);
}

void AddLineAfter(EditBuffer& buffer, int index, std::string_view line) {
  EditLines& lines = buffer.Lines();
  lines.Put(index, lines.Get(index) + std::string(kLineEnd) + std::string(line));
}

// EnsurePackageLine on the buffer's text, already read.
bool AddPackageLine(EditBuffer& buffer, std::string_view text, std::string_view package, std::string_view options) {
  const Encoding encoding = buffer.TextEncoding();
  const auto preamble = FindPreamble(text, encoding);
  if (!preamble) return false;
  if (!LoadsPackage(*preamble, package, encoding)) AddLineAfter(buffer, preamble->first, PackageLine(package, options));
  return true;
}
}  // namespace

bool EnsureUsePackage(EditBuffer& buffer, std::string_view package) {
  const std::string text = buffer.Text();
  const Encoding encoding = buffer.TextEncoding();
  const auto preamble = FindPreamble(text, encoding);
  if (!preamble) return false;
  // The package line lies between the class line and the body's first line.
  const bool hasPackageLine = preamble->lines.size() > 2;
  const std::string_view line = hasPackageLine ? preamble->lines[1] : std::string_view();
  if ((hasPackageLine && CharPos(package, line, encoding) != 0) || LoadsPackage(*preamble, package, encoding)) {
    return true;
  }
  const int index = preamble->first + 1;
  if (const int at = CharPos(kUsePackage, CodeOf(line, encoding), encoding); hasPackageLine && at != 0) {
    std::string named(line);
    named.insert(at - 1 + kUsePackage.size(), std::string(package) + ",");
    buffer.Lines().Put(index, named);
  } else if (hasPackageLine && line.empty()) {
    buffer.Lines().Put(index, PackageLine(package));
  } else {
    AddLineAfter(buffer, preamble->first, PackageLine(package));
  }
  return true;
}

bool EnsurePackageLine(EditBuffer& buffer, std::string_view package, std::string_view options) {
  const std::string text = buffer.Text();
  return AddPackageLine(buffer, text, package, options);
}

bool EnsureAmsmathLine(EditBuffer& buffer) {
  const std::string text = buffer.Text();
  return CharPos(PackageLine("amsmath"), text, buffer.TextEncoding()) != 0 ||
         AddPackageLine(buffer, text, "amsmath", {});
}

}  // namespace zumoku::math
