#include "app/window_prompts.h"

#include <QAction>

#include "app/error_box.h"
#include "app/file_dialog.h"
#include "app/question_box.h"
#include "app/tform1.h"

namespace zumoku {

namespace {
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Qt takes "[*]" in a window title as the place of the changed-document
// mark and drops it; doubled, it stands for itself.
QString PlainWindowTitle(QString title) { return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")); }

std::optional<std::string> Choose(QWidget* parent, QFileDialog::AcceptMode mode, std::span<const FileType> types,
                                  std::string_view presetName) {
  const auto path = ChooseFile(parent, mode, types, FromUtf8(presetName));
  if (!path) return std::nullopt;
  return path->toStdString();
}
}  // namespace

Answer WindowPrompts::Ask(std::string_view question) { return AskQuestion(&form_, FromUtf8(question)); }

UnsavedAnswer WindowPrompts::AskUnsavedChanges(std::string_view question) {
  return AskQuestionWithCancel(&form_, FromUtf8(question));
}

bool WindowPrompts::AskToReload(std::string_view question) { return zumoku::AskToReload(&form_, FromUtf8(question)); }

std::optional<std::string> WindowPrompts::ChooseFileToOpen(std::span<const FileType> types,
                                                           std::string_view presetName) {
  return Choose(&form_, QFileDialog::AcceptOpen, types, presetName);
}

std::optional<std::string> WindowPrompts::ChooseFileToSave(std::span<const FileType> types,
                                                           std::string_view presetName) {
  return Choose(&form_, QFileDialog::AcceptSave, types, presetName);
}

void WindowPrompts::ShowError(std::string_view text) { ShowErrorBox(&form_, FromUtf8(text)); }
void WindowPrompts::ShowStatus(std::string_view text) { form_.SetStatusPanelText(0, FromUtf8(text)); }
void WindowPrompts::SetCaption(std::string_view caption) { form_.setWindowTitle(PlainWindowTitle(FromUtf8(caption))); }
void WindowPrompts::EnableSave(bool enabled) { save1_.setEnabled(enabled); }

}  // namespace zumoku
