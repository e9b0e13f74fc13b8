#pragma once
// Japanese literals that commands write into the document, converted from the
// program's UTF-8 source text to the document's encoding.
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku {

std::string Literal(std::string_view utf8, Encoding encoding);

}  // namespace zumoku
