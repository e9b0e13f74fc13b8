#include "documents/file_on_disk.h"

#include <functional>

namespace zumoku {

namespace {
std::size_t Hash(std::string_view bytes) { return std::hash<std::string_view>{}(bytes); }
}  // namespace

void FileOnDisk::RememberRead(const std::string& path, std::optional<FileStamp> stamp, std::string_view bytes) {
  path_ = path;
  stamp_ = stamp;
  hash_ = Hash(bytes);
  changeTaken_ = false;
}

void FileOnDisk::RememberWritten(const std::string& path, std::string_view bytes) {
  RememberRead(path, files_.Stamp(path), bytes);
}

void FileOnDisk::Forget() {
  path_.reset();
  changeTaken_ = false;
}

FileOnDisk::Change FileOnDisk::Compare() { return path_ ? CompareWith(files_.Stamp(*path_)) : Change::kNone; }

FileOnDisk::Change FileOnDisk::TakeNewChange() {
  if (!path_) return Change::kNone;
  const auto now = files_.Stamp(*path_);
  if (changeTaken_ && takenStamp_ == now) return Change::kNone;
  const Change change = CompareWith(now);
  if (change != Change::kNone) {
    changeTaken_ = true;
    takenStamp_ = now;
  }
  return change;
}

FileOnDisk::Change FileOnDisk::CompareWith(const std::optional<FileStamp>& now) {
  if (now == stamp_) return Change::kNone;
  if (!now) return Change::kDeleted;
  if (stamp_ && now->size != stamp_->size) return Change::kChanged;
  const auto bytes = files_.Read(*path_);
  if (!bytes || Hash(*bytes) != hash_) return Change::kChanged;
  stamp_ = now;
  return Change::kNone;
}

}  // namespace zumoku
