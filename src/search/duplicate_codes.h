#pragma once
// Shift_JIS codes that stand for the same character: NEC's row 13 beside
// JIS X 0208 (≒ 0x8790 and 0x81E0) and NEC's selection of IBM's extension
// beside IBM's own (纊 0xED40 and 0xFA5C). A file may hold either.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::search {

// Every two-byte code of the character `code` (two bytes) stands for, `code`
// itself first; just `code` when it has no other.
std::vector<std::string> SjisCodesOfSameCharacter(std::string_view code);

}  // namespace zumoku::search
