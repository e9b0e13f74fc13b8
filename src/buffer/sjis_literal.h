#pragma once
// Japanese literals that are written into the document, converted once from
// the UTF-8 source text to Shift_JIS bytes.
#include <string>
#include <string_view>

namespace zumoku {

std::string Sjis(std::string_view utf8);

}  // namespace zumoku
