#pragma once
// The text of the one document and its selection, as every command sees it:
// bytes in the document's encoding whose line ends are always CR LF;
// positions and lengths are 0-based byte counts, and never split a character.
//
// The interface is the whole set of operations the commands are written
// against. Both buffers implement it and the one contract suite tests all of
// it, so a command behaves in the editor as in its unit test.
#include <string>
#include <string_view>

#include "buffer/chunked_bytes.h"
#include "encoding/codec.h"  // UnencodableText, thrown by the text reads
#include "encoding/encoding.h"

namespace zumoku {

// The text seen as a list of lines split at the stored line ends. An empty
// last line after a final line end is not counted.
class EditLines {
 public:
  virtual ~EditLines() = default;
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;  // "" past the last line
  virtual void Put(int index, std::string_view s) = 0;
  virtual void Add(std::string_view s) = 0;
  virtual void BeginUpdate() = 0;  // nests; redraws once at the outermost end
  virtual void EndUpdate() = 0;
};

class EditBuffer {
 public:
  virtual ~EditBuffer() = default;

  virtual std::string Text() const = 0;
  // The text now, for another thread to read while editing goes on; a
  // buffer that keeps no shareable bytes copies them.
  virtual ChunkedBytes::Snapshot Share() const { return ChunkedBytes::Snapshot::Of(Text()); }
  virtual int SelStart() const = 0;
  virtual void SetSelStart(int position) = 0;  // caret there, nothing selected
  virtual int SelLength() const = 0;
  virtual void SetSelLength(int length) = 0;  // keeps SelStart
  virtual std::string SelText() const = 0;
  // Replaces the selection; line ends become CR LF; caret after the new
  // text; sets Modified. Outside an undo step it empties the undo history.
  virtual void SetSelText(std::string_view s) = 0;
  virtual EditLines& Lines() = 0;

  // A command's SelText and Lines writes between BeginUndoStep and the
  // matching EndUndoStep form one step that Undo takes back whole, bringing
  // back the text and the selection from before; earlier steps stay. Steps
  // nest; EndUndoStep returns true when the outermost step wrote anything.
  virtual void BeginUndoStep() = 0;
  virtual bool EndUndoStep() = 0;

  // The encoding of the bytes every read gives and every write takes.
  virtual Encoding TextEncoding() const = 0;
  virtual void Clear() = 0;  // empty text, Modified false; the encoding stays
  // Replaces the whole text with a document read from a file (loaded-text
  // line-end rule) in `encoding`, which the text then keeps; empties the
  // undo history; Modified is true until the caller marks the text saved.
  virtual void Load(std::string_view bytes, Encoding encoding) = 0;
  // True when the text differs from the one last marked saved by
  // SetModified(false); undoing back to that text makes it false again.
  // SetModified(true) counts the text as unsaved until the next save, and
  // typing after a save starts a new step.
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;

  // Takes back the most recent step (a command, a paste, a cut or a run of
  // typing) and selects again what was selected before it.
  virtual void Undo() = 0;
  virtual void CutToClipboard() = 0;
  virtual void CopyToClipboard() = 0;
  virtual void PasteFromClipboard() = 0;
  virtual void SelectAll() = 0;
};

}  // namespace zumoku
