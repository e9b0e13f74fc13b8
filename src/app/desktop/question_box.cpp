#include "app/desktop/question_box.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace zumoku {

namespace {
class QuestionBox : public QMessageBox {
 public:
  QuestionBox(QWidget* parent, const QString& question, const QString& yes = QStringLiteral("はい(&Y)"),
              const QString& no = QStringLiteral("いいえ(&N)"))
      : QMessageBox(QMessageBox::Information, QStringLiteral("情報"), question, QMessageBox::NoButton, parent) {
    setObjectName(QStringLiteral("QuestionBox"));
    // Questions name files, whose paths are never markup.
    setTextFormat(Qt::PlainText);
    yes_ = addButton(yes, QMessageBox::YesRole);
    no_ = addButton(no, QMessageBox::NoRole);
    setDefaultButton(yes_);
  }

  QPushButton* Yes() const { return yes_; }
  QPushButton* No() const { return no_; }

  // The button that answered; nullptr when the box was closed by its close
  // button.
  QAbstractButton* Run() {
    exec();
    return closed_ ? nullptr : clickedButton();
  }

 protected:
  // QMessageBox counts its close button as the Esc button; told apart here.
  void closeEvent(QCloseEvent* event) override {
    closed_ = clickedButton() == nullptr;
    QMessageBox::closeEvent(event);
  }

 private:
  QPushButton* yes_ = nullptr;
  QPushButton* no_ = nullptr;
  bool closed_ = false;
};
}  // namespace

Answer AskQuestion(QWidget* parent, const QString& question, Answer byDefault) {
  QuestionBox box(parent, question);
  if (byDefault == Answer::kNo) box.setDefaultButton(box.No());
  box.setEscapeButton(box.No());
  const QAbstractButton* answer = box.Run();
  if (answer == nullptr) return Answer::kClosed;
  return answer == box.Yes() ? Answer::kYes : Answer::kNo;
}

UnsavedAnswer AskQuestionWithCancel(QWidget* parent, const QString& question) {
  QuestionBox box(parent, question);
  box.setEscapeButton(box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole));
  const QAbstractButton* answer = box.Run();
  if (answer == box.Yes()) return UnsavedAnswer::kYes;
  if (answer == box.No()) return UnsavedAnswer::kNo;
  return UnsavedAnswer::kCancel;
}

bool AskToReload(QWidget* parent, const QString& question) {
  QuestionBox box(parent, question, QStringLiteral("再読み込み"), QStringLiteral("そのまま"));
  box.setDefaultButton(box.No());
  box.setEscapeButton(box.No());
  return box.Run() == box.Yes();
}

}  // namespace zumoku
