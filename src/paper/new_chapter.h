#pragma once
// "新しい章ファイル": a new file of the paper, named as the user typed it
// from the root's folder, that names its root in a comment, and the \input
// that reads it from the root.
#include <string>
#include <string_view>
#include <variant>

#include "documents/file_system.h"
#include "documents/text_format.h"

namespace zumoku::paper {

struct NewChapter {
  std::string path;   // absolute
  std::string input;  // "\input{name}" in the root's encoding, the name as typed without ".tex"
  std::string bytes;  // the new file's: "% !TEX root = <the root from the chapter's folder>" and a line end
};

// `typed` is UTF-8; `rootPath` absolute; `format` the root's. Refused with a
// Japanese sentence: an empty, absolute or ".." name, one TeX cannot read in
// \input, a folder that is not there, a file that is (never overwritten), a
// name the root's encoding cannot hold.
std::variant<NewChapter, std::string> PlanNewChapter(FileSystem& files, const std::string& rootPath,
                                                     std::string_view typed, const TextFormat& format);

}  // namespace zumoku::paper
