#pragma once
// Paths of a paper's files as plain strings: joined and with "." and ".."
// taken out, as TeX's own look-up treats them, without asking the disk.
#include <string>
#include <string_view>

namespace zumoku::paper {

std::string JoinedPath(std::string_view folder, std::string_view name);
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
// `path` relative to `folder` ("../main.tex" for a file above it).
std::string RelativeName(std::string_view path, std::string_view folder);
// The name with ".tex" added unless it ends with it.
std::string WithTexExtension(std::string_view name);
bool HasExtension(std::string_view name);

}  // namespace zumoku::paper
