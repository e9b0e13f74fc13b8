#pragma once
// The document commands' prompts in the main window: message boxes, the
// file dialogs, the error box, status panel 0, the format panel, the caption
// and Save1.
#include <QFileDialog>
#include <QString>
#include <functional>
#include <utility>

#include "app/desktop/program_settings.h"
#include "documents/prompts.h"

class QAction;
class QWidget;

namespace zumoku {

class WindowPrompts : public Prompts {
 public:
  // The boxes and dialogs open over `window`, whose caption they set;
  // `showStatus` writes into panel 0, `showFormat` into the format panel.
  WindowPrompts(QWidget& window, QAction& save1, std::function<void(const QString&)> showStatus,
                std::function<void(const QString&)> showFormat)
      : window_(window), save1_(save1), showStatus_(std::move(showStatus)), showFormat_(std::move(showFormat)) {}

  Answer Ask(std::string_view question) override;
  Answer AskNoByDefault(std::string_view question) override;
  UnsavedAnswer AskUnsavedChanges(std::string_view question) override;
  bool AskToReload(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen(std::span<const FileType> types, std::string_view presetName) override;
  std::optional<std::string> ChooseFileToSave(std::span<const FileType> types, std::string_view presetName) override;
  void ShowError(std::string_view text) override;
  void ShowStatus(std::string_view text) override;
  void ShowFormat(std::string_view format) override;
  void SetCaption(std::string_view caption) override;
  void EnableSave(bool enabled) override;

  // The Open and Save dialogs start in the folder last chosen in either, as
  // `settings` keep it, when the document names no folder of its own.
  void RememberFoldersIn(ProgramSettings& settings) { folders_ = &settings; }

 private:
  std::optional<std::string> Choose(QFileDialog::AcceptMode mode, std::span<const FileType> types,
                                    std::string_view presetName);

  QWidget& window_;
  QAction& save1_;
  std::function<void(const QString&)> showStatus_;
  std::function<void(const QString&)> showFormat_;
  ProgramSettings* folders_ = nullptr;
};

}  // namespace zumoku
