#pragma once
// The colours LaTeX source is shown in, by kind of span, and one line of
// shown text read into coloured ranges: shared by the highlighters of both
// editors, so that they colour alike.
#include <QList>
#include <QPalette>
#include <QString>
#include <QTextCharFormat>
#include <QTextLayout>
#include <array>

#include "highlight/latex_line_scanner.h"

namespace zumoku {

// How far back from the first shown line a state is looked for before the
// text state is assumed: jumping into a large document never reads it all.
inline constexpr int kLookBack = 2000;
// An idle step's time, short enough for a key pressed meanwhile to go
// unnoticed, whatever the lines' lengths; reading the clock after each line
// costs little beside scanning it.
inline constexpr int kIdleStepMilliseconds = 5;

// By SpanKind, verbatim left out.
using LatexFormats = std::array<QTextCharFormat, 5>;

// From the platform palette's own colours, so that a dark theme stays readable.
LatexFormats LatexFormatsFrom(const QPalette& palette);

struct ColouredLine {
  QList<QTextLayout::FormatRange> ranges;
  highlight::LineState end = highlight::LineState::kText;
};

// `text` (one line, no line end) started in `start`: its coloured ranges,
// verbatim text in the text's own colour, and the state the next line starts in.
ColouredLine ColourLine(const QString& text, highlight::LineState start, const LatexFormats& formats);
// The state only, without ranges.
highlight::LineState EndStateOf(const QString& text, highlight::LineState start);

}  // namespace zumoku
