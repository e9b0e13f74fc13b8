#include "pictures/picture_path.h"

#include <algorithm>
#include <cctype>

namespace zumoku::pictures {

namespace {
constexpr std::string_view kUnreadable = "%#{}\\'\"";

std::string Lowered(std::string_view s) {
  std::string lowered(s);
  std::ranges::transform(lowered, lowered.begin(), [](unsigned char c) { return std::tolower(c); });
  return lowered;
}
}  // namespace

bool IsPictureName(std::string_view path) {
  const std::string_view name = path.substr(path.rfind('/') + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string pattern = "*" + Lowered(name.substr(dot));
  std::string_view patterns = kPictureFileTypes[0].patterns;
  while (!patterns.empty()) {
    const std::size_t end = std::min(patterns.find(';'), patterns.size());
    if (patterns.substr(0, end) == pattern) return true;
    patterns.remove_prefix(std::min(end + 1, patterns.size()));
  }
  return false;
}

bool TexKnowsExtension(std::string_view path) {
  const std::string_view extension = path.substr(path.rfind('.') + 1);
  const bool small = std::ranges::any_of(extension, [](unsigned char c) { return std::islower(c) != 0; });
  const bool capital = std::ranges::any_of(extension, [](unsigned char c) { return std::isupper(c) != 0; });
  return !(small && capital);
}

std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1));
}

std::string TexPath(std::string_view documentFolder, std::string_view picture) {
  const bool inside = !documentFolder.empty() && picture.starts_with(documentFolder);
  return std::string(inside ? picture.substr(documentFolder.size()) : picture);
}

bool TexCanRead(std::string_view texPath) {
  return !texPath.empty() && std::ranges::all_of(texPath, [](unsigned char c) {
    return c > ' ' && c < 0x7f && kUnreadable.find(static_cast<char>(c)) == std::string_view::npos;
  });
}

std::string FreePictureName(FileSystem& files, std::string_view folder) {
  for (int n = 1;; ++n) {
    std::string name = "fig" + std::to_string(n) + ".png";
    if (!files.Exists(std::string(folder) + name)) return name;
  }
}

}  // namespace zumoku::pictures
