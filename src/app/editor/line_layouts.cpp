#include "app/editor/line_layouts.h"

#include <QTextOption>

#include "encoding/codec.h"

namespace zumoku {

void LineLayouts::SetFont(const QFont& font) {
  font_ = font;
  layouts_.clear();
}

QTextLayout& LineLayouts::Layout(int line) {
  Entry& entry = layouts_[line];
  if (entry.layout && entry.revision == buffer_.Revision()) return *entry.layout;
  const QString text = codec::Decode(buffer_.Lines().Get(line), buffer_.TextEncoding());
  entry = {buffer_.Revision(), std::make_unique<QTextLayout>(text, font_)};
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  entry.layout->setTextOption(option);
  entry.layout->setCacheEnabled(true);
  entry.layout->beginLayout();
  entry.layout->createLine();
  entry.layout->endLayout();
  return *entry.layout;
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
