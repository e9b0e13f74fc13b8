#pragma once
// The commands of a typesetting run as the user chose them: the engine for
// each encoding, the DVI-to-PDF tool and options of its own, latexmk. An engine is
// empty (the document's words choose, see ChooseToolchain), "platex" or
// "uplatex", or a command line in which "%f" stands for the document's file.
#include <string>
#include <string_view>
#include <vector>

#include "encoding/encoding.h"

namespace zumoku::typeset {

inline constexpr std::string_view kFileNameMark = "%f";

struct ToolCommands {
  std::string shiftJisEngine;
  std::string utf8Engine;
  std::string dviToPdf = "dvipdfmx";
  std::string dviToPdfOptions;  // before the DVI file's name
  // latexmk, where it is installed, runs the standard engines' whole chain.
  bool useLatexmk = false;

  const std::string& EngineFor(Encoding encoding) const {
    return encoding == Encoding::kUtf8 ? utf8Engine : shiftJisEngine;
  }
  bool operator==(const ToolCommands&) const = default;
};

// True unless `engine` is empty, "platex" or "uplatex".
bool IsCommandLine(std::string_view engine);

// `words` with each "%f" inside them replaced by `file`.
std::vector<std::string> WithFileName(std::vector<std::string> words, const std::string& file);

}  // namespace zumoku::typeset
