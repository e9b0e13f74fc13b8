#include "app/find/long_pass.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

namespace zumoku {

namespace {
constexpr int kSteps = 1000;
constexpr int kTickMs = 100;
}  // namespace

bool RunLongPass(QWidget* parent, const QString& what, std::size_t total,
                 const std::function<void(const search::Progress&)>& pass) {
  std::atomic<std::size_t> done{0};
  std::atomic<bool> cancelled{false};
  std::exception_ptr failure;
  // Shown at once and modal, so nothing changes the document while the pass reads it.
  QProgressDialog dialog(QStringLiteral("%1しています…").arg(what), QStringLiteral("キャンセル"), 0, kSteps, parent);
  dialog.setObjectName(QStringLiteral("LongPassProgress"));
  dialog.setWindowTitle(what);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(0);
  dialog.setAutoReset(false);
  dialog.setAutoClose(false);
  QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancelled = true; });
  QEventLoop loop;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    dialog.setValue(
        static_cast<int>(static_cast<double>(done) / static_cast<double>(std::max<std::size_t>(total, 1)) * kSteps));
  });
  tick.start(kTickMs);
  dialog.show();
  std::thread worker([&] {
    try {
      pass([&](std::size_t at) {
        done = at;
        return !cancelled;
      });
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  if (failure) std::rethrow_exception(failure);
  return !cancelled;
}

}  // namespace zumoku
