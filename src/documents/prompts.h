#pragma once
// Everything the document commands say to or ask of the user. The window
// implements it with message boxes and file dialogs; tests script it.
// Texts and paths are UTF-8.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "documents/file_types.h"

namespace zumoku {

enum class Answer {
  kYes,
  kNo,
  kClosed,  // the box was closed without either answer
};

// The answer of the unsaved-changes question that can stop its command.
enum class UnsavedAnswer {
  kYes,     // save first
  kNo,      // discard the changes
  kCancel,  // stop the command; Esc and the box's close button choose it too
};

class Prompts {
 public:
  virtual ~Prompts() = default;

  // A yes/no question (caption "情報", Yes the default, Esc answers No).
  virtual Answer Ask(std::string_view question) = 0;
  // The same question when Yes would lose work: "いいえ(&N)" is the default,
  // so a stray Enter keeps it.
  virtual Answer AskNoByDefault(std::string_view question) = 0;
  // The unsaved-changes question of Exit, the window's close box, a dropped
  // file and New: "はい(&Y)" (the default), "いいえ(&N)" and "キャンセル".
  // One stray Esc must not throw the changes away, so Esc and the close
  // button answer Cancel.
  virtual UnsavedAnswer AskUnsavedChanges(std::string_view question) = 0;
  // Whether to read the document's file again, which another program has
  // changed: "再読み込み" (true) and "そのまま", the default, which Esc and
  // the close button choose too: nothing is lost by a stray key.
  virtual bool AskToReload(std::string_view question) = 0;
  // The Open and Save dialogs, starting with presetName and the first file
  // type selected; nullopt when cancelled. The Save dialog asks nothing about
  // existing files and adds no extension.
  virtual std::optional<std::string> ChooseFileToOpen(std::span<const FileType> types, std::string_view presetName) = 0;
  virtual std::optional<std::string> ChooseFileToSave(std::span<const FileType> types, std::string_view presetName) = 0;
  virtual void ShowError(std::string_view text) = 0;
  // Panel 0 of the status bar.
  virtual void ShowStatus(std::string_view text) = 0;
  // The status panel that names the document's encoding and line ends,
  // such as "Shift_JIS CRLF".
  virtual void ShowFormat(std::string_view format) = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  // The enabled state of "上書き保存".
  virtual void EnableSave(bool enabled) = 0;
};

}  // namespace zumoku
