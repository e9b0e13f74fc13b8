#include "app/editor/latex_colours.h"

namespace zumoku {

namespace {
using highlight::SpanKind;

QTextCharFormat Coloured(const QColor& colour, bool italic = false) {
  QTextCharFormat format;
  format.setForeground(colour);
  if (italic) format.setFontItalic(true);
  return format;
}

QColor Between(const QColor& a, const QColor& b) {
  return QColor::fromRgbF((a.redF() + b.redF()) / 2, (a.greenF() + b.greenF()) / 2, (a.blueF() + b.blueF()) / 2);
}

highlight::ScannedLine Scan(const QString& text, highlight::LineState start) {
  return highlight::ScanLine(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()), start);
}
}  // namespace

LatexFormats LatexFormatsFrom(const QPalette& palette) {
  LatexFormats formats;
  formats[static_cast<int>(SpanKind::kCommand)] = Coloured(palette.color(QPalette::Link));
  formats[static_cast<int>(SpanKind::kComment)] = Coloured(palette.color(QPalette::PlaceholderText), true);
  formats[static_cast<int>(SpanKind::kMath)] = Coloured(palette.color(QPalette::LinkVisited));
  formats[static_cast<int>(SpanKind::kEnvironment)] = Coloured(palette.color(QPalette::Link), true);
  formats[static_cast<int>(SpanKind::kBracket)] =
      Coloured(Between(palette.color(QPalette::Text), palette.color(QPalette::Link)));
  return formats;
}

ColouredLine ColourLine(const QString& text, highlight::LineState start, const LatexFormats& formats) {
  const highlight::ScannedLine scanned = Scan(text, start);
  ColouredLine coloured{.ranges = {}, .end = scanned.end};
  coloured.ranges.reserve(static_cast<qsizetype>(scanned.spans.size()));
  for (const highlight::Span& span : scanned.spans) {
    if (span.kind == SpanKind::kVerbatim) continue;
    coloured.ranges.push_back({span.start, span.length, formats.at(static_cast<std::size_t>(span.kind))});
  }
  return coloured;
}

highlight::LineState EndStateOf(const QString& text, highlight::LineState start) { return Scan(text, start).end; }

}  // namespace zumoku
