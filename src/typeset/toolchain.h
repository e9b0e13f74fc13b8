#pragma once
// Which TeX engine typesets a document, and the tools that go with it, all
// reading and writing the document's encoding. The document's own words
// choose the engine: a magic comment in its first lines (`%#!uplatex ...`,
// `%#!platex -kanji=utf8`) first, then its class (the upLaTeX classes
// ujarticle, ujreport, ujbook and their vertical ut* kin, or the class
// option `uplatex` that jsarticle and its kin take); pLaTeX otherwise.
#include <cstdint>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku::typeset {

enum class Engine : std::uint8_t { kPlatex, kUplatex };

struct Toolchain {
  Engine engine = Engine::kPlatex;
  Encoding encoding = Encoding::kShiftJis;

  bool operator==(const Toolchain&) const = default;

  std::string Latex() const { return engine == Engine::kUplatex ? "uplatex" : "platex"; }
  std::string Bibtex() const { return engine == Engine::kUplatex ? "upbibtex" : "pbibtex"; }
  // The tools' name of the encoding, for -kanji= and PTEX_KANJI_ENC.
  std::string KanjiEncoding() const { return encoding == Encoding::kUtf8 ? "utf8" : "sjis"; }
  std::string KanjiOption() const { return "-kanji=" + KanjiEncoding(); }
  std::string MendexOption() const { return encoding == Encoding::kUtf8 ? "-U" : "-S"; }
  // Harano Aji, which TeX Live ships, in dvipdfmx's map for the engine's
  // fonts (upLaTeX's are others than pLaTeX's): passed when the system's
  // own map embeds no Japanese font.
  std::string EmbeddingMap() const { return engine == Engine::kUplatex ? "uptex-haranoaji.map" : "ptex-haranoaji.map"; }
  // upLaTeX's own class files are UTF-8: told to read Shift_JIS, it misreads
  // them, and left to guess, it misreads the document.
  bool CanTypeset() const { return !(engine == Engine::kUplatex && encoding == Encoding::kShiftJis); }
};

// `text` is the document's bytes in `encoding`.
Toolchain ChooseToolchain(std::string_view text, Encoding encoding);

}  // namespace zumoku::typeset
