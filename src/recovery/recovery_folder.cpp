#include "recovery/recovery_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zumoku {

namespace {
constexpr std::string_view kRecordExtension = ".record";
constexpr std::string_view kUnnamed = "NEW_File.tex";

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
}  // namespace

RecoverySlot RecoveryFolder::SlotFor(const std::string& documentPath, const ProcessIdentity& writer) const {
  const std::filesystem::path name(documentPath.empty() ? std::string(kUnnamed) : documentPath);
  const std::string stem = name.stem().string() + "-" + Hex(StableHash(documentPath)) + "-" +
                           std::to_string(writer.pid) + "-" + std::to_string(writer.started);
  const std::string bytesPath = folder_ + "/" + stem + name.extension().string();
  return {.bytesPath = bytesPath, .recordPath = bytesPath + std::string(kRecordExtension)};
}

bool RecoveryFolder::Write(const RecoverySlot& slot, const RecoveryRecord& record, std::string_view bytes) const {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  // The bytes first: a record always names bytes that are complete.
  return files_.Write(slot.bytesPath, bytes) && files_.Write(slot.recordPath, FormatRecord(record));
}

void RecoveryFolder::Remove(const RecoverySlot& slot) const {
  std::error_code error;
  // The record first: bytes without a record are never offered.
  std::filesystem::remove(slot.recordPath, error);
  std::filesystem::remove(slot.bytesPath, error);
}

std::vector<LeftRecovery> RecoveryFolder::LeftBehind() const {
  std::vector<LeftRecovery> left;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    const std::string recordPath = entry.path().string();
    if (!recordPath.ends_with(kRecordExtension)) continue;
    const RecoverySlot slot{.bytesPath = recordPath.substr(0, recordPath.size() - kRecordExtension.size()),
                            .recordPath = recordPath};
    const auto text = files_.Read(recordPath);
    const auto record = text ? ParseRecord(*text) : std::nullopt;
    if (record && !IsRunning(record->writer) && files_.Exists(slot.bytesPath)) left.push_back({slot, *record});
  }
  std::sort(left.begin(), left.end(),
            [](const LeftRecovery& a, const LeftRecovery& b) { return a.record.savedAt < b.record.savedAt; });
  return left;
}

}  // namespace zumoku
