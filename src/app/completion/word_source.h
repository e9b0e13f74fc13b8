#pragma once
// The words completion offers, gathered on a worker thread from the paper's
// files, the installed TeX Live (kpsewhich and its ls-R files) and the
// package cache, so that typing never waits for a file. A refresh asked for
// while one runs is run once it ends. What cannot be read is said once, by
// the `problem` signal, and the list works with the rest.
#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "completion/gather.h"

namespace zumoku {

class WordSource : public QObject {
  Q_OBJECT
 public:
  // `cacheFolder` keeps the packages' definitions between sessions.
  WordSource(std::filesystem::path cacheFolder, QObject* parent = nullptr);
  ~WordSource() override;

  // The paper's files, the root first, the open one with its text as it
  // stands; read on the worker.
  using PaperReader = std::function<std::vector<completion::PaperFile>()>;
  void Refresh(PaperReader readPaper);
  std::shared_ptr<const completion::WordSet> Words() const { return words_; }
  bool Busy() const { return watcher_.isRunning(); }

 signals:
  void ready(std::shared_ptr<const zumoku::completion::WordSet> words);
  void problem(const QString& message);

 private:
  struct Result {
    completion::Gathered gathered;
    std::shared_ptr<const completion::InstalledNames> installed;
  };
  void Start(PaperReader readPaper);
  void Finished();

  completion::PackageCache cache_;
  std::shared_ptr<const completion::InstalledNames> installed_;  // read once
  std::shared_ptr<const completion::WordSet> words_;
  QFutureWatcher<Result> watcher_;
  PaperReader pending_;
  QSet<QString> said_;
};

// kpsewhich's answer for installed files, one process for all the names;
// nullopt when kpsewhich cannot be run.
std::optional<std::vector<std::filesystem::path>> Kpsewhich(const QStringList& arguments);

}  // namespace zumoku
