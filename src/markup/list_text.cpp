#include "markup/list_text.h"

#include <vector>

#include "encoding/line_ends.h"

namespace zumoku::list {

std::string ListText(const ListShape& shape, int count, bool headingLineBreak) {
  std::vector<std::string_view> lines;
  if (!shape.beginLine.empty()) lines.push_back(shape.beginLine);
  const std::string_view item = headingLineBreak ? shape.itemLineWithBreak : shape.itemLine;
  for (int n = 0; n < count; ++n) lines.push_back(item);
  if (!shape.endLine.empty()) lines.push_back(shape.endLine);
  return JoinLines(lines);
}

void InsertList(EditBuffer& buffer, const ListShape& shape, int count, bool headingLineBreak) {
  buffer.SetSelText(ListText(shape, count, headingLineBreak));
}

std::string SpaceText(const SpaceShape& shape, int count) {
  std::string text;
  for (int n = 0; n < count; ++n) text.append(shape.unit);
  text.append(shape.tail);
  return text;
}

void InsertSpaces(EditBuffer& buffer, const SpaceShape& shape, int count) {
  buffer.SetSelText(SpaceText(shape, count));
}

}  // namespace zumoku::list
