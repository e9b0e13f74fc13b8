#include "documents/document.h"

#include <variant>

#include "encoding/transcode.h"

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
constexpr std::string_view kChangedElsewhere = " は他のプログラムで変更されています。";

constexpr std::uint64_t kMiB = 1 << 20;
// Opening takes about 8.4 times the file's size in memory (the open
// benchmark's peak); the question rounds up.
constexpr std::uint64_t kMemoryPerFileByte = 9;
constexpr std::uint64_t kAskAbove = 256 * kMiB;
// Positions in the text are int.
constexpr std::uint64_t kRefusedFrom = std::uint64_t{2048} * kMiB;

template <class... Parts>
std::string Joined(const Parts&... parts) {
  std::string joined;
  joined.reserve((std::string_view(parts).size() + ...));
  (joined.append(parts), ...);
  return joined;
}

std::string Megabytes(std::uint64_t bytes) { return std::to_string((bytes + kMiB / 2) / kMiB) + " MB"; }

// With one decimal.
std::string Gigabytes(std::uint64_t bytes) {
  const std::uint64_t tenths = (bytes * 10 + 512 * kMiB) / (1024 * kMiB);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

// The folder part of a full path; "/" for a file in the root.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

Document::Document(EditBuffer& buffer, FileSystem& files, Prompts& prompts)
    : buffer_(buffer), files_(files), prompts_(prompts), disk_(files), caption_(kProgramCaption) {
  ShowFormat();
}

void Document::Open() {
  while (buffer_.Modified()) {
    if (AskToSave() == Answer::kNo) {
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
  OpenExisting(*path);
}

void Document::OpenFile(const std::string& path) {
  if (files_.Exists(path) || !files_.IsFolder(FolderOf(path))) {
    OpenExisting(path);
    return;
  }
  buffer_.Load("", newFormat_.encoding);
  SetFormat(newFormat_);
  disk_.RememberRead(path, std::nullopt, "");
  Adopt(path, kCaptionSeparator);
  EnableSave();
}

void Document::OpenExisting(const std::string& path) {
  openDialogName_ = path;
  if (!ReadFrom(path)) return;
  Adopt(path, kCaptionSeparator);
  EnableSave();
}

bool Document::Save() {
  if (!saveEnabled_) return SaveAs();
  if (!MayOverwriteFile()) {
    prompts_.ShowStatus(kSaveCancelled);
    return false;
  }
  if (!WriteTo(currentFileName_)) return false;
  prompts_.ShowStatus(kOverwritten);
  buffer_.SetModified(false);
  return true;
}

bool Document::SaveAs() {
  std::string path;
  SaveChoice choice;
  while ((choice = ChooseSaveName(path)) == SaveChoice::kDeclined) prompts_.ShowStatus(kSaveCancelled);
  if (choice == SaveChoice::kCancelled) {
    prompts_.ShowStatus(kSaveCancelled);
    return false;
  }
  if (!WriteTo(path, true)) return false;
  currentFileName_ = path;
  hasFile_ = true;
  SetCaption(Joined(kProgramCaption, kCaptionSeparator, path));
  buffer_.SetModified(false);
  EnableSave();
  ShowFormat();
  prompts_.ShowStatus(Joined(currentFileName_, kSavedAs));
  return true;
}

bool Document::Exit() {
  if (!buffer_.Modified()) return true;
  switch (AskToSaveOrCancel()) {
    case UnsavedAnswer::kYes:
      // When that save does not happen the program stays open, so that no
      // changes are lost.
      return Save();
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
    const UnsavedAnswer answer = AskToSaveOrCancel();
    if (answer == UnsavedAnswer::kCancel || (answer == UnsavedAnswer::kYes && !SaveBeforeLoading())) return;
  }
  if (ReadFrom(path)) Adopt(path, kDroppedCaptionSeparator);
}

bool Document::MayReplaceText() {
  if (!buffer_.Modified()) return true;
  // キャンセル, Esc and the close box keep the text.
  const UnsavedAnswer answer = AskToSaveOrCancel();
  return answer == UnsavedAnswer::kNo || (answer == UnsavedAnswer::kYes && SaveBeforeLoading());
}

void Document::AdoptNewDocument() {
  saveDialogName_ = currentFileName_ = kNewFileName;
  hasFile_ = false;
  SetCaption(Joined(kProgramCaption, kCaptionSeparator, kNewFileName));
  saveEnabled_ = false;
  prompts_.EnableSave(false);
  buffer_.SetModified(false);
  SetFormat({buffer_.TextEncoding(), newFormat_.byteOrderMark, newFormat_.lineEnds});
  disk_.Forget();
}

void Document::CheckFileOnDisk() {
  switch (disk_.TakeNewChange()) {
    case FileOnDisk::Change::kNone:
      break;
    case FileOnDisk::Change::kDeleted:
      // Unsaved now: ending the program asks before the only copy is lost.
      buffer_.SetModified(true);
      prompts_.ShowStatus(Joined("ファイル ", currentFileName_, " は削除されました。上書き保存で作り直せます"));
      break;
    case FileOnDisk::Change::kChanged: {
      const std::string_view lost = buffer_.Modified() ? "再読み込みすると、保存していない変更は失われます。" : "";
      if (prompts_.AskToReload(
              Joined("ファイル ", currentFileName_, kChangedElsewhere, lost, "再読み込みしますか？")) &&
          ReadFrom(currentFileName_)) {
        buffer_.SetModified(false);
      }
      break;
    }
  }
}

std::string Document::BytesToSave() const { return FileBytes(buffer_.Text(), format_); }

std::function<std::string()> Document::BytesToSaveLater() const {
  return [snapshot = buffer_.Share(), format = format_] { return FileBytes(snapshot.Joined(), format); };
}

bool Document::OpenListedFile(const std::string& path) {
  if (!files_.Exists(path)) {
    ShowCannotOpen(path);
    return false;
  }
  if (MayReplaceText()) OpenExisting(path);
  return true;
}

void Document::Recover(const std::string& path, std::string_view bytes) {
  if (path.empty()) {
    AdoptNewDocument();
  } else {
    // Measured against the file as it is now, so that Save does not ask
    // about a change this program made before it ended.
    disk_.RememberRead(path, files_.Stamp(path), files_.Read(path).value_or(""));
    Adopt(path, kCaptionSeparator);
    EnableSave();
  }
  // The recovery file holds the bytes Save would have written: its
  // encoding, byte-order mark and line ends are found as for any file.
  const DetectedFormat detected = DetectFormat(bytes, newFormat_.encoding);
  buffer_.Load(detected.text, detected.format.encoding);
  SetFormat(detected.format);
  buffer_.SetModified(true);
}

Answer Document::AskToSave() { return prompts_.Ask(Joined(currentFileName_, kUnsavedQuestion)); }

UnsavedAnswer Document::AskToSaveOrCancel() {
  return prompts_.AskUnsavedChanges(Joined(currentFileName_, kUnsavedQuestion));
}

Document::SaveChoice Document::ChooseSaveName(std::string& path) {
  auto chosen = prompts_.ChooseFileToSave(kSaveFileTypes, saveDialogName_);
  if (!chosen) return SaveChoice::kCancelled;
  path = saveDialogName_ = std::move(*chosen);
  const bool declined = files_.Exists(path) && prompts_.Ask(Joined(path, kOverwriteQuestion)) != Answer::kYes;
  return declined ? SaveChoice::kDeclined : SaveChoice::kChosen;
}

bool Document::SaveBeforeLoading() {
  if (saveEnabled_) return Save();
  std::string path;
  if (ChooseSaveName(path) != SaveChoice::kChosen) {
    prompts_.ShowStatus(kLoadCancelled);
    return false;
  }
  if (!WriteTo(path)) return false;
  buffer_.SetModified(false);
  return true;
}

bool Document::MayOverwriteFile() {
  return disk_.Compare() != FileOnDisk::Change::kChanged ||
         prompts_.AskNoByDefault(Joined("ファイル ", currentFileName_, kChangedElsewhere, "上書きしますか？")) ==
             Answer::kYes;
}

bool Document::WriteTo(const std::string& path, bool becomesDocumentFile) {
  if (RefuseSpecialFile(path)) return false;
  std::string text;
  try {
    text = BytesToSave();
  } catch (const UnencodableText&) {
    prompts_.ShowError(
        Joined(EncodingName(format_.encoding), "で表せない文字があるため、ファイル ", path, " に保存できません"));
    return false;
  }
  if (!files_.Write(path, text)) {
    prompts_.ShowError(Joined("ファイル ", path, " を作成できません"));
    return false;
  }
  if (becomesDocumentFile || path == currentFileName_) disk_.RememberWritten(path, text);
  return true;
}

bool Document::ReadFrom(const std::string& path, std::optional<Encoding> encoding) {
  if (RefuseSpecialFile(path)) return false;
  // Taken before reading: a write in between shows as a change later.
  const auto stamp = files_.Stamp(path);
  if (stamp && !MayReadSize(path, stamp->size)) return false;
  const auto bytes = files_.Read(path);
  if (!bytes) {
    ShowCannotOpen(path);
    return false;
  }
  // The size the disk reported may be 0 (/proc) or out of date.
  if (RefuseTooLarge(path, bytes->size())) return false;
  const DetectedFormat detected = DetectFormat(*bytes, newFormat_.encoding);
  TextFormat format = detected.format;
  if (encoding) format.encoding = *encoding;
  buffer_.Load(detected.text, format.encoding);
  SetFormat(format);
  disk_.RememberRead(path, stamp, *bytes);
  return true;
}

bool Document::MayReadSize(const std::string& path, std::uint64_t size) {
  if (RefuseTooLarge(path, size)) return false;
  return size <= kAskAbove || prompts_.Ask(Joined("ファイル ", path, " は ", Megabytes(size), " あります。開くには約 ",
                                                  Gigabytes(size * kMemoryPerFileByte),
                                                  " のメモリが必要です。開きますか？")) == Answer::kYes;
}

bool Document::RefuseTooLarge(const std::string& path, std::uint64_t size) {
  if (size < kRefusedFrom) return false;
  prompts_.ShowError(Joined("ファイル ", path, " は ", Megabytes(size), " あります。2 GB 以上のファイルは開けません"));
  return true;
}

bool Document::RefuseSpecialFile(const std::string& path) {
  if (!files_.IsSpecialFile(path)) return false;
  ShowCannotOpen(path);
  return true;
}

void Document::ShowCannotOpen(const std::string& path) {
  prompts_.ShowError(Joined("ファイル ", path, " は開けません"));
}

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

void Document::SetFormat(const TextFormat& format) {
  format_ = format;
  ShowFormat();
}

void Document::ShowFormat() { prompts_.ShowFormat(FormatName(format_)); }

void Document::ReopenAs(Encoding encoding) {
  if (!hasFile_) return;
  if (buffer_.Modified() && prompts_.Ask(Joined("開き直すと、保存していない変更は失われます。", EncodingName(encoding),
                                                " として開き直しますか？")) != Answer::kYes) {
    return;
  }
  if (ReadFrom(currentFileName_, encoding)) buffer_.SetModified(false);
}

bool Document::SaveInFormat(const TextFormat& format) {
  const Encoding from = buffer_.TextEncoding();
  const int caret = buffer_.SelStart();
  const std::string text = buffer_.Text();
  auto converted = Transcode(text, from, format.encoding);
  if (const auto* refused = std::get_if<Unconvertible>(&converted)) {
    prompts_.ShowError(UnconvertibleMessage(*refused, format.encoding));
    return false;
  }
  if (format.encoding != from) {
    // The caret stays before the same character.
    const auto before = Transcode(std::string_view(text).substr(0, caret), from, format.encoding);
    buffer_.Load(std::get<std::string>(converted), format.encoding);
    buffer_.SetSelStart(static_cast<int>(std::get<std::string>(before).size()));
  }
  if (format != format_) buffer_.SetModified(true);
  SetFormat(format);
  return saveEnabled_ ? Save() : SaveAs();
}

std::string Document::UnconvertibleMessage(const Unconvertible& refused, Encoding to) {
  const std::string line = std::to_string(refused.line);
  if (refused.character.empty()) {
    return Joined(line, " 行目に文字として読めないバイトがあるため、", EncodingName(to), " に変換できません");
  }
  return Joined(line, " 行目の「", refused.character, "」は ", EncodingName(to), " で表せないため、変換できません");
}

}  // namespace zumoku
