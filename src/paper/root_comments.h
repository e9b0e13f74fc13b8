#pragma once
// The root a document's own comments name: "% !TEX root = main.tex" or a
// "%#!" command line that names a file, in its first lines; Emacs's
// "%%% TeX-master: "main"" in its last lines; or the subfiles class's
// option, "\documentclass[main]{subfiles}". First match wins.
#include <optional>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku::paper {

inline constexpr int kTexMasterLines = 30;

enum class RootSource { kItself, kTexRoot, kHashBang, kTexMaster, kSubfiles, kChosen, kIncluder };

struct RootComment {
  RootSource source = RootSource::kTexRoot;
  std::string name;  // file-system (UTF-8) name relative to the document's folder, ".tex" added where missing
};

std::optional<RootComment> RootNamedInComments(std::string_view text, Encoding encoding);

}  // namespace zumoku::paper
