#include "recovery/recovery_folder.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace zumoku {

namespace {
constexpr std::string_view kRecordExtension = ".record";
constexpr std::string_view kUnnamed = "NEW_File.tex";
// The longest file name most file systems take, in bytes.
constexpr std::size_t kMaxNameBytes = 255;
// A longer extension is no document type; it stays in the shortened stem.
constexpr std::size_t kMaxExtensionBytes = 16;

// FNV-1a: a stable hash, the same in every run and build.
std::uint64_t StableHash(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037u;
  for (const unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211u;
  return hash;
}

std::string Hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

// `text` cut to at most `bytes` bytes, never inside a UTF-8 character.
std::string_view CutAtCharacter(std::string_view text, std::size_t bytes) {
  if (text.size() <= bytes) return text;
  while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) --bytes;
  return text.substr(0, bytes);
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::regular;
}

// The writer a record file's name was made for: the two numbers after the
// hash of the record's document.
std::optional<ProcessIdentity> NamedWriter(std::string_view name, const std::string& documentPath) {
  const std::string hash = "-" + Hex(StableHash(documentPath)) + "-";
  const std::size_t at = name.rfind(hash);
  if (at == std::string_view::npos) return std::nullopt;
  const char* first = name.data() + at + hash.size();
  const char* last = name.data() + name.size();
  ProcessIdentity writer;
  const auto pid = std::from_chars(first, last, writer.pid);
  if (pid.ec != std::errc() || pid.ptr == last || *pid.ptr != '-') return std::nullopt;
  if (std::from_chars(pid.ptr + 1, last, writer.started).ec != std::errc()) return std::nullopt;
  return writer;
}

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }
}  // namespace

RecoverySlot RecoveryFolder::SlotFor(const std::string& documentPath, const ProcessIdentity& writer) const {
  const std::filesystem::path name(documentPath.empty() ? std::string(kUnnamed) : documentPath);
  std::string stem = name.stem().string();
  std::string extension = name.extension().string();
  if (extension.size() > kMaxExtensionBytes) stem += std::exchange(extension, "");
  const std::string tail = "-" + Hex(StableHash(documentPath)) + "-" + std::to_string(writer.pid) + "-" +
                           std::to_string(writer.started) + extension;
  // The hash keeps shortened names apart; the record's name is the longest.
  const std::size_t room = kMaxNameBytes - kRecordExtension.size() - tail.size();
  const std::string bytesPath = folder_ + "/" + std::string(CutAtCharacter(stem, room)) + tail;
  return {.bytesPath = bytesPath, .recordPath = bytesPath + std::string(kRecordExtension)};
}

std::error_code RecoveryFolder::Write(const RecoverySlot& slot, const RecoveryRecord& record,
                                      std::string_view bytes) const {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return error;
  // The bytes first: a record always names bytes that are complete.
  errno = 0;
  if (!files_.Write(slot.bytesPath, bytes) || !files_.Write(slot.recordPath, FormatRecord(record))) {
    return LastError();
  }
  return {};
}

void RecoveryFolder::Remove(const RecoverySlot& slot) const {
  std::error_code error;
  // The record first: bytes without a record are never offered.
  std::filesystem::remove(slot.recordPath, error);
  std::filesystem::remove(slot.bytesPath, error);
}

std::optional<LeftRecovery> RecoveryFolder::Left(const std::filesystem::path& recordPath) const {
  const std::string name = recordPath.filename().string();
  if (!name.ends_with(kRecordExtension) || !IsRegularFile(recordPath)) return std::nullopt;
  const auto text = files_.Read(recordPath.string());
  const auto record = text ? ParseRecord(*text) : std::nullopt;
  if (!record) return std::nullopt;
  // Only a name this program makes for the record's own document.
  const auto writer = NamedWriter(name, record->documentPath);
  if (!writer) return std::nullopt;
  const RecoverySlot slot = SlotFor(record->documentPath, *writer);
  if (std::filesystem::path(slot.recordPath).filename() != name || !IsRegularFile(slot.bytesPath) ||
      IsRunning(record->writer)) {
    return std::nullopt;
  }
  return LeftRecovery{slot, *record};
}

std::vector<LeftRecovery> RecoveryFolder::LeftBehind() const {
  std::vector<LeftRecovery> left;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (auto recovery = Left(entry.path())) left.push_back(*std::move(recovery));
  }
  std::sort(left.begin(), left.end(),
            [](const LeftRecovery& a, const LeftRecovery& b) { return a.record.savedAt < b.record.savedAt; });
  return left;
}

}  // namespace zumoku
