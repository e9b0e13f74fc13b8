#pragma once
// The size commands of the "文字サイズ" menu: one operation, ten opening
// texts, and the removal of a size group.
#include <optional>
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"

namespace zumoku::size {

inline constexpr std::string_view kHuge10 = "{\\Huge ";
inline constexpr std::string_view kHuge9 = "{\\huge ";
inline constexpr std::string_view kLARGE8 = "{\\LARGE ";
inline constexpr std::string_view kLarge7 = "{\\Large ";
inline constexpr std::string_view kLarge6 = "{\\large ";
inline constexpr std::string_view kNormalSize5 = "{\\normalsize ";
inline constexpr std::string_view kSmall4 = "{\\small ";
inline constexpr std::string_view kFootnoteSize3 = "{\\footnotesize ";
inline constexpr std::string_view kScriptSize2 = "{\\scriptsize ";
inline constexpr std::string_view kTiny1 = "{\\tiny ";

// Always wraps as opening + S + "}": sizes nest, they are never exchanged.
void ApplySize(EditBuffer& buffer, std::string_view opening);

// The text of a selection that is exactly one size group: "{", a backslash,
// a declaration name, one blank, the text, and the "}" that closes the
// opening "{" as its last byte. nullopt for every other selection, so that
// taking a group off never drops text that is not part of the declaration.
std::optional<std::string> SizeGroupText(std::string_view s, Encoding encoding);

// Replaces a selection that is exactly one size group by its text; leaves
// every other selection alone.
void RemoveSize(EditBuffer& buffer);

}  // namespace zumoku::size
