#include "app/completion/word_source.h"

#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

namespace zumoku {

namespace fs = std::filesystem;
using completion::InstalledNames;

namespace {
constexpr int kKpsewhichMilliseconds = 20000;
constexpr std::size_t kMaxLsRBytes = 64u << 20;

// The package and class names of every ls-R file TeX Live searches.
std::optional<InstalledNames> ReadInstalledNames() {
  const auto lsRFiles = Kpsewhich({QStringLiteral("-all"), QStringLiteral("ls-R")});
  if (!lsRFiles || lsRFiles->empty()) return std::nullopt;
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

void WordSource::Refresh(std::vector<completion::PaperFile> paper) {
  if (watcher_.isRunning()) {
    pending_ = std::move(paper);
    return;
  }
  Start(std::move(paper));
}

void WordSource::Start(std::vector<completion::PaperFile> paper) {
  const completion::PackageCache* cache = &cache_;
  watcher_.setFuture(QtConcurrent::run([paper = std::move(paper), cache, installed = installed_]() mutable {
    Result result{{}, installed};
    if (!result.installed) {
      const auto names = ReadInstalledNames();
      if (!names) result.gathered.problems.emplace_back("TeX Live の ls-R が見つからないため、パッケージ名は補完しません");
      result.installed = std::make_shared<const InstalledNames>(names.value_or(InstalledNames{}));
    }
    bool kpsewhichMissing = false;
    completion::GatherInput input{.paper = std::move(paper),
                                  .locate = [&](const std::vector<std::string>& names) {
                                    QStringList arguments;
                                    for (const std::string& name : names) arguments << QString::fromStdString(name);
                                    auto found = Kpsewhich(arguments);
                                    kpsewhichMissing = kpsewhichMissing || !found;
                                    return found.value_or(std::vector<fs::path>{});
                                  },
                                  .packages = cache,
                                  .installed = result.installed.get()};
    completion::Gathered gathered = completion::GatherWords(input);
    if (kpsewhichMissing) gathered.problems.emplace_back("kpsewhich を実行できないため、パッケージの命令は補完しません");
    gathered.problems.insert(gathered.problems.begin(), result.gathered.problems.begin(),
                             result.gathered.problems.end());
    result.gathered = std::move(gathered);
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
  if (pending_) {
    auto paper = std::move(*pending_);
    pending_.reset();
    Start(std::move(paper));
  }
}

}  // namespace zumoku
