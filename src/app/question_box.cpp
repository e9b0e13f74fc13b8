#include "app/question_box.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace zumoku {

namespace {
class QuestionBox : public QMessageBox {
 public:
  QuestionBox(QWidget* parent, const QString& question)
      : QMessageBox(QMessageBox::Information, QStringLiteral("情報"), question, QMessageBox::NoButton, parent) {
    setObjectName(QStringLiteral("QuestionBox"));
    yes_ = addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    setDefaultButton(yes_);
    setEscapeButton(no);
  }

  Answer Run() {
    exec();
    if (closed_) return Answer::kClosed;
    return clickedButton() == yes_ ? Answer::kYes : Answer::kNo;
  }

 protected:
  // QMessageBox counts its close button as the Esc button; here it is
  // neither answer.
  void closeEvent(QCloseEvent* event) override {
    closed_ = clickedButton() == nullptr;
    QMessageBox::closeEvent(event);
  }

 private:
  QPushButton* yes_ = nullptr;
  bool closed_ = false;
};
}  // namespace

Answer AskQuestion(QWidget* parent, const QString& question) { return QuestionBox(parent, question).Run(); }

}  // namespace zumoku
