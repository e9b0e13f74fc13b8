#pragma once
// Generated Shift_JIS documents for the tests that run the real pLaTeX tool
// chain, each written into a fresh temporary folder.
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "sjis_text.h"

namespace zumoku::test {

// Line 3 holds the Japanese text that SyncTeX tests look for.
inline const std::string kGoodDocument = S(
    "\\documentclass{jsarticle}\r\n\\begin{document}\r\n日本語の本文です。\r\n\\newpage\r\n二ページ目。\r\n"
    "\\end{document}\r\n");
// An undefined command on line 4.
inline const std::string kErrorDocument =
    S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n最初の行。\r\n誤り\\undefinedcommand です。\r\n"
      "\\end{document}\r\n");
// A reference to a later label: the first run asks for a second.
inline const std::string kRerunDocument =
    S("\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\ref{later} を参照。\r\n\\section{節}\\label{later}\r\n"
      "\\end{document}\r\n");
// Runs long enough to be stopped: a loop that never ends.
inline const std::string kEndlessDocument =
    "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\def\\loop{\\loop}\\loop\r\n\\end{document}\r\n";

class LatexFolder {
 public:
  QString Write(const QString& name, const std::string& bytes) {
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return dir_.filePath(name);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace zumoku::test
