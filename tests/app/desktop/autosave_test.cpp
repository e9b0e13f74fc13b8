#include <gtest/gtest.h>
#include <QAction>
#include <QProcess>
#include <QTreeWidget>
#include <functional>
#include <set>

#include "modal_script.h"
#include "recovery/recovery_folder.h"
#include "recovery_fixture.h"
#include "row_name.h"

namespace zumoku::test {

namespace {
const QString kNo = QStringLiteral("いいえ(&N)");

void Trigger(TForm1& form, const char* name) { form.findChild<QAction*>(QLatin1String(name))->trigger(); }
}  // namespace

class Autosaving : public RecoveryTest {
 protected:
  std::unique_ptr<TForm1> form = NewForm();
  // Saved with LF line ends, which autosave keeps.
  QString path = WriteDocument(QStringLiteral("論文 1/main.tex"), "a\nb\n");

  Autosaving() {
    form->show();
    form->OpenFile(path);
    TypeAtEnd(*form, kTypedBytes);
  }
};

TEST_F(Autosaving, WritesTheBytesSaveWouldWriteAndLeavesTheDocumentAlone) {
  ASSERT_TRUE(AutosaveNow(*form));
  const auto files = RecoveryFiles(data.path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files.begin()->second, "a\nb\n" + kTypedBytes);
  EXPECT_EQ(ReadBytes(path), "a\nb\n");
  EXPECT_TRUE(form->Buffer().Modified());
}

struct RemovalRow {
  const char* name;
  std::function<void(Autosaving&, TForm1&)> act;
};

class RecoveryFileGoes : public Autosaving, public ::testing::WithParamInterface<RemovalRow> {};

TEST_P(RecoveryFileGoes, WhenTheChangesAreSavedOrThrownAway) {
  ASSERT_TRUE(AutosaveNow(*form));
  ASSERT_EQ(RecoveryFiles(data.path()).size(), 1u);
  GetParam().act(*this, *form);
  EXPECT_TRUE(RecoveryFiles(data.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RecoveryFileGoes,
    ::testing::Values(RemovalRow{"Save", [](Autosaving&, TForm1& form) { Trigger(form, "Save1"); }},
                      RemovalRow{"NoAtExit",
                                 [](Autosaving&, TForm1& form) {
                                   ModalScript script({Clicking(kNo)});
                                   EXPECT_TRUE(form.close());
                                 }},
                      RemovalRow{"Open",
                                 [](Autosaving& test, TForm1& form) {
                                   const QString other = test.WriteDocument(QStringLiteral("other.tex"), "x");
                                   ModalScript script({Clicking(kNo), Choose(other)});
                                   Trigger(form, "Open1");
                                 }},
                      RemovalRow{"New",
                                 [](Autosaving&, TForm1& form) {
                                   ModalScript script({Clicking(kNo), Clicking(QStringLiteral("Button1"))});
                                   Trigger(form, "N2");
                                 }},
                      RemovalRow{"Drop",
                                 [](Autosaving& test, TForm1& form) {
                                   ModalScript script({Clicking(kNo)});
                                   form.DropFiles({test.WriteDocument(QStringLiteral("dropped.tex"), "x")});
                                 }}),
    RowName{});

TEST_F(Autosaving, CancelAtExitKeepsTheRecoveryFile) {
  ASSERT_TRUE(AutosaveNow(*form));
  {
    ModalScript script({Clicking(QStringLiteral("キャンセル"))});
    EXPECT_FALSE(form->close());
  }
  EXPECT_EQ(RecoveryFiles(data.path()).size(), 1u);
}

TEST_F(Autosaving, AFolderThatCannotBeWrittenIsToldOnceAndTypingGoesOn) {
  // A file where the folder should be: no user, not even root, can write there.
  WriteBytes(QDir(data.path()).filePath(QStringLiteral("recovery")), "");
  EXPECT_FALSE(AutosaveNow(*form));
  EXPECT_TRUE(form->StatusPanelText(0).startsWith(QStringLiteral("自動保存できません")))
      << form->StatusPanelText(0).toStdString();
  EXPECT_TRUE(form->StatusPanelText(0).contains(QStringLiteral("同じ名前のファイルがあります")))
      << form->StatusPanelText(0).toStdString();
  form->SetStatusPanelText(0, QString());
  TypeAtEnd(*form, "c");
  EXPECT_FALSE(AutosaveNow(*form));
  EXPECT_EQ(form->StatusPanelText(0), QString());
  EXPECT_EQ(form->Buffer().Text(), "a\r\nb\r\n" + kTypedBytes + "c");
  EXPECT_EQ(ReadBytes(path), "a\nb\n");
}

TEST_F(Autosaving, AnUnchangedDocumentGetsNoRecoveryFile) {
  Trigger(*form, "Save1");
  EXPECT_FALSE(form->findChild<Autosave*>(QStringLiteral("Autosave1"))->SaveNow());
}

// The interval: 0 (and anything below) turns autosave off.
TEST_F(Autosaving, IntervalsAtAndBelowZeroTurnItOff) {
  auto* autosave = form->findChild<Autosave*>(QStringLiteral("Autosave1"));
  const auto* timer = autosave->findChild<QTimer*>(QStringLiteral("AutosaveTimer"));
  for (const auto& [seconds, on] : {std::pair{1, true}, {0, false}, {5, true}, {-5, false}}) {
    autosave->SetInterval(seconds);
    EXPECT_EQ(timer->isActive(), on) << seconds;
  }
}

TEST_F(Autosaving, DocumentsOfTheSameNameInOtherFoldersKeepTheirOwnFiles) {
  const auto second = NewForm();
  second->OpenFile(WriteDocument(QStringLiteral("論文 2/main.tex"), "z\r\n"));
  TypeAtEnd(*second, "2");
  ASSERT_TRUE(AutosaveNow(*form));
  ASSERT_TRUE(AutosaveNow(*second));
  std::set<std::string> kept;
  for (const auto& [name, bytes] : RecoveryFiles(data.path())) kept.insert(bytes);
  EXPECT_EQ(kept, (std::set<std::string>{"a\nb\n" + kTypedBytes, "z\r\n2"}));
}

// The program that autosaved is killed; a window started while it runs
// offers nothing, one started after it has gone offers its text, and
// "復元" brings the bytes back, unsaved, bound to the document's file.
TEST_F(RecoveryTest, AKilledProgramsTextIsOfferedOnceItHasGoneAndRestored) {
  const QString path = WriteDocument(QStringLiteral("論文/main.tex"), "a\nb\n");
  const QString typed = WriteDocument(QStringLiteral("typed.bin"), kTypedBytes);
  QProcess child;
  child.start(QStringLiteral(ZUMOKU_AUTOSAVE_CHILD), {data.path(), path, typed});
  ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
  ASSERT_EQ(child.readAllStandardOutput(), QByteArray("written\n"));
  {
    ModalScript nothingOffered({});
    NewForm();
  }
  child.kill();  // SIGKILL
  ASSERT_TRUE(child.waitForFinished(10000));
  const auto files = RecoveryFiles(data.path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files.begin()->second, "a\nb\n" + kTypedBytes);

  QString offered;
  std::unique_ptr<TForm1> form;
  {
    ModalScript script({[&](QDialog* window) {
      offered = window->findChild<QTreeWidget*>(QStringLiteral("ListView1"))->topLevelItem(0)->text(1);
      Click(window, QStringLiteral("復元"));
    }});
    form = NewForm();
  }
  EXPECT_EQ(offered, QFileInfo(path).absolutePath());
  EXPECT_TRUE(form->Buffer().Modified());
  EXPECT_EQ(form->CurrentFileName(), path);
  {
    ModalScript nothingAsked({});
    Trigger(*form, "Save1");
  }
  EXPECT_EQ(ReadBytes(path), "a\nb\n" + kTypedBytes);
  EXPECT_TRUE(RecoveryFiles(data.path()).empty());
}

struct WindowRow {
  const char* name;
  std::deque<ModalScript::Step> steps;
  bool kept;
};

class RecoveryWindowChoice : public RecoveryTest, public ::testing::WithParamInterface<WindowRow> {};

TEST_P(RecoveryWindowChoice, KeepsOrDeletesTheFile) {
  DiskFiles files;
  RecoveryFolder folder(files, QDir(data.path()).filePath(QStringLiteral("recovery")).toStdString());
  ProcessIdentity gone = ThisProcess();
  gone.started += 1;
  ASSERT_EQ(folder.Write(folder.SlotFor("", gone), {gone, 1, ""}, "left"), std::error_code());
  {
    ModalScript script(GetParam().steps);
    const auto form = NewForm();
    EXPECT_EQ(form->Buffer().Text(), "");
  }
  EXPECT_EQ(RecoveryFiles(data.path()).size(), GetParam().kept ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RecoveryWindowChoice,
                         ::testing::Values(WindowRow{"Later", {Clicking(QStringLiteral("後で"))}, true},
                                           WindowRow{
                                               "DiscardYes",
                                               {Clicking(QStringLiteral("破棄")), Clicking(QStringLiteral("はい(&Y)"))},
                                               false},
                                           WindowRow{"DiscardNo",
                                                     {[](QDialog* window) {
                                                        Click(window, QStringLiteral("破棄"));
                                                        Click(window, QStringLiteral("後で"));
                                                      },
                                                      Clicking(kNo)},
                                                     true}),
                         RowName{});

}  // namespace zumoku::test
