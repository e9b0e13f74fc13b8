#pragma once
// The shape most markup commands share: opening text + selection + closing
// text, written back in one replacement of the selection.
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku {

struct Wrapper {
  std::string_view opening;
  std::string_view closing;
};

void Wrap(EditBuffer& buffer, const Wrapper& wrapper);

}  // namespace zumoku
