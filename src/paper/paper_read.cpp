#include "paper/paper_read.h"

namespace zumoku::paper {

namespace {
FileRead Refused(std::string problem) { return {.bytes = std::nullopt, .problem = std::move(problem)}; }
FileRead TooLarge(const std::string& shownName) {
  return Refused(shownName + " は大きすぎるため読みません (16 MB まで)。");
}
}  // namespace

FileRead ReadPaperFile(FileSystem& files, const std::string& path, const std::string& shownName) {
  // One look at the disk before reading; Read refuses what is not a regular
  // file, so what it is is asked only when nothing was read.
  const auto stamp = files.Stamp(path);
  if (stamp && stamp->size > kMaxPaperFileBytes) return TooLarge(shownName);
  auto bytes = stamp ? files.Read(path) : std::nullopt;
  if (!bytes) {
    if (files.IsSpecialFile(path)) return Refused(shownName + " は通常のファイルではないため読みません。");
    if (!stamp) return {.bytes = std::nullopt, .problem = shownName + " が見つかりません。", .missing = true};
    return Refused(shownName + " を読めません。");
  }
  // It may have grown between the two looks.
  if (bytes->size() > kMaxPaperFileBytes) return TooLarge(shownName);
  return {.bytes = std::move(bytes), .problem = {}};
}

}  // namespace zumoku::paper
