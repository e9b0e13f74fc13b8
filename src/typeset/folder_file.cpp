#include "typeset/folder_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace zumoku::typeset {

namespace {

// The path with every link and "..", resolved; nullopt when it does not exist.
std::optional<std::string> Resolved(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

bool IsInside(const std::string& path, const std::string& folder) {
  const std::string prefix = folder.ends_with('/') ? folder : folder + '/';
  return path.starts_with(prefix);
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

// Reads at most one byte past the bound, to tell a file that grew past it.
std::optional<std::string> ReadBounded(int fd) {
  std::string bytes;
  char chunk[1 << 16];
  while (bytes.size() <= kMaxFolderFileBytes) {
    const ssize_t count = read(fd, chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadFileInFolder(const std::string& folder, const std::string& name) {
  if (name.empty() || name.front() == '/') return std::nullopt;
  const auto root = Resolved(folder);
  const auto path = Resolved(folder + '/' + name);
  if (!root || !path || !IsInside(*path, *root)) return std::nullopt;
  // Not blocking: a FIFO or a device opens at once, and is refused below.
  const Descriptor file(open(path->c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
  struct stat status {};
  if (file.Get() < 0 || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > kMaxFolderFileBytes) {
    return std::nullopt;
  }
  return ReadBounded(file.Get());
}

}  // namespace zumoku::typeset
