#pragma once
// The font style commands of the "書体" menu: one operation, seven opening
// texts, and the removal of a font command.
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::font {

inline constexpr std::string_view kBold = "\\textbf{";
inline constexpr std::string_view kItalic = "\\textit{";
inline constexpr std::string_view kEmphasis = "\\emph{";
inline constexpr std::string_view kTypewriter = "\\texttt{";
inline constexpr std::string_view kSansSerif = "\\textsf{";
inline constexpr std::string_view kSmallCaps = "\\textsc{";
inline constexpr std::string_view kSlanted = "\\textsl{";

// Wraps the selection as opening + S + "}". A selection that is exactly one
// command with one braced argument has its command exchanged instead; any
// other selection is wrapped whole, so no selected text is lost.
void ApplyStyle(EditBuffer& buffer, std::string_view opening);

// Leaves only the argument of a selection that is exactly one command with
// one braced argument; does nothing to any other selection.
void RemoveStyle(EditBuffer& buffer);

}  // namespace zumoku::font
