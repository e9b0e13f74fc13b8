#pragma once
// "画像を貼り付ける": a picture from the clipboard or from a chosen file
// becomes a figure block in place of the selection, and the preamble loads
// graphicx for dvipdfmx. It talks to the user only through Prompts.
#include <optional>
#include <string>

#include "buffer/edit_buffer.h"
#include "documents/document.h"
#include "documents/file_system.h"
#include "documents/prompts.h"

namespace zumoku::pictures {

// Where pictures come from. The window implements it with the clipboard and
// a file dialog; tests script it.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The clipboard's image as PNG bytes; nullopt when it holds no image.
  virtual std::optional<std::string> ClipboardPng() = 0;
  // The picture dialog (kPictureFileTypes), opened in `folder` unless it is
  // empty; the chosen path, nullopt when cancelled.
  virtual std::optional<std::string> ChoosePicture(const std::string& folder) = 0;
};

class PictureInsertion {
 public:
  PictureInsertion(EditBuffer& buffer, Document& document, FileSystem& files, Prompts& prompts, PictureSource& source);

  // An image on the clipboard is saved as the first free "figN.png" in the
  // document's folder; a document without a file is saved first through the
  // Save flow, and a cancelled save inserts nothing. Without an image the
  // user chooses a picture. Then the figure goes in (see InsertFigure).
  // Every refusal is said before anything is written.
  void Run();

 private:
  void InsertClipboardPicture(const std::string& png);
  void InsertChosenPicture();
  // The figure block in place of the selection, which becomes its caption,
  // on lines of its own; then the graphicx line. The caret ends after the
  // block, so a second picture goes below the first.
  void InsertFigure(const std::string& texPath);

  EditBuffer& buffer_;
  Document& document_;
  FileSystem& files_;
  Prompts& prompts_;
  PictureSource& source_;
};

}  // namespace zumoku::pictures
