// The main window as a desktop program uses it: a file named on the command
// line, and the usual keys of the "ファイル" menu.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/desktop/error_box.h"
#include "desktop_state.h"
#include "form_test.h"
#include "modal_script.h"
#include "shown_caption.h"
#include "sjis_text.h"

namespace zumoku::test {

class Form1CommandLine : public FormTest {
 protected:
  QTemporaryDir folder;
};

TEST_F(Form1CommandLine, AFileIsOpenedByteForByteUnderItsFullPath) {
  // CR LF line ends, a half-width kana, and a byte that is no Shift_JIS character.
  const std::string bytes = S("\\section{序論}\r\nｶﾅ 本文\r\n") + "\x80\xA0" + S("終");
  QFile file(folder.filePath(QStringLiteral("論文.tex")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();

  {
    CurrentFolder current(folder.path());
    form.OpenFile(QStringLiteral("論文.tex"));  // as typed in a terminal
  }

  const QString path = QDir(folder.path()).absoluteFilePath(QStringLiteral("論文.tex"));
  EXPECT_EQ(form.Buffer().Text(), bytes);
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku - ") + path);
  EXPECT_EQ(form.CurrentFileName(), path);
  EXPECT_TRUE(Action("Save1")->isEnabled());
  EXPECT_FALSE(form.Buffer().Modified());
}

// As after "名前をつけて保存": the caption, the name and "上書き保存", which
// creates the file.
TEST_F(Form1CommandLine, AFileNotYetThereStartsAnEmptyDocumentBoundToIt) {
  const QString path = folder.filePath(QStringLiteral("新規.tex"));
  ModalScript none({});
  form.OpenFile(path);
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku - ") + path);
  EXPECT_EQ(form.CurrentFileName(), path);
  EXPECT_EQ(form.Buffer().Text(), "");
  form.Buffer().SetSelText(S("序論"));
  Trigger("Save1");
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().toStdString(), S("序論"));
}

TEST_F(Form1CommandLine, AFileInAMissingFolderGivesTheErrorBoxAndAnEmptyDocument) {
  const QString path = folder.filePath(QStringLiteral("無い/無い.tex"));
  QString error;
  {
    ModalScript script({Noting(error, Accept())});
    form.OpenFile(path);
  }
  EXPECT_EQ(error, ApplicationTitle(QCoreApplication::applicationFilePath()) + QStringLiteral(": ファイル ") + path +
                       QStringLiteral(" は開けません."));
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku"));
  EXPECT_EQ(form.CurrentFileName(), QString());
  EXPECT_FALSE(Action("Save1")->isEnabled());
}

class Form1Keys : public FormTest {
 protected:
  Form1Keys() {
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void Press(const QKeySequence& keys) { QTest::keySequence(form.memo1, keys); }
};

TEST_F(Form1Keys, EachFileMenuEntryRunsFromTheKeyItShows) {
  for (const char* name : {"N2", "Open1", "Save1", "SaveAs1", "Exit1"}) {
    QAction* action = Action(name);
    ASSERT_FALSE(action->shortcut().isEmpty()) << name;
    action->setEnabled(true);
    QObject::disconnect(action, nullptr, &form, nullptr);  // no dialogs: only the key is tested here
    QSignalSpy triggered(action, &QAction::triggered);
    Press(action->shortcut());
    EXPECT_EQ(triggered.count(), 1) << name;
  }
}

// "上書き保存" is disabled without a file; its key then asks for a name.
TEST_F(Form1Keys, CtrlSOnADocumentWithoutAFileAsksForAName) {
  QTest::keyClicks(form.memo1, QStringLiteral("abc"));
  ASSERT_FALSE(Action("Save1")->isEnabled());
  QFileDialog::AcceptMode asked = QFileDialog::AcceptOpen;
  {
    ModalScript script({[&](QDialog* dialog) {
      asked = qobject_cast<QFileDialog*>(dialog)->acceptMode();
      dialog->reject();
    }});
    Press(QKeySequence(Qt::CTRL | Qt::Key_S));
  }
  EXPECT_EQ(asked, QFileDialog::AcceptSave);
}

// F10 and Alt with a menu's letter open a menu from the keyboard.
TEST_F(Form1Keys, MenuKeysOpenTheirMenu) {
  const struct {
    QKeyCombination key;
    const char* menu;
  } rows[] = {{QKeyCombination(Qt::Key_F10), "File1"}, {Qt::ALT | Qt::Key_E, "Edit1"}, {Qt::ALT | Qt::Key_S, "Find2"}};
  for (const auto& row : rows) {
    Press(QKeySequence(row.key));
    auto* menu = form.findChild<QMenu*>(QLatin1String(row.menu));
    EXPECT_TRUE(menu->isVisible()) << row.menu;
    menu->close();
  }
}

TEST_F(Form1Keys, TheEditorKeepsItsOwnKeys) {
  QTest::keyClicks(form.memo1, QStringLiteral("abc"));
  Press(QKeySequence::SelectAll);
  Press(QKeySequence::Cut);
  EXPECT_EQ(form.Buffer().Text(), "");
  Press(QKeySequence::Undo);
  EXPECT_EQ(form.Buffer().Text(), "abc");
}

}  // namespace zumoku::test
