#include "app/desktop/window_prompts.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "app/desktop/error_box.h"
#include "app/desktop/file_dialog.h"
#include "app/desktop/question_box.h"

namespace zumoku {

namespace {
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Qt takes "[*]" in a window title as the place of the changed-document
// mark; doubled, it stands for itself. The mark goes at the caption's end.
QString MarkableWindowTitle(QString title) {
  return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]");
}

}  // namespace

std::optional<std::string> WindowPrompts::Choose(QFileDialog::AcceptMode mode, std::span<const FileType> types,
                                                 std::string_view presetName) {
  const auto path =
      ChooseFile(&window_, mode, types, FromUtf8(presetName), folders_ ? folders_->LastFolder() : QString());
  if (!path) return std::nullopt;
  if (folders_) folders_->SetLastFolder(QFileInfo(*path).absolutePath());
  return path->toStdString();
}

Answer WindowPrompts::Ask(std::string_view question) { return AskQuestion(&window_, FromUtf8(question)); }

Answer WindowPrompts::AskNoByDefault(std::string_view question) {
  return AskQuestion(&window_, FromUtf8(question), Answer::kNo);
}

UnsavedAnswer WindowPrompts::AskUnsavedChanges(std::string_view question) {
  return AskQuestionWithCancel(&window_, FromUtf8(question));
}

bool WindowPrompts::AskToReload(std::string_view question) { return zumoku::AskToReload(&window_, FromUtf8(question)); }

std::optional<std::string> WindowPrompts::ChooseFileToOpen(std::span<const FileType> types,
                                                           std::string_view presetName) {
  return Choose(QFileDialog::AcceptOpen, types, presetName);
}

std::optional<std::string> WindowPrompts::ChooseFileToSave(std::span<const FileType> types,
                                                           std::string_view presetName) {
  return Choose(QFileDialog::AcceptSave, types, presetName);
}

void WindowPrompts::ShowError(std::string_view text) { ShowErrorBox(&window_, FromUtf8(text)); }
void WindowPrompts::ShowStatus(std::string_view text) { showStatus_(FromUtf8(text)); }
void WindowPrompts::ShowFormat(std::string_view format) { showFormat_(FromUtf8(format)); }
void WindowPrompts::SetCaption(std::string_view caption) {
  window_.setWindowTitle(MarkableWindowTitle(FromUtf8(caption)));
}
void WindowPrompts::EnableSave(bool enabled) { save1_.setEnabled(enabled); }

}  // namespace zumoku
