// Completion: the list at the caret over memo1, and the words it offers,
// gathered off the GUI thread at start, after open and save, and after
// each typesetting run.
#include <QStandardPaths>

#include "app/completion/completer.h"
#include "app/completion/memo_completion_host.h"
#include "app/completion/word_source.h"
#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"
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

void TForm1::RefreshCompletion() {
  // The open document counts with its text as it stands, saved or not.
  const std::string path = document_->HasFile() ? document_->CurrentFileName() : std::string();
  wordSource_->Refresh([open = completion::PaperFile{path, Buffer().Text()}] { return std::vector{open}; });
}

}  // namespace zumoku
