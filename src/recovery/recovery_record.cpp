#include "recovery/recovery_record.h"

#include <sstream>

namespace zumoku {

namespace {
constexpr std::string_view kHeader = "zumoku-recovery 1\n";
// The path comes last and runs to the end: a file name may hold any byte
// but NUL and '/', a line end too.
constexpr std::string_view kPathKey = "path ";
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
  return record;
}

}  // namespace zumoku
