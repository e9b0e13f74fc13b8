// Completion: the list at the caret over memo1, and the words it offers,
// gathered off the GUI thread at start, after open and save, and after
// each typesetting run.
#include <QStandardPaths>

#include "app/completion/completer.h"
#include "app/completion/memo_completion_host.h"
#include "app/completion/word_source.h"
#include "app/desktop/disk_files.h"
#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"
#include "paper/paper_files.h"
#include "typeset/typeset_runner.h"

namespace zumoku {

void TForm1::SetUpCompletion() {
  auto* host = new MemoCompletionHost(*memo1);
  completer_ = new Completer(*host, *buffer_, this);
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  wordSource_ =
      new WordSource(cache.isEmpty() ? std::filesystem::path()
                                     : std::filesystem::path((cache + QStringLiteral("/completion")).toStdString()),
                     this);
  connect(wordSource_, &WordSource::ready, completer_, &Completer::SetWords);
  connect(wordSource_, &WordSource::problem, this, [this](const QString& message) { SetStatusPanelText(0, message); });
  connect(&typesetting_->Runner(), &typeset::TypesetRunner::finished, this, &TForm1::RefreshCompletion);
  RefreshCompletion();
}

// The words of the whole paper: its root and the files it reads, the open
// document with its text as it stands, saved or not. A document whose root
// cannot be told stands alone.
void TForm1::RefreshCompletion() {
  const std::string text = Buffer().Text();
  if (!document_->HasFile()) {
    wordSource_->Refresh([open = completion::PaperFile{{}, text}] { return std::vector{open}; });
    return;
  }
  const paper::OpenText open{document_->CurrentFileName(), text, Buffer().TextEncoding()};
  const paper::Root root = DocumentRoot(text);
  const std::string rootPath = root.path.empty() ? open.path : root.path;
  wordSource_->Refresh([open, rootPath] {
    DiskFiles files;
    std::vector<completion::PaperFile> paper;
    for (paper::PaperFile& file : paper::ReadPaper(files, rootPath, open).files) {
      paper.push_back({file.path, std::move(file.text)});
    }
    return paper;
  });
}

}  // namespace zumoku
