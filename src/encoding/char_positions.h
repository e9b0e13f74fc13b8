#pragma once
// The string operations every command searches and cuts with, on the
// document's bytes in its encoding. Positions are 1-based byte positions;
// 0 means "not found".
#include <cstddef>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku {

// First occurrence of sub in s, matching on any byte.
int BytePos(std::string_view sub, std::string_view s);
// First occurrence of sub in s that begins on a character boundary.
int CharPos(std::string_view sub, std::string_view s, Encoding encoding);
// The same as a 0-based offset, searching from `from` (a character
// boundary); npos when there is none.
std::size_t CharFind(std::string_view sub, std::string_view s, std::size_t from, Encoding encoding);
// Count bytes from the 1-based position start, clamped; never fails.
std::string SubText(std::string_view s, int start, int count);

// The character boundary at or before byte offset `offset` (0-based): a
// position inside a double-byte character or between CR and LF moves back.
std::size_t FloorToCharBoundary(std::string_view s, std::size_t offset, Encoding encoding);
// The same, moving forward to the end of the split character instead.
std::size_t CeilToCharBoundary(std::string_view s, std::size_t offset, Encoding encoding);

}  // namespace zumoku
