// "句読点を統一" in the 編集 menu, its messages and undo step, and the count
// of each style in the format panel's tooltip.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/program_settings_dialog.h"
#include "app/widgets/status_panel.h"
#include "form_test.h"
#include "modal.h"
#include "qstring_print.h"

namespace zumoku::test {

namespace {
// Shift_JIS: 、 81 41, 。 81 42, ， 81 43, ． 81 44; 雨 89 4A.
const std::string kMixed = "\x89\x4A\x81\x41\x89\x4A\x81\x44$\x81\x41$";
}  // namespace

class Punctuation : public FormTest {
 protected:
  // "句読点の入力" set to the box's entry `index` through the settings dialog.
  void SetPunctuationInput(int index) {
    WhenModal<ProgramSettingsDialog>([index](ProgramSettingsDialog* dialog) {
      dialog->PunctuationInputBox->setCurrentIndex(index);
      dialog->OkButton->click();
    });
    Trigger("N8");
  }
  // An input method's composition of `text`, then its commit.
  void Commit(const QString& text) {
    QInputMethodEvent composing(text, {});
    QApplication::sendEvent(form.memo1, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QApplication::sendEvent(form.memo1, &committed);
  }
  // The tooltip's last line; the panel's own text comes first when it is cut.
  QString Note() {
    return form.findChild<StatusPanel*>(QStringLiteral("StatusBar1Panel3"))->ToolTipText().split(u'\n').constLast();
  }
};

TEST_F(Punctuation, TheEditMenuHoldsBothEntries) {
  auto* submenu = form.findChild<QMenu*>(QStringLiteral("Edit1"))->findChild<QMenu*>(QStringLiteral("Punctuation1"));
  ASSERT_NE(submenu, nullptr);
  EXPECT_EQ(submenu->title(), QStringLiteral("句読点を統一"));
  EXPECT_EQ(Action("PunctuationFullwidth1")->text(), QStringLiteral("「，．」にする"));
  EXPECT_EQ(Action("PunctuationIdeographic1")->text(), QStringLiteral("「、。」にする"));
}

// Each entry over the whole text, then again with nothing left to change;
// one Undo gives the bytes back.
TEST_F(Punctuation, EachEntryConvertsSaysHowManyAndUndoesInOneStep) {
  const struct {
    const char* entry;
    std::string after;
  } rows[] = {
      {"PunctuationFullwidth1", "\x89\x4A\x81\x43\x89\x4A\x81\x44$\x81\x41$"},
      {"PunctuationIdeographic1", "\x89\x4A\x81\x41\x89\x4A\x81\x42$\x81\x41$"},
  };
  for (const auto& row : rows) {
    form.Buffer().Load(kMixed, Encoding::kShiftJis);
    form.Buffer().SetSelStart(2);
    Trigger(row.entry);
    EXPECT_EQ(form.Buffer().Text(), row.after) << row.entry;
    EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("句読点を 1 個置き換えました")) << row.entry;
    EXPECT_EQ(form.Buffer().SelStart(), 2) << row.entry;
    Trigger(row.entry);
    EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("置き換える句読点はありません")) << row.entry;
    Trigger("N4");
    EXPECT_EQ(form.Buffer().Text(), kMixed) << row.entry;
  }
}

// Counted when the document is opened and once typing pauses, not on the
// keystroke itself.
TEST_F(Punctuation, TheFormatPanelCountsEachStyle) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("mixed.tex"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(kMixed.data(), static_cast<qint64>(kMixed.size()));
  file.close();
  form.OpenFile(path);
  EXPECT_EQ(Note(), QStringLiteral("、。 1 / ，． 1"));
  form.memo1->SetCaretOffset(0);
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("，，"));
  QApplication::sendEvent(form.memo1, &typed);
  EXPECT_EQ(Note(), QStringLiteral("、。 1 / ，． 1"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return Note() == QStringLiteral("、。 1 / ，． 3"); }, 5000))
      << Note().toStdString();
}

// 「，．」 chosen: the text before the caret decides whether a committed mark
// is restyled, by the highlighter's reading of its lines.
TEST_F(Punctuation, CommittedMarksAreRestyledOutsideFormulasAndVerbatim) {
  const struct {
    const char* name;
    QString before, commit, expected;
  } rows[] = {
      {"Prose", QStringLiteral("本文"), QStringLiteral("です、ね。"), QStringLiteral("本文です，ね．")},
      {"InlineMath", QStringLiteral("$x"), QStringLiteral("、"), QStringLiteral("$x、")},
      {"AfterTheFormula", QStringLiteral("$x$"), QStringLiteral("、"), QStringLiteral("$x$，")},
      {"VerbatimFromAnEarlierLine", QStringLiteral("\\begin{verbatim}\n"), QStringLiteral("。"),
       QStringLiteral("\\begin{verbatim}\n。")},
      {"Verb", QStringLiteral("\\verb|"), QStringLiteral("。"), QStringLiteral("\\verb|。")},
      {"EquationBody", QStringLiteral("\\begin{equation}\nx"), QStringLiteral("、"),
       QStringLiteral("\\begin{equation}\nx、")},
  };
  SetPunctuationInput(2);
  for (const auto& row : rows) {
    form.memo1->setPlainText(row.before);
    form.memo1->SetCaretOffset(form.Buffer().Text().size());
    Commit(row.commit);
    EXPECT_EQ(form.memo1->toPlainText(), row.expected) << row.name;
  }
}

// The restyled mark is the typing itself: one Undo takes the whole run back.
TEST_F(Punctuation, TypedMarksJoinTheTypingsUndoStep) {
  SetPunctuationInput(1);
  Commit(QStringLiteral("雨，"));
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("．"));
  QApplication::sendEvent(form.memo1, &typed);
  EXPECT_EQ(form.Buffer().Text(), "\x89\x4A\x81\x41\x81\x42");
  Trigger("N4");
  EXPECT_EQ(form.Buffer().Text(), "");
}

}  // namespace zumoku::test
