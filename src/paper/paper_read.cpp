#include "paper/paper_read.h"

namespace zumoku::paper {

namespace {
FileRead Refused(std::string problem) { return {.bytes = std::nullopt, .problem = std::move(problem)}; }
}  // namespace

FileRead ReadPaperFile(FileSystem& files, const std::string& path, const std::string& shownName) {
  if (files.IsSpecialFile(path)) return Refused(shownName + " は通常のファイルではないため読みません。");
  const auto stamp = files.Stamp(path);
  if (!stamp) return Refused(shownName + " が見つかりません。");
  if (stamp->size > kMaxPaperFileBytes) return Refused(shownName + " は大きすぎるため読みません (16 MB まで)。");
  auto bytes = files.Read(path);
  if (!bytes) return Refused(shownName + " を読めません。");
  // It may have grown between the two looks.
  if (bytes->size() > kMaxPaperFileBytes) return Refused(shownName + " は大きすぎるため読みません (16 MB まで)。");
  return {.bytes = std::move(bytes), .problem = {}};
}

}  // namespace zumoku::paper
