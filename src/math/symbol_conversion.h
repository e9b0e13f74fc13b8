#pragma once
// Full-width symbols and katakana function names in the selection become
// LaTeX commands.
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::math {

// Every occurrence of `pattern` that begins on a character boundary, left to
// right, replaced by `replacement`; replaced text is not searched again.
std::string ReplaceCharacters(std::string_view text, std::string_view pattern, std::string_view replacement,
                              Encoding encoding);

// Every line ended by CR LF (EndEveryLine), then the symbol table in order.
std::string ConvertSymbols(std::string_view text, Encoding encoding);

// Replaces the selection by its converted text.
void ConvertSelectedSymbols(EditBuffer& buffer);

}  // namespace zumoku::math
