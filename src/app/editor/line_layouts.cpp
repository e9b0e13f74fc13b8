#include "app/editor/line_layouts.h"

#include <QFontMetricsF>
#include <QTextOption>

#include "encoding/codec.h"

namespace zumoku {

void LineLayouts::SetFormatter(Formatter formatter) {
  formatter_ = std::move(formatter);
  layouts_.clear();
}

void LineLayouts::SetFont(const QFont& font) {
  font_ = font;
  layouts_.clear();
}

void LineLayouts::SetTabWidth(int spaces) {
  tabWidth_ = spaces;
  layouts_.clear();
}

qreal LineLayouts::TabStop() const { return tabWidth_ * QFontMetricsF(font_).horizontalAdvance(u' '); }

void LineLayouts::Follow(const TextChange& change) {
  std::map<int, std::unique_ptr<QTextLayout>> kept;
  const int shift = change.linesAdded - change.linesRemoved;
  // The lines touched are the first one and one more per line end taken out.
  const int lastTouched = change.firstLine + change.linesRemoved;
  for (auto& [line, layout] : layouts_) {
    if (line < change.firstLine) kept.emplace(line, std::move(layout));
    if (line > lastTouched) kept.emplace(line + shift, std::move(layout));
  }
  layouts_ = std::move(kept);
}

void LineLayouts::SetWidth(qreal width) {
  if (width == width_) return;
  width_ = width;
  layouts_.clear();
}

void LineLayouts::Wrap(QTextLayout& layout, qreal width, qreal tabStop) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setTabStopDistance(tabStop);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  layout.beginLayout();
  qreal y = 0;
  for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
    row.setLineWidth(width);
    row.setPosition({0, y});
    y += row.height();
  }
  layout.endLayout();
}

QTextLayout& LineLayouts::Layout(int line) {
  std::unique_ptr<QTextLayout>& layout = layouts_[line];
  if (layout) return *layout;
  const QString text = codec::Decode(buffer_.Lines().Get(line), buffer_.TextEncoding());
  layout = std::make_unique<QTextLayout>(text, font_);
  if (formatter_) layout->setFormats(formatter_(line, text));
  Wrap(*layout, width_, TabStop());
  return *layout;
}

int LineLayouts::CountRows(int line) {
  if (const auto held = layouts_.find(line); held != layouts_.end()) return held->second->lineCount();
  QTextLayout layout(codec::Decode(buffer_.Lines().Get(line), buffer_.TextEncoding()), font_);
  Wrap(layout, width_, TabStop());
  return layout.lineCount();
}

qreal LineLayouts::Height(int line) {
  const QTextLayout& layout = Layout(line);
  const QTextLine last = layout.lineAt(layout.lineCount() - 1);
  return last.y() + last.height();
}

int LineLayouts::ColumnOf(int line, std::size_t byteInLine) {
  const QString text = Layout(line).text();
  const Encoding encoding = buffer_.TextEncoding();
  std::size_t bytes = 0;
  int column = 0;
  while (column < text.size() && bytes < byteInLine) bytes += codec::ByteLength(text[column++], encoding);
  return column;
}

std::size_t LineLayouts::ByteOf(int line, int column) {
  const QString text = Layout(line).text();
  return static_cast<std::size_t>(codec::ByteLength(QStringView(text).left(column), buffer_.TextEncoding()));
}

void LineLayouts::KeepOnly(int first, int last, int keep) {
  std::erase_if(layouts_,
                [&](const auto& entry) { return entry.first != keep && (entry.first < first || entry.first > last); });
}

}  // namespace zumoku
