#pragma once
// Reads one line of LaTeX source into the spans a highlighter colours, and
// the state the next line starts in: as the editor shows it (UTF-16), or as
// a document's bytes, for the commands that must leave formulas, verbatim
// text and comments alone by the same rule. It reads only; what a span
// covers is the caller's text, unchanged.
#include <cstdint>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::highlight {

enum class SpanKind : std::uint8_t {
  kCommand,      // a control word or symbol: \section, \%, \\ ...
  kComment,      // an unescaped % to the line end
  kMath,         // a formula, its delimiters included
  kEnvironment,  // the name in \begin{...} and \end{...}
  kBracket,      // { } [ ]
  kVerbatim,     // a verbatim body, or \verb's delimiters and text: never coloured
};

struct Span {
  int start = 0;  // in UTF-16 code units, or bytes for a line of bytes
  int length = 0;
  SpanKind kind = SpanKind::kCommand;
  bool operator==(const Span&) const = default;
};

// What carries over a line end: the text, an open formula, or the body of a
// formula or verbatim environment (each environment its own state, so that
// only its own \end closes it).
enum class LineState : std::uint8_t {
  kText,
  kInlineMath,   // $...$
  kDisplayMath,  // $$...$$
  kParenMath,    // \(...\)
  kBracketMath,  // \[...\]
  kEquation,
  kEquationStar,
  kGather,
  kGatherStar,
  kAlign,
  kAlignStar,
  kVerbatim,
  kVerbatimStar,
};

struct ScannedLine {
  std::vector<Span> spans;  // in order, not overlapping; neighbours of one kind are joined
  LineState end = LineState::kText;
};

ScannedLine ScanLine(std::u16string_view line, LineState start);
// The same over a line of a document's bytes in `encoding` (no line end).
ScannedLine ScanLine(std::string_view line, LineState start, Encoding encoding);

}  // namespace zumoku::highlight
