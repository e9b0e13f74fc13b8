#pragma once
// What memo1 lets in, whichever widget draws it.
#include <QString>
#include <optional>

#include "encoding/encoding.h"

namespace zumoku {

// The status bar's message when typed, composed, pasted or dropped text
// holds a character the document may not take; none when all may come in.
std::optional<QString> RefusedEntryMessage(const QString& text, Encoding encoding);

}  // namespace zumoku
