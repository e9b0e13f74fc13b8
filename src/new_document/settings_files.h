#pragma once
// The three settings files: the class list, the preamble, and title,
// author and date. Shift_JIS bytes, read with any line ends and written with
// CR LF after every line. Failures are shown through Prompts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documents/file_system.h"
#include "documents/prompts.h"
#include "new_document/document_settings.h"

namespace zumoku {

class SettingsFiles {
 public:
  // `folder` ends with its separator.
  SettingsFiles(FileSystem& files, Prompts& prompts, std::string folder);

  // What a fresh dialog shows: its defaults with the three files read in.
  // nullopt, after showing why, when a file cannot be read or author.txt
  // has fewer than three lines.
  std::optional<DocumentSettings> Load();

  // Each false, after showing why, when its file cannot be written.
  bool StoreClasses(const std::vector<std::string>& entries);
  // The lines of the preamble box; a last line without a line break gets one.
  bool StorePreamble(std::string_view preamble);
  bool StoreTitle(std::string_view title, std::string_view author, std::string_view date);

  std::string Path(std::string_view name) const;

 private:
  std::optional<std::vector<std::string>> ReadLines(std::string_view name);
  bool WriteLines(std::string_view name, const std::vector<std::string>& lines);

  FileSystem& files_;
  Prompts& prompts_;
  std::string folder_;
};

}  // namespace zumoku
