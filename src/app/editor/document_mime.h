#pragma once
// memo1's text on the clipboard and in drags: plain text for other
// programs, and beside it the document's bytes, so that text copied or
// dragged out of this program comes back exactly, invalid bytes included.
#include <QString>
#include <optional>
#include <string>

#include "encoding/encoding.h"

class QMimeData;

namespace zumoku {

// Line ends of pasted text by the inserted-text rule, each becoming '\n'.
QString NormalizeLineEnds(const QString& text);

// The selection's text for the clipboard or a drag; `bytes` are its
// document bytes, when it has them in `encoding`.
QMimeData* DocumentMimeData(const QString& text, const std::optional<std::string>& bytes, Encoding encoding);
// True when the data holds text that may be pasted into a document of
// `encoding`.
bool CarriesText(const QMimeData& data, Encoding encoding);

// What a paste or a drop brings into a document of `encoding`: this
// program's own bytes as they were, or other programs' text with its line
// ends normalised and NUL kept as byte 0. A refusal says why instead when
// that text holds a character the document may not take.
struct IncomingText {
  std::string bytes;
  std::optional<QString> refusal;
};
std::optional<IncomingText> IncomingBytes(const QMimeData& data, Encoding encoding);

}  // namespace zumoku
