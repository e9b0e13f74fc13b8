#pragma once
// The flushleft, center and flushright blocks of the text context menu:
// added around the selection, exchanged for another alignment or removed,
// according to the blocks the selection held when the menu opened.
#include <array>
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::align {

enum Environment { kFlushLeft, kCenter, kFlushRight };
inline constexpr int kEnvironmentCount = 3;

struct EnvironmentTexts {
  std::string_view begin;
  std::string_view end;
  // Menu captions (UTF-8) while the selection lacks or holds the block.
  std::string_view captionAbsent;
  std::string_view captionPresent;
};

inline constexpr std::array<EnvironmentTexts, kEnvironmentCount> kEnvironments = {{
    {"\\begin{flushleft}", "\\end{flushleft}", "左揃え", "左揃えの解除"},
    {"\\begin{center}", "\\end{center}", "中央揃え", "中央揃えの解除"},
    {"\\begin{flushright}", "\\end{flushright}", "右揃え", "右揃えの解除"},
}};

// Which blocks the selection held when the menu opened, by Environment.
using PresentBlocks = std::array<bool, kEnvironmentCount>;

// A block counts as present when the selection holds both its begin and its
// end text, anywhere and in any order.
bool IsPresent(std::string_view s, Environment environment, Encoding encoding);
PresentBlocks FindPresentBlocks(std::string_view s, Encoding encoding);

// Another present block: its begin and end texts become those of
// `environment`. Otherwise its own present block: its begin and end texts
// are taken off. Otherwise, or when the alignment texts in the selection do
// not pair up as nested blocks, the selection is wrapped in a new block.
// Text outside the begin and end texts is always kept.
void Align(EditBuffer& buffer, Environment environment, const PresentBlocks& present);

}  // namespace zumoku::align
