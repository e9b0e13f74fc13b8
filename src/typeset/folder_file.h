#pragma once
// Reading the files a run's plan asks for by name: the document's own
// outputs, and the files its .aux names (`\@input{...}`), which anything
// may have written. Only a regular file inside the document's folder tree,
// of bounded size, is read; anything else reads as absent, and the run goes
// on without it.
#include <cstddef>
#include <optional>
#include <string>

namespace zumoku::typeset {

inline constexpr std::size_t kMaxFolderFileBytes = std::size_t{64} << 20;

// `folder` and `name` are file-system bytes; `name` is relative to `folder`.
std::optional<std::string> ReadFileInFolder(const std::string& folder, const std::string& name);

}  // namespace zumoku::typeset
