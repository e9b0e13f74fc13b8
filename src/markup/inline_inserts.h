#pragma once
// The inserts of the "TeX基本コマンド", quote, footnote and section entries:
// logos, wrappers, margin notes, verbatim text and emphasis dots.
#include <string_view>

#include "buffer/edit_buffer.h"
#include "markup/wrap.h"

namespace zumoku::insert {

// Logos replace the selection whole; each ends in one blank.
inline constexpr std::string_view kTeX = "\\TeX ";
inline constexpr std::string_view kLaTeX = "\\LaTeX ";
inline constexpr std::string_view kLaTeXe = "\\LaTeXe ";

inline constexpr Wrapper kQuotes = {"``", "''"};
inline constexpr Wrapper kFootnote = {"\\footnote{", "} "};
inline constexpr Wrapper kMarginpar = {"\\marginpar{", "}"};
inline constexpr Wrapper kReverseMarginpar = {"\\reversemarginpar{", "}"};
inline constexpr Wrapper kSection = {"\\section{", "}"};
inline constexpr Wrapper kSubsection = {"\\subsection{", "}"};

// "\marginpar[左：" + S + "]{右：" + S + "}": the same text in both margins.
void MarginNoteBothSides(EditBuffer& buffer);

inline constexpr std::string_view kVerb = "\\verb|";
inline constexpr std::string_view kVerbStar = "\\verb*|";
// opening + S + "|", unless S holds a byte 0x7C anywhere (even as the second
// byte of a double-byte character), which would end the verbatim text early
// for a reader that does not know Shift_JIS; then nothing changes.
void InlineVerbatim(EditBuffer& buffer, std::string_view opening);

inline constexpr std::string_view kVerbatim = "verbatim";
inline constexpr std::string_view kVerbatimStar = "verbatim*";
// The begin line, the selection and the end line of the environment, each
// followed by a line end.
void VerbatimBlock(EditBuffer& buffer, std::string_view environment);

// Each double-byte character c of the selection becomes \.{c}; single-byte
// characters stay as they are, so no character is split or lost.
void EmphasisDots(EditBuffer& buffer);

}  // namespace zumoku::insert
