#pragma once
// Where a paper's punctuation may be changed: the marks in its prose, found
// with the line scanner the highlighter colours by, so that what shows as a
// formula, verbatim text or a comment is left alone by the same rule. Also
// left alone: command names and control symbols, and the arguments that
// name things rather than say them (\label, \ref, \cite, \url, \href's
// first, \input, \include, \includegraphics and their kin).
#include <cstddef>
#include <functional>
#include <string_view>

#include "encoding/encoding.h"
#include "punctuation/marks.h"

namespace zumoku::punctuation {

// Calls `visit` with the byte offset and mark of every such mark that starts
// in [from, to) of `text` (a document's bytes, CR LF line ends), in order.
// The text before `from` is read for the state its lines leave.
void ForEachConvertibleMark(std::string_view text, Encoding encoding, std::size_t from, std::size_t to,
                            const std::function<void(std::size_t at, Mark mark)>& visit);

}  // namespace zumoku::punctuation
