#include "app/completion/word_source.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

namespace zumoku {
namespace {

// Without kpsewhich (and so without ls-R) the list keeps LaTeX's own words
// and the paper's, and the status bar hears of it once.
TEST(WordSourceWithoutTexLive, WorksWithWhatItCanReadAndSaysSoOnce) {
  const QByteArray path = qgetenv("PATH");
  QTemporaryDir empty;
  qputenv("PATH", empty.path().toUtf8());
  WordSource source(std::filesystem::path(empty.path().toStdString()) / "cache");
  QSignalSpy ready(&source, &WordSource::ready);
  QSignalSpy problems(&source, &WordSource::problem);
  const auto paper = [] {
    return std::vector<completion::PaperFile>{{{}, std::string("\\usepackage{amsmath}\\label{own}")}};
  };
  source.Refresh(paper);
  source.Refresh(paper);  // asked while the first runs: run after it
  while (ready.count() < 2) ASSERT_TRUE(ready.wait(60000));
  qputenv("PATH", path);
  const auto words = source.Words();
  EXPECT_FALSE(words->For(completion::ContextKind::kCommand).empty());
  ASSERT_EQ(words->labels.size(), 1u);
  EXPECT_EQ(words->labels[0].word, "own");
  ASSERT_EQ(problems.count(), 1);
}

}  // namespace
}  // namespace zumoku
