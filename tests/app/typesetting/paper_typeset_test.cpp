// "タイプセット" from a file of a paper runs on its root, in the root's folder;
// the root shows in status panel 4 and can be set by hand.
#include <QInputDialog>
#include <QStatusBar>
#include <QTest>

#include "sjis_text.h"
#include "typeset_fixture.h"

namespace zumoku::test {
namespace {

const std::string kRoot = "\\documentclass{jsarticle}\n\\begin{document}\\input{ch/chap}\\end{document}\n";

class PaperTypeset : public TypesetForm {
 protected:
  PaperTypeset() {
    // A stand-in engine that writes where it ran and on what, then fails.
    typeset::ToolCommands commands;
    commands.shiftJisEngine = commands.utf8Engine = R"(sh -c "pwd > ran.txt; echo %f >> ran.txt; exit 1")";
    commands.dviToPdf = "true";
    Runner().SetCommands(commands);
  }
  // Where the stand-in ran and on what; empty when nothing ran.
  QString Ran(const QString& folderName = {}) {
    QFile record(folder.Path(folderName.isEmpty() ? QStringLiteral("ran.txt") : folderName + "/ran.txt"));
    return record.open(QIODevice::ReadOnly) ? QString::fromUtf8(record.readAll()).trimmed() : QString();
  }
  // Status panel 4, empty while hidden.
  QString RootPanel() {
    auto* panel = Child<QLabel>("StatusBar1Panel4");
    return panel->isVisibleTo(&form) ? panel->text() : QString();
  }
};

TEST_F(PaperTypeset, ChapterTypesetsItsRootInTheRootsFolder) {
  folder.Write(QStringLiteral("main.tex"), kRoot);
  Open(QStringLiteral("ch/chap.tex"), "% !TEX root = ../main.tex\nText.\n");
  EXPECT_EQ(RootPanel(), QStringLiteral("親: main.tex"));
  TypesetAndWait();
  EXPECT_EQ(Ran(), QDir(folder.Path({})).canonicalPath() + QStringLiteral("\nmain.tex"));
}

TEST_F(PaperTypeset, RefusedRootTypesetsNothingAndNamesTheFile) {
  const struct {
    const char* chapter;
    std::string root;  // main.tex's bytes; empty: none
    const char* named;
  } rows[] = {
      {"% !TEX root = ../main.tex\n", "", "../main.tex が見つかりません"},
      {"% !TEX root = ../main.tex\n\x93\xfa", "\\documentclass{jsarticle}日本語",
       "main.tex は UTF-8 で、chap.tex は Shift_JIS"},
  };
  for (const auto& row : rows) {
    QFile::remove(folder.Path(QStringLiteral("main.tex")));
    if (!row.root.empty()) folder.Write(QStringLiteral("main.tex"), row.root);
    Open(QStringLiteral("ch/chap.tex"), row.chapter);
    QString error;
    {
      ModalScript script({Noting(error, Accept())});
      Trigger("Typeset1");
    }
    EXPECT_TRUE(error.contains(QString::fromUtf8(row.named))) << error.toStdString();
    EXPECT_FALSE(Runner().IsRunning());
    EXPECT_EQ(Ran(), QString());
  }
}

TEST_F(PaperTypeset, RootSetByHandIsRememberedAndCleared) {
  const QString root = folder.Write(QStringLiteral("other/main.tex"), kRoot);
  Open(QStringLiteral("ch/chap.tex"), "Text.\n");
  EXPECT_EQ(RootPanel(), QString());
  {
    ModalScript script({Choose(root)});
    Trigger("SetRoot1");
  }
  EXPECT_EQ(RootPanel(), QStringLiteral("親: main.tex"));
  Open(QStringLiteral("ch/chap.tex"), "Text.\n");  // opened again: read back from zumoku.ini
  EXPECT_EQ(RootPanel(), QStringLiteral("親: main.tex"));
  TypesetAndWait();
  EXPECT_TRUE(Ran(QStringLiteral("other")).endsWith(QStringLiteral("other\nmain.tex"))) << Ran("other").toStdString();
  Trigger("ClearRoot1");
  EXPECT_EQ(RootPanel(), QString());
}

TEST_F(PaperTypeset, SeveralIncludersAreOfferedOnceAndTheChoiceKept) {
  folder.Write(QStringLiteral("a.tex"), kRoot);
  folder.Write(QStringLiteral("b.tex"), kRoot);
  Open(QStringLiteral("ch/chap.tex"), "Text.\n");
  EXPECT_EQ(RootPanel(), QStringLiteral("親: (候補 2 件)"));
  QStringList offered;
  {
    ModalScript script({[&offered](QDialog* dialog) {
      auto* input = qobject_cast<QInputDialog*>(dialog);
      ASSERT_NE(input, nullptr);
      offered = input->comboBoxItems();
      input->setTextValue(offered.value(1));
      input->accept();
    }});
    TypesetAndWait();
  }
  EXPECT_EQ(offered, (QStringList{QStringLiteral("../a.tex"), QStringLiteral("../b.tex")}));
  EXPECT_TRUE(Ran().endsWith(QStringLiteral("\nb.tex"))) << Ran().toStdString();
  EXPECT_EQ(RootPanel(), QStringLiteral("親: b.tex"));
  TypesetAndWait();  // no dialog this time
}

TEST_F(PaperTypeset, OpenNamedFileOpensWhatTheCommandAtTheCaretNames) {
  Open(QStringLiteral("main.tex"), kRoot + "\\input{gone}\n");
  const auto caretAt = [this](const char* text) {
    form.Buffer().SetSelStart(static_cast<int>(form.Buffer().Text().find(text)));
  };
  caretAt("gone");
  Trigger("OpenNamedFile1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("gone が見つかりません"));
  caretAt("ch/chap");
  Trigger("OpenNamedFile1");
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("ch/chap が見つかりません"));
  folder.Write(QStringLiteral("ch/chap.tex"), "x");
  Trigger("OpenNamedFile1");
  EXPECT_EQ(form.CurrentFileName(), folder.Path(QStringLiteral("ch/chap.tex")));
}

TEST_F(PaperTypeset, CtrlClickOnANameOpensItAndElsewhereStaysAClick) {
  folder.Write(QStringLiteral("ch/chap.tex"), "x");
  const QString root = Open(QStringLiteral("main.tex"), kRoot);
  const auto ctrlClick = [this](const char* at, Qt::KeyboardModifiers modifiers) {
    form.memo1->SetCaretOffset(form.Buffer().Text().find(at) + 1);
    const QPoint place = form.memo1->viewport()->mapFrom(form.memo1, form.memo1->CaretRect().center());
    QTest::mouseClick(form.memo1->viewport(), Qt::LeftButton, modifiers, place);
    QApplication::processEvents();
  };
  ctrlClick("documentclass", Qt::ControlModifier);
  ctrlClick("ch/chap", Qt::NoModifier);
  EXPECT_EQ(form.CurrentFileName(), root);
  EXPECT_EQ(form.StatusPanelText(0), QString()) << "a click elsewhere says nothing";
  ctrlClick("ch/chap", Qt::ControlModifier);
  EXPECT_EQ(form.CurrentFileName(), folder.Path(QStringLiteral("ch/chap.tex")));
}

TEST_F(PaperTypeset, NewChapterWritesItsFileAndTheRootsInputThenOpensIt) {
  folder.Write(QStringLiteral("sub/other.tex"), "");
  const QString root = Open(QStringLiteral("main.tex"), kRoot);
  const auto newChapter = [this](const QString& name, ModalScript::Step then) {
    form.memo1->SetCaretOffset(form.Buffer().Text().find("\\end{document}"));
    ModalScript script({[name](QDialog* dialog) {
                          auto* input = qobject_cast<QInputDialog*>(dialog);
                          ASSERT_NE(input, nullptr);
                          input->setTextValue(name);
                          input->accept();
                        },
                        then});
    Trigger("NewChapter1");
  };
  const auto onDisk = [this](const char* name) {
    QFile file(folder.Path(QString::fromUtf8(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  };
  const auto shown = [this] { return form.memo1->toPlainText().toStdString(); };
  const auto rootWith = [](const char* input) {
    std::string text = kRoot;
    return text.insert(text.find("\\end{document}"), input);
  };
  newChapter(QStringLiteral("sub/chap3"), Cancel());  // asked to save the root: stays on it
  EXPECT_EQ(form.CurrentFileName(), root);
  EXPECT_EQ(shown(), rootWith("\\input{sub/chap3}"));
  EXPECT_EQ(onDisk("sub/chap3.tex"), "% !TEX root = ../main.tex\n");
  Trigger("N4");
  EXPECT_EQ(shown(), kRoot) << "one undo step";
  QString refusal;
  newChapter(QStringLiteral("sub/chap3.tex"), Noting(refusal, Accept()));
  EXPECT_TRUE(refusal.contains(QStringLiteral("既にあります"))) << refusal.toStdString();
  EXPECT_EQ(onDisk("sub/chap3.tex"), "% !TEX root = ../main.tex\n");
  newChapter(QStringLiteral("chap4"), Clicking(QStringLiteral("はい(&Y)")));
  EXPECT_EQ(form.CurrentFileName(), folder.Path(QStringLiteral("chap4.tex")));
  EXPECT_EQ(onDisk("main.tex"), rootWith("\\input{chap4}"));
  refusal.clear();
  {
    ModalScript script({Noting(refusal, Accept())});
    Trigger("NewChapter1");  // from the chapter
  }
  EXPECT_TRUE(refusal.contains(QStringLiteral("親ファイル main.tex を開いて"))) << refusal.toStdString();
}

// A stand-in engine that leaves `log` as the root's log and fails.
class PaperErrors : public PaperTypeset {
 protected:
  void EngineLogs(const std::string& log) {
    folder.Write(QStringLiteral("given.log"), log);
    const QString script = folder.Write(QStringLiteral("engine.sh"), "cp given.log main.log\nexit 1\n");
    typeset::ToolCommands commands;
    commands.shiftJisEngine = "sh " + script.toStdString();
    commands.dviToPdf = "true";
    Runner().SetCommands(commands);
  }
  void Activate(int row) {
    auto* list = Child<QListWidget>("ErrorList1");
    ASSERT_LT(row, list->count());
    emit list->itemActivated(list->item(row));
  }
};

TEST_F(PaperErrors, EntryInAnotherFileOpensItAtItsLineAndBackReturns) {
  const struct {
    const char* name;  // of the file the error is in, below the root's folder
    std::string log;   // its name as the log gives it
  } rows[] = {
      {"sub/chap2.tex", "./sub/chap2.tex"},
      {"第2章.tex", "./第2章.tex"},     // the file system's bytes
      {"第2章.tex", S("./第2章.tex")},  // the document's encoding
      {"main.tex", "./main.tex"},       // the root itself
  };
  for (const auto& row : rows) {
    const std::string error = "(" + row.log + "\n" + row.log + ":4: Undefined control sequence.\n\n)\n";
    EngineLogs(std::string(row.name) == "main.tex" ? error : "(./main.tex " + error + ")\n");
    folder.Write(QStringLiteral("main.tex"), kRoot);
    const QString target = folder.Write(QString::fromUtf8(row.name), "1\n2\n3\nline four\n");
    Open(QStringLiteral("ch/chap.tex"), "% !TEX root = ../main.tex\nText.\n");
    form.memo1->SetCaretOffset(form.Buffer().Text().size());
    TypesetAndWait();
    Activate(0);
    EXPECT_EQ(form.CurrentFileName(), target) << row.name;
    EXPECT_EQ(SelectedText(), QStringLiteral("line four")) << row.name;
    EXPECT_GE(Child<QListWidget>("ErrorList1")->count(), 1) << "the list stays: " << row.name;
    Trigger("Back1");
    EXPECT_EQ(form.CurrentFileName(), folder.Path(QStringLiteral("ch/chap.tex"))) << row.name;
    EXPECT_EQ(form.memo1->CaretOffset(), form.Buffer().Text().size()) << row.name;
  }
}

}  // namespace
}  // namespace zumoku::test
