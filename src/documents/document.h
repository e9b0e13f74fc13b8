#pragma once
// The one document bound to a file: opening, saving, saving under a new name,
// ending the program, files dropped on the window and changes that other
// programs make to the file. It talks to the user only through Prompts and to
// the disk only through FileSystem.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"
#include "documents/file_on_disk.h"
#include "documents/file_system.h"
#include "documents/prompts.h"
#include "documents/text_format.h"
#include "encoding/line_ends.h"
#include "encoding/transcode.h"

namespace zumoku {

class Document {
 public:
  Document(EditBuffer& buffer, FileSystem& files, Prompts& prompts);

  void Open();
  // For a file named when the program starts: opens `path` as Open does once
  // a file is chosen, without asking about unsaved changes. A file that does
  // not exist yet, in a folder that does, starts an empty document bound to
  // it, as if saved there under that name.
  void OpenFile(const std::string& path);
  // Writes to the document's file, first asking when another program has
  // changed it since it was read or written; Save As while "上書き保存" is
  // disabled. True when the text was written.
  bool Save();
  bool SaveAs();
  // Asks about unsaved changes; Yes saves as Save does. True when the
  // program may end now: not after Cancel, nor when the save that Yes asked
  // for did not happen.
  bool Exit();
  // Opens the first of the dropped files; the others are ignored. Cancel at
  // the unsaved-changes question leaves everything as it was.
  void DropFiles(std::span<const std::string> paths);

  // Reads the document's file again as `encoding`, after asking when that
  // would lose unsaved changes.
  void ReopenAs(Encoding encoding);
  // Converts the text to `format` and saves it as Save does (Save As while
  // "上書き保存" is disabled). Text that the new encoding cannot hold is
  // refused, naming its first such character and line; nothing is written.
  bool SaveInFormat(const TextFormat& format);
  const TextFormat& Format() const { return format_; }
  // New documents, and files of ASCII text only, take this encoding; new
  // documents take its line ends too.
  void SetNewDocumentFormat(const TextFormat& format) { newFormat_ = format; }
  const TextFormat& NewDocumentFormat() const { return newFormat_; }

  // Before New replaces the text: the unsaved-changes question of Open. Yes
  // saves as Open does; true when the text may be replaced (saved, answered
  // No, or unchanged).
  bool MayReplaceText();
  // Names the document "NEW_File.tex" (also the Save dialog's preset),
  // disables "上書き保存" and clears Modified.
  void AdoptNewDocument();

  // When the window comes to the front and when the file may have changed:
  // offers to read the file again when another program has changed it, or
  // says that it was deleted (the text stays, counted as unsaved). Each
  // change of the disk is told once.
  void CheckFileOnDisk();

  // The exact bytes Save writes: the text in the document's encoding and
  // line ends. Throws UnencodableText when the text cannot be encoded.
  std::string BytesToSave() const;
  // The same bytes, made later by the function, which may run on another
  // thread: only taking the text's snapshot happens now.
  std::function<std::string()> BytesToSaveLater() const;
  // A file from the recent-files list: the unsaved-changes question of New,
  // then the file is opened as Open opens a chosen one. A missing file is
  // reported as one that cannot be opened, and false is returned.
  bool OpenListedFile(const std::string& path);
  // Text kept from an earlier run that ended without saving: `bytes` become
  // the text, counted as unsaved, bound to `path` (empty: a new document)
  // so that "上書き保存" writes it there.
  void Recover(const std::string& path, std::string_view bytes);

  // Empty at start, otherwise the full path of the file last opened, dropped
  // or saved under a new name.
  const std::string& CurrentFileName() const { return currentFileName_; }
  // True when CurrentFileName is a file's full path: after a file was
  // opened, dropped or saved under a name; false at start and after New.
  bool HasFile() const { return hasFile_; }
  const std::string& Caption() const { return caption_; }

 private:
  enum class SaveChoice { kChosen, kCancelled, kDeclined };

  // The unsaved-changes question, naming the document's file (not the
  // caption): Open's, with Yes and No.
  Answer AskToSave();
  // The same question with Cancel, which stops the command.
  UnsavedAnswer AskToSaveOrCancel();
  // The Save dialog and, for a name that exists, the overwrite question.
  SaveChoice ChooseSaveName(std::string& path);
  // Saves the text before another file replaces it: as Save does while
  // "上書き保存" is enabled, otherwise under a chosen name, which is not
  // kept. False when cancelled or not written.
  bool SaveBeforeLoading();
  // Opens a file that exists: Open once a file is chosen.
  void OpenExisting(const std::string& path);
  // False when another program has changed the document's file and the
  // user does not want it overwritten.
  bool MayOverwriteFile();
  // Writes the text, or shows why it cannot and returns false. Writing to
  // the document's file, or to the file that `becomesDocumentFile`, makes
  // the written bytes the ones later changes are measured against.
  bool WriteTo(const std::string& path, bool becomesDocumentFile = false);
  // Reads a file into the buffer, in its own encoding or in `encoding`, or
  // shows why it cannot and returns false.
  bool ReadFrom(const std::string& path, std::optional<Encoding> encoding = std::nullopt);
  // Large files take memory many times their size: above one limit the
  // user is asked, from another on the file is refused. False when not to
  // be read.
  bool MayReadSize(const std::string& path, std::uint64_t size);
  // Shows why a file of `size` is refused and returns true, or returns false.
  bool RefuseTooLarge(const std::string& path, std::uint64_t size);
  // Only regular files are read or written over: anything else is reported
  // as a file that cannot be opened, and true is returned.
  bool RefuseSpecialFile(const std::string& path);
  void ShowCannotOpen(const std::string& path);
  // Names the document after the file just read; the caption is the program
  // name, the separator and the path.
  void Adopt(const std::string& path, std::string_view captionSeparator);
  void SetCaption(std::string caption);
  void EnableSave();
  void SetFormat(const TextFormat& format);
  static std::string UnconvertibleMessage(const Unconvertible& refused, Encoding to);
  // Names the encoding and line ends in the format panel.
  void ShowFormat();

  EditBuffer& buffer_;
  FileSystem& files_;
  Prompts& prompts_;
  FileOnDisk disk_;
  std::string currentFileName_;
  std::string caption_;
  std::string openDialogName_;
  std::string saveDialogName_;
  bool saveEnabled_ = false;
  bool hasFile_ = false;
  // How the file is written: as the file last read was, kept by Save As;
  // newFormat_ for a new document.
  TextFormat format_;
  TextFormat newFormat_;
};

}  // namespace zumoku
