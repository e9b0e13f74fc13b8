#pragma once
// Generated Shift_JIS documents for the tests that run the real pLaTeX tool
// chain, each written into a fresh temporary folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "sjis_text.h"

namespace zumoku::test {

// Line 3 holds the Japanese text that SyncTeX tests look for.
inline const std::string kGoodDocument =
    S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n日本語の本文です。\r\n\\newpage\r\n二ページ目。\r\n"
      "\\end{document}\r\n");
// An undefined command on line 4.
inline const std::string kErrorDocument =
    S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n最初の行。\r\n誤り\\undefinedcommand です。\r\n"
      "\\end{document}\r\n");
// A reference to a later label: the first run asks for a second.
inline const std::string kRerunDocument =
    S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\ref{later} を参照。\r\n\\section{節}\\label{later}\r\n"
      "\\end{document}\r\n");
// A table of contents on page 1, a citation and an index: finished only
// after pbibtex, mendex and further platex runs.
inline const std::string kPaperDocument =
    S("\\documentclass{jsarticle}\r\n\\usepackage{makeidx}\r\n\\makeindex\r\n\\begin{document}\r\n"
      "\\tableofcontents\r\n\\newpage\r\n\\section{はじめに}\r\n"
      "索引語\\index{さくいんご@索引語}の本文。文献\\cite{knuth}を引く。\r\n\\section{おわりに}\r\n"
      "終わり\\index{おわり@終わり}。\r\n\\bibliographystyle{jplain}\r\n\\bibliography{refs}\r\n"
      "\\printindex\r\n\\end{document}\r\n");
inline const std::string kPaperBibliography =
    "@book{knuth, author = {Donald E. Knuth}, title = {The TeXbook}, publisher = {Addison-Wesley}, year = {1984}}\r\n";
// Runs long enough to be stopped: a loop that never ends.
inline const std::string kEndlessDocument =
    "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\def\\loop{\\loop}\\loop\r\n\\end{document}\r\n";

class LatexFolder {
 public:
  // `name` may lead through folders, which are made.
  QString Write(const QString& name, const std::string& bytes) {
    QDir(dir_.path()).mkpath(QFileInfo(name).path());
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return dir_.filePath(name);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace zumoku::test
