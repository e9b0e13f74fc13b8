#pragma once
// The section heads of the text, "\section{" + name + "}": listing their
// names and moving the selection to one of them.
#include <string>
#include <string_view>
#include <vector>

#include "buffer/edit_buffer.h"

namespace zumoku::sections {

// The names of every head in text order, duplicates and empty names (a head
// without a closing brace) included. Afterwards nothing is selected and the
// caret stands where the selection began.
std::vector<std::string> ScanSections(EditBuffer& buffer);
struct SectionHead {
  std::string name;
  std::size_t offset = 0;  // of its backslash
};
// The same over a text in `encoding` (a file of the paper), with each head's place.
std::vector<SectionHead> SectionHeads(std::string_view text, Encoding encoding);

// Selects the head with this name that is the `nth` (from 0) of the heads of
// that name, or the last of them when there are fewer; false, with the
// selection left as it was, when there is none.
bool JumpToSection(EditBuffer& buffer, std::string_view name, int nth = 0);

}  // namespace zumoku::sections
