#pragma once
// The folder of recovery files: for each document with unsaved changes, its
// bytes as Save would write them, and beside them a record that names the
// document and the program that wrote them.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "documents/file_system.h"
#include "recovery/recovery_record.h"

namespace zumoku {

// Where one document's recovery goes.
struct RecoverySlot {
  std::string bytesPath;
  std::string recordPath;

  bool operator==(const RecoverySlot&) const = default;
};

// A recovery file left by a program that no longer runs.
struct LeftRecovery {
  RecoverySlot slot;
  RecoveryRecord record;
};

class RecoveryFolder {
 public:
  // `folder` is created at the first write.
  RecoveryFolder(FileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}

  // A slot for `documentPath` (empty: a document without a file) written by
  // `writer`. Its name keeps the document's file name and adds a hash of
  // the whole path and the writer, so that documents of the same name in
  // different folders, and two programs, never share a file. A long name is
  // shortened to what a file system takes; the hash keeps it apart.
  RecoverySlot SlotFor(const std::string& documentPath, const ProcessIdentity& writer) const;
  // Writes the bytes, then the record, each atomically. May run on another
  // thread than the rest. The system's reason when either cannot be written.
  std::error_code Write(const RecoverySlot& slot, const RecoveryRecord& record, std::string_view bytes) const;
  void Remove(const RecoverySlot& slot) const;
  // The recoveries whose program is no longer running, oldest first. Only
  // regular files (no links) under names this program makes for their
  // record, with records in range, are offered.
  std::vector<LeftRecovery> LeftBehind() const;

  const std::string& Path() const { return folder_; }

 private:
  // The recovery whose record is at `recordPath`, when it is one to offer.
  std::optional<LeftRecovery> Left(const std::filesystem::path& recordPath) const;

  FileSystem& files_;
  std::string folder_;
};

}  // namespace zumoku
