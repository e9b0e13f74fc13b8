#pragma once
// "ファイルを開く": the file a command at the caret names (\input, \include,
// \subfile, \bibliography, \addbibresource, \includegraphics), found as TeX
// finds it from the folder it runs in.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "documents/file_system.h"
#include "paper/tex_names.h"

namespace zumoku::paper {

// The named file whose command holds byte `offset` (from 0), if any.
std::optional<NamedFile> NamedFileAt(std::string_view text, Encoding encoding, std::size_t offset);

// Its path from `folder`: `.tex` then the name as given for \input and
// \subfile, `.tex` for \include, `.bib` for a bibliography, and for a
// picture the name as given when it has an extension, else `.pdf`, `.png`,
// `.jpg`, `.eps` in turn. nullopt when no such file is there.
std::optional<std::string> FindNamedFile(FileSystem& files, const std::string& folder, const NamedFile& named,
                                         Encoding encoding);

}  // namespace zumoku::paper
