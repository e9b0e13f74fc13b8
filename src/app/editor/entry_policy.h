#pragma once
// What memo1 lets in, whichever widget draws it.
#include <QString>
#include <functional>
#include <optional>

#include "encoding/encoding.h"

namespace zumoku {

// The status bar's message when typed, composed, pasted or dropped text
// holds a character the document may not take; none when all may come in.
std::optional<QString> RefusedEntryMessage(const QString& text, Encoding encoding);

// Sees every character typed on the keyboard that takes one byte in the
// document, before it is inserted; setting the byte to 0 swallows it.
// Pasted text and input-method commits do not pass through it.
using KeyPressHandler = std::function<void(char& key)>;
// Sees text typed on the keyboard or committed by an input method before
// it is inserted over the selection, and may change it; what it leaves is
// inserted as the typing itself, in the same undo step.
using TypedTextHandler = std::function<void(QString& text)>;

// True when the key press handler swallowed the key's text: it sees a key
// only when its text is one printable character of one byte.
bool SwallowedByKeyPress(const KeyPressHandler& handler, const QString& keyText, Encoding encoding);
// The typed text handler's version of `text`, when it changes it.
std::optional<QString> Retyped(const TypedTextHandler& handler, const QString& text);

// Return or Enter: with Shift or Ctrl too it makes an ordinary line end,
// never a line separator, which no document can hold.
bool IsEnter(int key);

}  // namespace zumoku
