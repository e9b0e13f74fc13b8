#include "completion/source_files.h"

#include <QString>
#include <algorithm>
#include <fstream>
#include <system_error>

#include "documents/text_format.h"
#include "encoding/codec.h"

namespace zumoku::completion {

namespace fs = std::filesystem;

std::optional<std::string> ReadBounded(const fs::path& path, std::size_t maxBytes) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  const auto size = fs::file_size(path, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
  return bytes;
}

std::string DecodedText(std::string_view bytes) {
  const DetectedFormat detected = DetectFormat(bytes, Encoding::kUtf8);
  return codec::Decode(detected.text, detected.format.encoding).toStdString();
}

namespace {
std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

void Sort(std::vector<std::string>& names) { std::sort(names.begin(), names.end()); }
}  // namespace

FolderFiles ListFolderFiles(const fs::path& folder) {
  FolderFiles files;
  std::error_code error;
  fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
  int seen = 0;
  for (; !error && walk != fs::recursive_directory_iterator() && seen < kMaxListedFiles; walk.increment(error)) {
    ++seen;
    const fs::path& path = walk->path();
    const std::string name = path.filename().string();
    if (name.starts_with('.')) {
      if (walk->is_directory(error)) walk.disable_recursion_pending();
      continue;
    }
    if (!walk->is_regular_file(error)) continue;
    const std::string relative = path.lexically_relative(folder).generic_string();
    const std::string extension = Lower(path.extension().string());
    const std::string stem = relative.substr(0, relative.size() - extension.size());
    if (extension == ".tex") files.tex.push_back(stem);
    if (extension == ".bib") files.bib.push_back(stem);
    if (extension == ".pdf" || extension == ".png" || extension == ".jpg" || extension == ".jpeg" ||
        extension == ".eps") {
      files.pictures.push_back(relative);
    }
  }
  Sort(files.tex);
  Sort(files.pictures);
  Sort(files.bib);
  return files;
}

void AddInstalledNames(std::string_view lsR, InstalledNames& names) {
  std::size_t start = 0;
  while (start < lsR.size()) {
    std::size_t end = lsR.find('\n', start);
    if (end == std::string_view::npos) end = lsR.size();
    const std::string_view line = lsR.substr(start, end - start);
    start = end + 1;
    if (line.find('/') != std::string_view::npos) continue;  // a folder line
    if (line.ends_with(".sty")) names.packages.emplace_back(line.substr(0, line.size() - 4));
    if (line.ends_with(".cls")) names.classes.emplace_back(line.substr(0, line.size() - 4));
  }
}

}  // namespace zumoku::completion
