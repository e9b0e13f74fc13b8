#include "paper/paper_paths.h"

#include <filesystem>

namespace zumoku::paper {

std::string JoinedPath(std::string_view folder, std::string_view name) {
  const std::filesystem::path joined = std::filesystem::path(folder) / std::filesystem::path(name);
  return joined.lexically_normal().string();
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string RelativeName(std::string_view path, std::string_view folder) {
  const std::string relative = std::filesystem::path(path).lexically_relative(folder).string();
  return relative.empty() ? std::string(path) : relative;
}

std::string WithTexExtension(std::string_view name) {
  return name.ends_with(".tex") ? std::string(name) : std::string(name) + ".tex";
}

bool HasExtension(std::string_view name) {
  const std::string file = FileNameOf(name);
  const std::size_t dot = file.rfind('.');
  return dot != std::string::npos && dot > 0;
}

}  // namespace zumoku::paper
