#pragma once
// The list commands of the "箇条書き" menu and the runs of spaces of the
// "空白" menu: a fixed line or unit repeated a chosen number of times.
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::list {

// A list: an optional begin line, `count` item lines, an optional end line.
// Each line literal ends in its own CR; joining adds CR LF after every line.
struct ListShape {
  std::string_view beginLine;  // empty: no begin line
  std::string_view itemLine;
  std::string_view itemLineWithBreak;  // the item line when a break follows the heading
  std::string_view endLine;            // empty: no end line
};

inline constexpr ListShape kItemize = {"\\begin{itemize}\r", "        \\item \r", "        \\item \r",
                                       "\\end{itemize}\r"};
inline constexpr ListShape kEnumerate = {"\\begin{enumerate}\r", "        \\item \r", "        \\item \r",
                                         "\\end{enumerate}\r"};
inline constexpr ListShape kDescription = {"\\begin{description}\r", "        \\item[ ] \r",
                                           "        \\item[ ] \\mbox{} \\\\ \r", "\\end{description}\r"};
inline constexpr ListShape kItems = {"", "        \\item \r", "        \\item \r", ""};
inline constexpr ListShape kHeadingItems = {"", "        \\item[ ] \r", "        \\item[ ] \\mbox{} \\\\\r", ""};

// Whether the count dialog offers the heading line break for this list.
constexpr bool OffersHeadingLineBreak(const ListShape& shape) { return shape.itemLine != shape.itemLineWithBreak; }

// A count of 0 or less gives no item lines.
std::string ListText(const ListShape& shape, int count, bool headingLineBreak);
void InsertList(EditBuffer& buffer, const ListShape& shape, int count, bool headingLineBreak);

// A run of spaces: `count` units followed by one tail.
struct SpaceShape {
  std::string_view unit;
  std::string_view tail;
};

inline constexpr SpaceShape kControlSpaces = {" \\", " "};
inline constexpr SpaceShape kTies = {"~", ""};

// A count of 0 or less gives the tail alone.
std::string SpaceText(const SpaceShape& shape, int count);
void InsertSpaces(EditBuffer& buffer, const SpaceShape& shape, int count);

}  // namespace zumoku::list
