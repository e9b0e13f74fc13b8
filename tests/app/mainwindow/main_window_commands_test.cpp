// Every command is one undo step, and none lets an exception out.
#include <gtest/gtest.h>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include "form_test.h"
#include "modal.h"
#include "sjis_text.h"

namespace zumoku::test {

class Commands : public FormTest {
 protected:
  EditBuffer& b() { return form.Buffer(); }
  void Type(const QString& keys) { QTest::keyClicks(form.memo1, keys); }
  void Select(int start, int length) {
    b().SetSelStart(start);
    b().SetSelLength(length);
  }
};

// The typing aid and a menu command over a selection: Undo brings back the
// text and the selection, and the steps before stay.
TEST_F(Commands, UndoTakesBackOneCommandAndKeepsEarlierSteps) {
  const struct {
    const char* name;  // nullptr: the typing aid's "{"
    std::string after;
  } rows[] = {{nullptr, "ab {}"}, {"N12", "ab \\textbf{cd}"}, {"N20", "ab  "}};
  for (const auto& row : rows) {
    b().Clear();
    Type(QStringLiteral("ab cd"));
    Select(3, 2);
    if (row.name == nullptr) {
      Type(QStringLiteral("{"));
    } else if (std::string_view(row.name) == "N20") {
      // Closed: the last count, 0, which leaves one blank for the selection.
      WhenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
      Trigger(row.name);
    } else {
      Trigger(row.name);
    }
    EXPECT_EQ(b().Text(), row.after) << row.after;
    Trigger("N4");
    EXPECT_EQ(b().Text(), "ab cd") << row.after;
    EXPECT_EQ(b().SelStart(), 3) << row.after;
    EXPECT_EQ(b().SelLength(), 2) << row.after;
    Trigger("N4");  // the typing before it
    EXPECT_EQ(b().Text(), "") << row.after;
  }
}

// Text no entry lets in (here put straight into the widget) makes a command
// fail: the error box is shown and the text stays as it was.
TEST_F(Commands, ACommandThatMeetsUnencodableTextChangesNothing) {
  form.memo1->setPlainText(QStringLiteral("\\documentclass{jsarticle}\nx\u2028y\n\\begin{document}\nabc"));
  b().SetModified(false);
  const QString before = form.memo1->toPlainText();
  form.memo1->SelectLine(form.memo1->LineCount() - 1);
  QStringList errors;
  const auto answer = [&errors](QMessageBox* box) {
    errors << box->text();
    box->accept();
  };
  form.N44Click();
  WhenModal<QMessageBox>(answer);
  Trigger("gather1");  // writes, then reads the line after the class line
  EXPECT_EQ(form.memo1->toPlainText(), before);
  EXPECT_EQ(b().SelText(), "abc");
  EXPECT_FALSE(b().Modified());

  form.memo1->selectAll();
  WhenModal<QMessageBox>(answer);
  emit form.findChild<QMenu*>(QStringLiteral("PopupMenu2"))->aboutToShow();
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors.front().startsWith(QStringLiteral("Shift_JISで表せない文字があるため")))
      << errors.front().toStdString();
}

TEST_F(Commands, CancelledCompositionKeepsTheMessageAndModified) {
  form.SetStatusPanelText(0, QStringLiteral("ファイルを上書き保存しました"));
  QInputMethodEvent composing(QStringLiteral("かん"), {});
  QApplication::sendEvent(form.memo1, &composing);
  QInputMethodEvent cancel;
  QApplication::sendEvent(form.memo1, &cancel);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("ファイルを上書き保存しました"));
  EXPECT_FALSE(b().Modified());
}

}  // namespace zumoku::test
