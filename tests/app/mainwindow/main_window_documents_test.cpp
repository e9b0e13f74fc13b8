#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "app/desktop/file_watcher.h"
#include "app/mainwindow/main_window.h"
#include "form_test.h"
#include "modal_script.h"
#include "shown_caption.h"
#include "sjis_text.h"

namespace zumoku::test {

const QString kYes = QStringLiteral("はい(&Y)");
const QString kNo = QStringLiteral("いいえ(&N)");

class Form1Documents : public FormTest {
 protected:
  Form1Documents() {
    QApplication::setQuitOnLastWindowClosed(false);
    form.show();
  }

  QTemporaryDir folder;

  QString Path(const QString& name) { return folder.filePath(name); }
  QString WriteFile(const QString& name, const std::string& bytes) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return Path(name);
  }
  std::string ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }
  bool Save1Enabled() { return form.findChild<QAction*>(QStringLiteral("Save1"))->isEnabled(); }
  // Drags data onto the editor and drops it there.
  void DragAndDrop(QMimeData& data) {
    QWidget* target = form.memo1->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();  // the drop is handled once it has returned
  }
};

TEST_F(Form1Documents, OpenEditSaveAndReopenAShiftJisFile) {
  const QString path = WriteFile(QStringLiteral("論文.tex"), S("\\section{序論}\n本文"));
  {
    ModalScript script({Choose(path)});
    Trigger("Open1");
  }
  EXPECT_EQ(form.memo1->toPlainText(), QStringLiteral("\\section{序論}\n本文"));
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku - ") + path);
  EXPECT_EQ(form.CurrentFileName(), path);
  EXPECT_TRUE(Save1Enabled());
  EXPECT_FALSE(form.Buffer().Modified());

  form.memo1->SetCaretOffset(form.Buffer().Text().size());
  QTest::keyClick(form.memo1, Qt::Key_Return);
  QInputMethodEvent typed;  // Japanese arrives from the input method
  typed.setCommitString(QStringLiteral("です"));
  QApplication::sendEvent(form.memo1, &typed);
  Trigger("Save1");
  // The file's line ends were LF, and so is the typed one.
  EXPECT_EQ(ReadFile(path), "\\section{\x8f\x98\x98\x5f}\n\x96\x7b\x95\xb6\n\x82\xc5\x82\xb7");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("ファイルを上書き保存しました"));

  form.Buffer().Clear();
  {
    ModalScript script({Choose(path)});
    Click(&form, QStringLiteral("ToolButton2"));
  }
  EXPECT_EQ(form.memo1->toPlainText(), QStringLiteral("\\section{序論}\n本文\nです"));
}

TEST_F(Form1Documents, FormatPanelShowsTheLineEndsOfTheFileRead) {
  EXPECT_EQ(form.StatusPanelText(3), QStringLiteral("Shift_JIS CRLF"));
  form.DropFiles({WriteFile(QStringLiteral("lf.tex"), "a\nb\n")});
  EXPECT_EQ(form.StatusPanelText(3), QStringLiteral("Shift_JIS LF"));
  form.DropFiles({WriteFile(QStringLiteral("crlf.tex"), "a\r\nb\r\n")});
  EXPECT_EQ(form.StatusPanelText(3), QStringLiteral("Shift_JIS CRLF"));
}

TEST_F(Form1Documents, SaveButtonRunsSaveAsWhileSaveIsDisabled) {
  ASSERT_FALSE(Save1Enabled());
  ASSERT_TRUE(form.findChild<QToolButton*>(QStringLiteral("ToolButton3"))->isEnabled());
  form.Buffer().SetSelText(S("漢字"));
  const QString path = Path(QStringLiteral("new.tex"));
  {
    ModalScript script({Choose(path)});
    Click(&form, QStringLiteral("ToolButton3"));
  }
  EXPECT_EQ(ReadFile(path), S("漢字"));
  EXPECT_TRUE(Save1Enabled());
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku - ") + path);
  EXPECT_EQ(form.StatusPanelText(0), path + QStringLiteral("保存完了"));
}

TEST_F(Form1Documents, SaveAsDeclinedOverwriteReopensTheDialog) {
  const QString path = WriteFile(QStringLiteral("exists.tex"), "keep");
  form.Buffer().SetSelText("x");
  QString question;
  {
    ModalScript script({Choose(path), Noting(question, Clicking(kNo)), Cancel()});
    Trigger("SaveAs1");
  }
  EXPECT_EQ(question, QStringLiteral("情報: ") + path + QStringLiteral("は既に存在します。上書き保存しますか？"));
  EXPECT_EQ(ReadFile(path), "keep");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("保存をキャンセルしました"));
}

TEST_F(Form1Documents, WriteFailureShowsTheErrorBox) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("gone")));
  const QString path = WriteFile(QStringLiteral("gone/a.tex"), "a");
  {
    ModalScript script({Choose(path)});
    Trigger("Open1");
  }
  ASSERT_TRUE(QDir(Path(QStringLiteral("gone"))).removeRecursively());
  form.Buffer().SetSelText("x");
  form.SetStatusPanelText(0, QStringLiteral("前のメッセージ"));
  QString error;
  {
    ModalScript script({Noting(error, Accept())});
    Trigger("Save1");
  }
  EXPECT_TRUE(error.endsWith(QStringLiteral(": ファイル ") + path + QStringLiteral(" を作成できません.")))
      << error.toStdString();
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("前のメッセージ"));
  EXPECT_TRUE(form.Buffer().Modified());
}

TEST_F(Form1Documents, CancelledOpenMakesExitAsk) {
  {
    ModalScript script({Cancel()});
    Trigger("Open1");
  }
  QString question;
  {
    ModalScript script({Noting(question, Clicking(kNo))});
    Trigger("Exit1");
  }
  EXPECT_EQ(question, QStringLiteral("情報: は更新されています。保存しますか？"));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(Form1Documents, ExitWithoutChangesEndsAtOnce) {
  Trigger("Exit1");  // a question would fail the test: no script
  EXPECT_FALSE(form.isVisible());
}

TEST_F(Form1Documents, ClosingTheWindowAsksLikeExitAndStaysWhenTheSaveIsCancelled) {
  form.Buffer().SetSelText("x");
  {
    ModalScript script({Clicking(kYes), Cancel()});
    form.close();
  }
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.Buffer().Text(), "x");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("保存をキャンセルしました"));
  {
    ModalScript script({Clicking(kYes), Choose(Path(QStringLiteral("kept.tex")))});
    form.close();
  }
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(ReadFile(Path(QStringLiteral("kept.tex"))), "x");
}

TEST_F(Form1Documents, DroppedFilesGoToTheWindowWhichOpensTheFirst) {
  const QList<QUrl> urls = {QUrl::fromLocalFile(WriteFile(QStringLiteral("一.tex"), S("一"))),
                            QUrl::fromLocalFile(WriteFile(QStringLiteral("二.tex"), S("二"))),
                            QUrl::fromLocalFile(WriteFile(QStringLiteral("三.tex"), S("三")))};
  QMimeData data;
  data.setUrls(urls);
  data.setText(urls.front().toLocalFile());  // file managers offer the path as text too
  DragAndDrop(data);
  EXPECT_EQ(form.memo1->toPlainText(), QStringLiteral("一"));
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku -") + Path(QStringLiteral("一.tex")));
  EXPECT_EQ(form.CurrentFileName(), Path(QStringLiteral("一.tex")));
  EXPECT_FALSE(Save1Enabled());
}

TEST_F(Form1Documents, DroppedTextStillGoesIntoTheEditor) {
  QMimeData data;
  data.setText(QStringLiteral("漢字"));
  DragAndDrop(data);
  EXPECT_EQ(form.memo1->toPlainText(), QStringLiteral("漢字"));
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku*"));  // no file name, the mark of the change
}

TEST_F(Form1Documents, DropOnAChangedDocumentNamesTheCurrentFile) {
  const QString first = WriteFile(QStringLiteral("a.tex"), "a");
  form.DropFiles({first});
  form.Buffer().SetSelText("x");
  QString question;
  {
    ModalScript script({Noting(question, Clicking(kNo))});
    form.DropFiles({WriteFile(QStringLiteral("b.tex"), "b")});
  }
  EXPECT_EQ(question, QStringLiteral("情報: ") + first + QStringLiteral("は更新されています。保存しますか？"));
  EXPECT_EQ(form.Buffer().Text(), "b");
}

// Paths hold characters that Qt would read as markup: tags and the title's
// "[*]" placeholder.
TEST_F(Form1Documents, PathsAreShownAsTheyAre) {
  const QString path = WriteFile(QStringLiteral("<i>[*]a.tex"), "a");
  form.DropFiles({path});
  EXPECT_EQ(form.windowHandle()->title(), QStringLiteral("Zumoku -") + path);
  const QString copy = Path(QStringLiteral("<b>b.tex"));
  {
    ModalScript script({Choose(copy)});
    Trigger("SaveAs1");
  }
  auto* panel0 = form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel0"));
  EXPECT_EQ(panel0->text(), copy + QStringLiteral("保存完了"));
  EXPECT_EQ(panel0->textFormat(), Qt::PlainText);
  Qt::TextFormat errorFormat = Qt::AutoText;
  {
    ModalScript script({[&](QDialog* box) {
      errorFormat = qobject_cast<QMessageBox*>(box)->textFormat();
      box->accept();
    }});
    form.DropFiles({Path(QStringLiteral("<i>none.tex"))});
  }
  EXPECT_EQ(errorFormat, Qt::PlainText);
}

TEST_F(Form1Documents, DroppedFifoIsRefusedAtOnce) {
  const QString fifo = Path(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  form.Buffer().SetSelText("kept");
  form.Buffer().SetModified(false);
  QString error;
  {
    ModalScript script({Noting(error, Accept())});
    form.DropFiles({fifo});
  }
  EXPECT_TRUE(error.endsWith(QStringLiteral(": ファイル ") + fifo + QStringLiteral(" は開けません.")))
      << error.toStdString();
  EXPECT_EQ(form.Buffer().Text(), "kept");
  EXPECT_EQ(form.CurrentFileName(), QString());
}

// Exit, the close box and a dropped file ask with a third button: Esc and the
// question's close button cancel the command and lose nothing.
// "文字コードを指定して開き直す" marks the encoding the document is read in.
TEST_F(Form1Documents, ReopenMenuMarksTheDocumentsEncoding) {
  const struct {
    const char* name;
    std::string bytes;
    const char* checked;
    const char* unchecked;
  } rows[] = {{"sjis.tex", S("日本語"), "ReopenShiftJis1", "ReopenUtf81"},
              {"utf8.tex", "\xE6\x97\xA5\xE6\x9C\xAC", "ReopenUtf81", "ReopenShiftJis1"}};
  for (const auto& row : rows) {
    form.OpenFile(WriteFile(QLatin1String(row.name), row.bytes));
    emit form.findChild<QMenu*>(QStringLiteral("File1"))->aboutToShow();
    EXPECT_TRUE(Action(row.checked)->isChecked()) << row.name;
    EXPECT_FALSE(Action(row.unchecked)->isChecked()) << row.name;
  }
}

TEST_F(Form1Documents, EscOrClosingTheUnsavedQuestionKeepsEverything) {
  const QString dropped = WriteFile(QStringLiteral("dropped.tex"), "dropped");
  const std::function<void()> commands[] = {[&] { Trigger("Exit1"); }, [&] { form.close(); },
                                            [&] { form.DropFiles({dropped}); }};
  const ModalScript::Step answers[] = {[](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); },
                                       [](QDialog* d) { d->close(); }};
  form.Buffer().SetSelText("typed");
  for (const auto& command : commands) {
    for (const auto& answer : answers) {
      QString question;
      {
        ModalScript script({Noting(question, answer)});
        command();
      }
      EXPECT_EQ(question, QStringLiteral("情報: は更新されています。保存しますか？"));
      EXPECT_TRUE(form.isVisible());
      EXPECT_EQ(form.Buffer().Text(), "typed");
      EXPECT_TRUE(form.Buffer().Modified());
      EXPECT_EQ(form.CurrentFileName(), QString());
    }
  }
}

const QString kReload = QStringLiteral("再読み込み");

// Another program's save, in place or by a new file renamed over the old
// one, is offered for reloading; a deletion is told in panel 0, and the
// file's return is offered again. The program's own save asks nothing.
TEST_F(Form1Documents, OtherProgramsChangesAreOfferedForReloading) {
  const QString path = WriteFile(QStringLiteral("a.tex"), "one");
  form.OpenFile(path);
  QSignalSpy watched(form.findChild<FileWatcher*>(), &FileWatcher::changed);
  {
    ModalScript none({});
    form.Buffer().SetSelText("x");
    Trigger("Save1");
    ASSERT_TRUE(watched.wait(5000));
  }
  const auto answer = [&](const ModalScript::Step& step) {
    QString question;
    ModalScript script({Noting(question, step)});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !question.isEmpty(); }, 5000));
    return question;
  };
  WriteFile(QStringLiteral("a.tex"), "two");
  EXPECT_EQ(answer(Clicking(kReload)), QStringLiteral("情報: ファイル ") + path +
                                           QStringLiteral(" は他のプログラムで変更されています。再読み込みしますか？"));
  EXPECT_EQ(form.Buffer().Text(), "two");

  const QString replacement = WriteFile(QStringLiteral("a.tex.new"), "three");
  ASSERT_EQ(std::rename(replacement.toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
  answer([](QDialog* box) { QTest::keyClick(box, Qt::Key_Return); });  // the default keeps the text
  EXPECT_EQ(form.Buffer().Text(), "two");

  ASSERT_TRUE(QFile::remove(path));
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return form.StatusPanelText(0).contains(QStringLiteral("削除されました")); }, 5000));
  WriteFile(QStringLiteral("a.tex"), "four");
  answer(Clicking(kReload));
  EXPECT_EQ(form.Buffer().Text(), "four");
}

TEST_F(Form1Documents, ComingToTheFrontOffersAChangedFile) {
  const QString path = WriteFile(QStringLiteral("a.tex"), "one");
  form.OpenFile(path);
  form.findChild<FileWatcher*>()->blockSignals(true);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  WriteFile(QStringLiteral("a.tex"), "two");
  QString question;
  ModalScript script({Noting(question, Clicking(kReload))});
  form.activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !question.isEmpty(); }, 5000));
  EXPECT_EQ(form.Buffer().Text(), "two");
}

}  // namespace zumoku::test
