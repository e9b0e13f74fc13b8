#include "paper/named_file_at.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace zumoku::paper {
namespace {

TEST(NamedFileAt, FoundAsTexFindsIt) {
  const struct {
    std::string text;  // the caret at its "|", taken out
    std::vector<std::string> files;
    std::string found;  // empty: none
  } rows[] = {
      {"\\input{ch|ap}", {"/p/chap.tex", "/p/chap"}, "/p/chap.tex"},
      {"\\input{data.txt|}", {"/p/data.txt"}, "/p/data.txt"},
      {"|\\include{c}", {"/p/c.tex"}, "/p/c.tex"},
      {"\\include{c}|", {"/p/c"}, ""},
      {"\\bibliography{a,|b}", {"/p/b.bib"}, "/p/b.bib"},
      {"\\addbibresource{refs.bib|}", {"/p/refs.bib"}, "/p/refs.bib"},
      {"\\includegraphics[width=3cm]{f|ig}", {"/p/fig.png", "/p/fig.jpg"}, "/p/fig.png"},
      {"\\includegraphics{fig|}", {"/p/fig.pdf", "/p/fig.png"}, "/p/fig.pdf"},
      {"\\includegraphics{fig.eps|}", {"/p/fig.eps.pdf", "/p/fig.eps"}, "/p/fig.eps"},
      {"\\input{a} |text", {"/p/a.tex"}, ""},
      {"% \\input{a|}", {"/p/a.tex"}, ""},
  };
  for (const auto& row : rows) {
    test::MemoryFiles files;
    for (const std::string& path : row.files) files.files[path] = "";
    std::string text = row.text;
    const std::size_t caret = text.find('|');
    text.erase(caret, 1);
    const auto named = NamedFileAt(text, Encoding::kShiftJis, caret);
    const auto found = named ? FindNamedFile(files, "/p", *named, Encoding::kShiftJis) : std::nullopt;
    EXPECT_EQ(found.value_or(""), row.found) << row.text;
  }
}

}  // namespace
}  // namespace zumoku::paper
