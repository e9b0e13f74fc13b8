#include "app/completion/word_source.h"

#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace zumoku {

namespace fs = std::filesystem;
using completion::InstalledNames;

namespace {
constexpr int kKpsewhichMilliseconds = 20000;
constexpr std::size_t kMaxLsRBytes = 64u << 20;

// The package and class names of every ls-R file TeX Live searches; nullopt
// when kpsewhich cannot be run.
std::optional<InstalledNames> ReadInstalledNames(std::vector<std::string>& problems) {
  const auto lsRFiles = Kpsewhich({QStringLiteral("-all"), QStringLiteral("ls-R")});
  if (!lsRFiles) return std::nullopt;
  if (lsRFiles->empty()) problems.emplace_back("TeX Live の ls-R が見つからないため、パッケージ名は補完しません");
  InstalledNames names;
  for (const fs::path& file : *lsRFiles) {
    if (const auto text = completion::ReadBounded(file, kMaxLsRBytes)) completion::AddInstalledNames(*text, names);
  }
  return names;
}
}  // namespace

std::optional<std::vector<fs::path>> Kpsewhich(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("kpsewhich"), arguments);
  if (!process.waitForStarted() || !process.waitForFinished(kKpsewhichMilliseconds)) {
    process.kill();
    process.waitForFinished();
    return std::nullopt;
  }
  std::vector<fs::path> paths;
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    if (!line.trimmed().isEmpty()) paths.emplace_back(line.trimmed().toStdString());
  }
  return paths;
}

WordSource::WordSource(fs::path cacheFolder, QObject* parent) : QObject(parent), cache_(std::move(cacheFolder)) {
  connect(&watcher_, &QFutureWatcher<Result>::finished, this, &WordSource::Finished);
}

WordSource::~WordSource() { watcher_.waitForFinished(); }

void WordSource::Refresh(PaperReader readPaper) {
  if (watcher_.isRunning()) {
    pending_ = std::move(readPaper);
    return;
  }
  Start(std::move(readPaper));
}

void WordSource::Start(PaperReader readPaper) {
  const completion::PackageCache* cache = &cache_;
  watcher_.setFuture(QtConcurrent::run([readPaper = std::move(readPaper), cache, installed = installed_] {
    Result result{{}, installed};
    std::vector<std::string> problems;
    bool kpsewhichMissing = false;
    if (!result.installed) {
      const auto names = ReadInstalledNames(problems);
      kpsewhichMissing = !names;
      result.installed = std::make_shared<const InstalledNames>(names.value_or(InstalledNames{}));
    }
    completion::GatherInput input{.paper = readPaper(),
                                  .locate =
                                      [&](const std::vector<std::string>& names) {
                                        if (kpsewhichMissing) return std::vector<fs::path>{};
                                        QStringList arguments;
                                        for (const std::string& name : names) arguments << QString::fromStdString(name);
                                        auto found = Kpsewhich(arguments);
                                        kpsewhichMissing = !found;
                                        return found.value_or(std::vector<fs::path>{});
                                      },
                                  .packages = cache,
                                  .installed = result.installed.get()};
    result.gathered = completion::GatherWords(input);
    // Without kpsewhich there is no ls-R either: one message says both.
    if (kpsewhichMissing)
      problems.insert(problems.begin(), "kpsewhich を実行できないため、パッケージの命令と名前は補完しません");
    result.gathered.problems.insert(result.gathered.problems.begin(), problems.begin(), problems.end());
    return result;
  }));
}

void WordSource::Finished() {
  Result result = watcher_.result();
  installed_ = result.installed;
  words_ = std::make_shared<const completion::WordSet>(std::move(result.gathered.words));
  // One message at most, and each only once.
  for (const std::string& text : result.gathered.problems) {
    const QString message = QString::fromStdString(text);
    if (said_.contains(message)) continue;
    said_.insert(message);
    emit problem(message);
    break;
  }
  emit ready(words_);
  if (pending_) Start(std::exchange(pending_, nullptr));
}

}  // namespace zumoku
