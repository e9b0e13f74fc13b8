#pragma once
// Answers the modal dialogs that a command opens, one scripted step per
// dialog, in order. A dialog the script does not expect fails the test and
// is rejected, so a test never hangs on it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "click.h"

namespace zumoku::test {

class ModalScript : public QObject {
 public:
  using Step = std::function<void(QDialog*)>;

  explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) { qApp->installEventFilter(this); }
  ~ModalScript() override {
    qApp->removeEventFilter(this);
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted dialogs did not open";
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog != nullptr) {
      // Acts once the dialog's own event loop runs.
      QTimer::singleShot(0, this, [this, shown = QPointer<QDialog>(dialog)] {
        if (shown) Run(shown);
      });
    }
    return false;
  }

 private:
  void Run(QDialog* dialog) {
    if (steps_.empty()) {
      ADD_FAILURE() << "unexpected dialog: " << dialog->windowTitle().toStdString();
      dialog->reject();
      return;
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    const QPointer<QDialog> shown(dialog);
    step(dialog);
    // A step that failed an ASSERT returned early and may have left its
    // dialog open: close it, or the command under test never returns.
    if (shown && shown->isVisible() && ::testing::Test::HasFatalFailure()) shown->reject();
  }

  std::deque<Step> steps_;
};

// Clicks the dialog's button with this name or caption.
inline ModalScript::Step Clicking(const QString& button) {
  return [button](QDialog* dialog) { Click(dialog, button); };
}

// Notes a message box's caption and text ("caption: text"), then takes
// the next step.
inline ModalScript::Step Noting(QString& seen, ModalScript::Step then) {
  return [&seen, then](QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr) << "not a message box: " << dialog->windowTitle().toStdString();
    seen = box->windowTitle() + QStringLiteral(": ") + box->text();
    then(dialog);
  };
}

// Chooses a file in a file dialog.
inline ModalScript::Step Choose(const QString& path) {
  return [path](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    files->selectFile(path);
    dialog->accept();
  };
}

inline ModalScript::Step Cancel() {
  return [](QDialog* dialog) { dialog->reject(); };
}

inline ModalScript::Step Accept() {
  return [](QDialog* dialog) { dialog->accept(); };
}

}  // namespace zumoku::test
