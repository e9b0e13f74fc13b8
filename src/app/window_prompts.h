#pragma once
// The document commands' prompts in the main window: message boxes, the
// file dialogs, the error box, status panel 0, the caption and Save1.
#include "documents/prompts.h"

class QAction;

namespace zumoku {

class TForm1;

class WindowPrompts : public Prompts {
 public:
  WindowPrompts(TForm1& form, QAction& save1) : form_(form), save1_(save1) {}

  Answer Ask(std::string_view question) override;
  UnsavedAnswer AskUnsavedChanges(std::string_view question) override;
  bool AskToReload(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen(std::span<const FileType> types,
                                              std::string_view presetName) override;
  std::optional<std::string> ChooseFileToSave(std::span<const FileType> types,
                                              std::string_view presetName) override;
  void ShowError(std::string_view text) override;
  void ShowStatus(std::string_view text) override;
  void SetCaption(std::string_view caption) override;
  void EnableSave(bool enabled) override;

 private:
  TForm1& form_;
  QAction& save1_;
};

}  // namespace zumoku
