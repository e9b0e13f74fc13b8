#pragma once
// Reading one file of a paper: a regular file only, of bounded size, so
// that a FIFO named in \input cannot hang the editor nor a huge file fill
// its memory. Every refusal is a Japanese sentence naming the file.
#include <cstdint>
#include <optional>
#include <string>

#include "documents/file_system.h"

namespace zumoku::paper {

inline constexpr std::uint64_t kMaxPaperFileBytes = std::uint64_t{16} << 20;

struct FileRead {
  std::optional<std::string> bytes;
  std::string problem;   // why there are no bytes
  bool missing = false;  // nothing is there
};

// `shownName` is how the message names the file.
FileRead ReadPaperFile(FileSystem& files, const std::string& path, const std::string& shownName);

}  // namespace zumoku::paper
