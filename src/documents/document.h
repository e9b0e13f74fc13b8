#pragma once
// The one document bound to a file: opening, saving, saving under a new name,
// ending the program and files dropped on the window. It talks to the user
// only through Prompts and to the disk only through FileSystem.
#include <span>
#include <string>
#include <string_view>

#include "buffer/edit_buffer.h"
#include "documents/file_system.h"
#include "documents/prompts.h"

namespace zumoku {

class Document {
 public:
  Document(EditBuffer& buffer, FileSystem& files, Prompts& prompts);

  void Open();
  // Opens `path` as Open does once a file is chosen, without asking about
  // unsaved changes: for a file named when the program starts.
  void OpenFile(const std::string& path);
  void Save();
  // True when the text was written.
  bool SaveAs();
  // Asks about unsaved changes; true when the program may end now: not after
  // Cancel, nor when the save that Yes asked for did not happen.
  bool Exit();
  // Opens the first of the dropped files; the others are ignored. Cancel at
  // the unsaved-changes question leaves everything as it was.
  void DropFiles(std::span<const std::string> paths);

  // Before New replaces the text: the unsaved-changes question of Open. Yes
  // saves under a chosen name; true when the text may be replaced (saved,
  // answered No, or unchanged).
  bool MayReplaceText();
  // Names the document "NEW_File.tex" (also the Save dialog's preset),
  // disables "上書き保存" and clears Modified.
  void AdoptNewDocument();

  // Empty at start, otherwise the full path of the file last opened, dropped
  // or saved under a new name.
  const std::string& CurrentFileName() const { return currentFileName_; }
  // True when CurrentFileName is a file's full path: after a file was
  // opened, dropped or saved under a name; false at start and after New.
  bool HasFile() const { return hasFile_; }
  const std::string& Caption() const { return caption_; }

 private:
  enum class SaveChoice { kChosen, kCancelled, kDeclined };

  // The unsaved-changes question, naming `name`: Open's, with Yes and No.
  Answer AskToSave(std::string_view name);
  // The same question with Cancel, which stops the command.
  UnsavedAnswer AskToSaveOrCancel(std::string_view name);
  // The Save dialog and, for a name that exists, the overwrite question.
  SaveChoice ChooseSaveName(std::string& path);
  // Saves the text under a chosen name, which is not kept, before another
  // file replaces it. False when cancelled or not written.
  bool SaveBeforeLoading();
  // Writes the text, or shows why it cannot and returns false.
  bool WriteTo(const std::string& path);
  // Reads a file into the buffer, or shows why it cannot and returns false.
  bool ReadFrom(const std::string& path);
  // Only regular files are read or written over: anything else is reported
  // as a file that cannot be opened, and true is returned.
  bool RefuseSpecialFile(const std::string& path);
  void ShowCannotOpen(const std::string& path);
  // Names the document after the file just read; the caption is the program
  // name, the separator and the path.
  void Adopt(const std::string& path, std::string_view captionSeparator);
  void SetCaption(std::string caption);
  void EnableSave();

  EditBuffer& buffer_;
  FileSystem& files_;
  Prompts& prompts_;
  std::string currentFileName_;
  std::string caption_;
  std::string openDialogName_;
  std::string saveDialogName_;
  bool saveEnabled_ = false;
  bool hasFile_ = false;
};

}  // namespace zumoku
