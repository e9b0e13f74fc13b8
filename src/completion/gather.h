#pragma once
// Gathers every word completion offers for a paper: LaTeX's own lists, the
// definitions of the packages and class the paper loads (and of those they
// load), the paper's own definitions and labels, the keys of the .bib files
// it names, the files in the root's folder and the installed package and
// class names. Plain C++ that reads files; run it off the GUI thread.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "completion/package_cache.h"
#include "completion/source_files.h"
#include "completion/word_set.h"

namespace zumoku::completion {

struct PaperFile {
  std::filesystem::path path;
  std::optional<std::string> bytes;  // the open document's text, saved or not
};

// Finds installed files by name ("amsmath.sty"), giving the paths found in
// any order; the program's is kpsewhich.
using Locate = std::function<std::vector<std::filesystem::path>(const std::vector<std::string>& fileNames)>;

struct GatherInput {
  std::vector<PaperFile> paper;  // the root first, then the files it includes
  Locate locate;
  const PackageCache* packages = nullptr;
  const InstalledNames* installed = nullptr;
};

struct Gathered {
  WordSet words;
  std::vector<std::string> problems;  // what could not be read, in Japanese
};

inline constexpr int kMaxPackageFiles = 400;

Gathered GatherWords(const GatherInput& input);

}  // namespace zumoku::completion
