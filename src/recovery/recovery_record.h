#pragma once
// What a recovery file's record says: who wrote it, when, and for which
// document. Kept in a small text file of its own beside the recovered
// bytes, so that the recovery file holds exactly the document's bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "recovery/process_identity.h"

namespace zumoku {

struct RecoveryRecord {
  ProcessIdentity writer;
  std::int64_t savedAt = 0;  // seconds since 1970 (UTC)
  std::string documentPath;  // UTF-8; empty for a document that has no file

  bool operator==(const RecoveryRecord&) const = default;
};

std::string FormatRecord(const RecoveryRecord& record);
// nullopt for text that FormatRecord did not write, and for a record whose
// fields are out of range (a pid that cannot be, a time before 1970 or after
// 9999, a document path that is relative or holds "." or "..").
std::optional<RecoveryRecord> ParseRecord(std::string_view text);

}  // namespace zumoku
