#pragma once
// Typing aid: "{", "^" and "_" typed in the editor open a group and get its
// closing brace at once.
#include "buffer/edit_buffer.h"

namespace zumoku::math {

// For a completed character: sets `key` to 0 (the editor must not insert
// it), writes the completed text over the selection and returns true; the
// caller then moves the caret one character back, between the braces.
// Any other character is left alone and false returned.
bool CompleteTypedCharacter(EditBuffer& buffer, char& key);

}  // namespace zumoku::math
