#include "app/find/long_pass.h"

#include <QCoreApplication>
#include <QEvent>
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
// A pass that ends sooner shows no dialog, so F3 in a large document does not flash one.
constexpr int kShowAfterMs = 400;

// Keeps the user's input from every window but the dialog's while the pass
// runs, before the dialog shows and makes itself modal: nothing may change
// the document the pass reads.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(const QWidget& dialog) : dialog_(dialog) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsInput(event->type())) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget == nullptr || widget->window() != &dialog_;
  }

 private:
  static bool IsInput(QEvent::Type type) {
    switch (type) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::InputMethod:
      case QEvent::Drop:
      case QEvent::Close:  // the window and the document stay while the pass reads them
        return true;
      default:
        return false;
    }
  }
  const QWidget& dialog_;
};
}  // namespace

bool RunLongPass(QWidget* parent, const QString& what, std::size_t total,
                 const std::function<void(const search::Progress&)>& pass) {
  std::atomic<std::size_t> done{0};
  std::atomic<bool> cancelled{false};
  std::exception_ptr failure;
  QProgressDialog dialog(QStringLiteral("%1しています…").arg(what), QStringLiteral("キャンセル"), 0, kSteps, parent);
  dialog.setObjectName(QStringLiteral("LongPassProgress"));
  dialog.setWindowTitle(what);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(kShowAfterMs);
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
  const InputBlocker blocker(dialog);
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
