#include "recovery/recovery_record.h"

#include <algorithm>
#include <sstream>

namespace zumoku {

namespace {
constexpr std::string_view kHeader = "zumoku-recovery 1\n";
// The path comes last and runs to the end: a file name may hold any byte
// but NUL and '/', a line end too.
constexpr std::string_view kPathKey = "path ";
// The largest process id Linux hands out, and the last second of year 9999.
constexpr int kMaxPid = 4194304;
constexpr std::int64_t kLatestSaved = 253402300799;

// Empty, or an absolute path without "." or ".." in it: a record never
// points a recovered document outside the folders its path names.
bool IsPlainDocumentPath(std::string_view path) {
  if (path.empty()) return true;
  if (!path.starts_with('/') || path.find('\0') != std::string_view::npos) return false;
  for (std::size_t at = 1; at <= path.size();) {
    const std::size_t end = std::min(path.find('/', at), path.size());
    const std::string_view part = path.substr(at, end - at);
    if (part == "." || part == "..") return false;
    at = end + 1;
  }
  return true;
}

bool InRange(const RecoveryRecord& record) {
  return record.writer.pid > 0 && record.writer.pid <= kMaxPid && record.savedAt >= 0 &&
         record.savedAt <= kLatestSaved && IsPlainDocumentPath(record.documentPath);
}
}  // namespace

std::string FormatRecord(const RecoveryRecord& record) {
  std::ostringstream out;
  out << kHeader << "pid " << record.writer.pid << "\nstarted " << record.writer.started << "\nboot "
      << record.writer.boot << "\nsaved " << record.savedAt << '\n'
      << kPathKey << record.documentPath;
  return out.str();
}

std::optional<RecoveryRecord> ParseRecord(std::string_view text) {
  if (!text.starts_with(kHeader)) return std::nullopt;
  const std::size_t pathAt = text.find("\n" + std::string(kPathKey));
  if (pathAt == std::string_view::npos) return std::nullopt;
  std::istringstream fields(std::string(text.substr(kHeader.size(), pathAt - kHeader.size())));
  RecoveryRecord record;
  std::string pid, started, boot, saved;
  if (!(fields >> pid >> record.writer.pid >> started >> record.writer.started >> boot >> record.writer.boot >> saved >>
        record.savedAt) ||
      pid != "pid" || started != "started" || boot != "boot" || saved != "saved") {
    return std::nullopt;
  }
  record.documentPath = text.substr(pathAt + 1 + kPathKey.size());
  if (!InRange(record)) return std::nullopt;
  return record;
}

}  // namespace zumoku
