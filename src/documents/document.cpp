#include "documents/document.h"

namespace zumoku {

namespace {
constexpr std::string_view kProgramCaption = "Zumoku";
constexpr std::string_view kCaptionSeparator = " - ";
constexpr std::string_view kDroppedCaptionSeparator = " -";  // a dropped file's caption has no blank
constexpr std::string_view kUnsavedQuestion = "は更新されています。保存しますか？";
constexpr std::string_view kOverwriteQuestion = "は既に存在します。上書き保存しますか？";
constexpr std::string_view kOverwritten = "ファイルを上書き保存しました";
constexpr std::string_view kSavedAs = "保存完了";
constexpr std::string_view kSaveCancelled = "保存をキャンセルしました";
constexpr std::string_view kLoadCancelled = "保存・読み込みをキャンセルしました";
constexpr std::string_view kNewFileName = "NEW_File.tex";

std::string Joined(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string joined;
  joined.reserve(a.size() + b.size() + c.size());
  return joined.append(a).append(b).append(c);
}
}  // namespace

Document::Document(EditBuffer& buffer, FileSystem& files, Prompts& prompts)
    : buffer_(buffer), files_(files), prompts_(prompts), caption_(kProgramCaption) {}

void Document::Open() {
  while (buffer_.Modified()) {
    if (AskToSave(caption_) == Answer::kNo) {
      buffer_.SetModified(false);
    } else if (!SaveBeforeLoading()) {
      return;
    }
  }
  const auto path = prompts_.ChooseFileToOpen(kOpenFileTypes, openDialogName_);
  if (!path) {
    // Marks even an unchanged document as changed, so that Exit asks.
    buffer_.SetModified(true);
    return;
  }
  OpenFile(*path);
}

void Document::OpenFile(const std::string& path) {
  openDialogName_ = path;
  if (!ReadFrom(path)) return;
  Adopt(path, kCaptionSeparator);
  EnableSave();
}

void Document::Save() {
  if (!saveEnabled_) {
    SaveAs();
    return;
  }
  if (!WriteTo(currentFileName_)) return;
  prompts_.ShowStatus(kOverwritten);
  buffer_.SetModified(false);
}

bool Document::SaveAs() {
  std::string path;
  SaveChoice choice;
  while ((choice = ChooseSaveName(path)) == SaveChoice::kDeclined) prompts_.ShowStatus(kSaveCancelled);
  if (choice == SaveChoice::kCancelled) {
    prompts_.ShowStatus(kSaveCancelled);
    return false;
  }
  if (!WriteTo(path)) return false;
  currentFileName_ = path;
  hasFile_ = true;
  SetCaption(Joined(kProgramCaption, kCaptionSeparator, path));
  buffer_.SetModified(false);
  EnableSave();
  prompts_.ShowStatus(Joined(currentFileName_, kSavedAs));
  return true;
}

bool Document::Exit() {
  if (!buffer_.Modified()) return true;
  switch (AskToSaveOrCancel(currentFileName_)) {
    case UnsavedAnswer::kYes:
      // When that save does not happen the program stays open, so that no
      // changes are lost.
      return SaveAs();
    case UnsavedAnswer::kNo:
      return true;
    case UnsavedAnswer::kCancel:
      break;
  }
  return false;
}

void Document::DropFiles(std::span<const std::string> paths) {
  if (paths.empty()) return;
  const std::string path = paths.front();
  if (buffer_.Modified()) {
    const UnsavedAnswer answer = AskToSaveOrCancel(currentFileName_);
    if (answer == UnsavedAnswer::kCancel || (answer == UnsavedAnswer::kYes && !SaveBeforeLoading())) return;
  }
  if (ReadFrom(path)) Adopt(path, kDroppedCaptionSeparator);
}

bool Document::MayReplaceText() {
  if (!buffer_.Modified()) return true;
  // Named as Open names it; キャンセル, Esc and the close box keep the text.
  const UnsavedAnswer answer = AskToSaveOrCancel(caption_);
  return answer == UnsavedAnswer::kNo || (answer == UnsavedAnswer::kYes && SaveBeforeLoading());
}

void Document::AdoptNewDocument() {
  saveDialogName_ = currentFileName_ = kNewFileName;
  hasFile_ = false;
  SetCaption(Joined(kProgramCaption, kCaptionSeparator, kNewFileName));
  saveEnabled_ = false;
  prompts_.EnableSave(false);
  buffer_.SetModified(false);
}

Answer Document::AskToSave(std::string_view name) { return prompts_.Ask(Joined(name, kUnsavedQuestion)); }

UnsavedAnswer Document::AskToSaveOrCancel(std::string_view name) {
  return prompts_.AskUnsavedChanges(Joined(name, kUnsavedQuestion));
}

Document::SaveChoice Document::ChooseSaveName(std::string& path) {
  auto chosen = prompts_.ChooseFileToSave(kSaveFileTypes, saveDialogName_);
  if (!chosen) return SaveChoice::kCancelled;
  path = saveDialogName_ = std::move(*chosen);
  const bool declined = files_.Exists(path) && prompts_.Ask(Joined(path, kOverwriteQuestion)) != Answer::kYes;
  return declined ? SaveChoice::kDeclined : SaveChoice::kChosen;
}

bool Document::SaveBeforeLoading() {
  std::string path;
  if (ChooseSaveName(path) != SaveChoice::kChosen) {
    prompts_.ShowStatus(kLoadCancelled);
    return false;
  }
  if (!WriteTo(path)) return false;
  buffer_.SetModified(false);
  return true;
}

bool Document::WriteTo(const std::string& path) {
  if (RefuseSpecialFile(path)) return false;
  std::string text;
  try {
    text = buffer_.Text();
  } catch (const UnencodableText&) {
    prompts_.ShowError(Joined("Shift_JISで表せない文字があるため、ファイル ", path, " に保存できません"));
    return false;
  }
  if (files_.Write(path, text)) return true;
  prompts_.ShowError(Joined("ファイル ", path, " を作成できません"));
  return false;
}

bool Document::ReadFrom(const std::string& path) {
  if (RefuseSpecialFile(path)) return false;
  const auto bytes = files_.Read(path);
  if (!bytes) {
    ShowCannotOpen(path);
    return false;
  }
  buffer_.Load(*bytes);
  return true;
}

bool Document::RefuseSpecialFile(const std::string& path) {
  if (!files_.IsSpecialFile(path)) return false;
  ShowCannotOpen(path);
  return true;
}

void Document::ShowCannotOpen(const std::string& path) { prompts_.ShowError(Joined("ファイル ", path, " は開けません")); }

void Document::Adopt(const std::string& path, std::string_view captionSeparator) {
  openDialogName_ = saveDialogName_ = currentFileName_ = path;
  hasFile_ = true;
  SetCaption(Joined(kProgramCaption, captionSeparator, path));
  buffer_.SetModified(false);
}

void Document::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  prompts_.SetCaption(caption_);
}

void Document::EnableSave() {
  saveEnabled_ = true;
  prompts_.EnableSave(true);
}

}  // namespace zumoku
