#include "app/mainwindow/main_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include "app/dialogs/format_dialog.h"
#include "app/dialogs/program_settings_dialog.h"
#include "app/dialogs/recovery_window.h"
#include "desktop_state.h"
#include "form_test.h"
#include "qstring_print.h"
#include "shown_caption.h"
#include "sjis_text.h"

namespace zumoku::test {

// A menu's entries as rows, two spaces deeper per submenu: the entry's
// name, then its keys when it has any.
void AddMenuRows(const QMenu* menu, int depth, QStringList& rows) {
  for (const QAction* action : menu->actions()) {
    const QMenu* submenu = action->menu();
    const QString keys = QKeySequence::listToString(action->shortcuts());
    rows << QString(depth * 2, u' ') + (submenu ? submenu->objectName() : action->objectName()) +
                (keys.isEmpty() ? QString() : u' ' + keys);
    if (submenu) AddMenuRows(submenu, depth + 1, rows);
  }
}

QString MenuRows(const QMenu* menu) {
  QStringList rows;
  AddMenuRows(menu, 0, rows);
  return rows.join(u'\n');
}

QString MenuBarRows(const QMenuBar* bar) {
  QStringList rows;
  for (const QAction* menu : bar->actions()) {
    rows << menu->menu()->objectName();
    AddMenuRows(menu->menu(), 1, rows);
  }
  return rows.join(u'\n');
}

using Form1 = FormTest;

// The window's menus as the program is driven by them: each entry's
// component name in its place, with its keys. Of the edit entries, undo and
// redo show theirs, which the editor handles itself.
constexpr char kMainMenu[] = R"(File1
  N2 Ctrl+N
  Open1 Ctrl+O
  Recent1
    RecentSeparator1
    ClearRecent1
  NewChapter1
  N3
  Save1 Ctrl+S
  SaveAs1 Ctrl+Shift+S
  EncodingSeparator1
  Reopen1
    ReopenShiftJis1
    ReopenUtf81
  SaveInFormat1
  N1
  Exit1 Ctrl+Q
Edit1
  N4 Ctrl+Z
  Redo1 Ctrl+Y; Ctrl+Shift+Z
  N5
  Cut1
  Copy1
  Paste1
  N36
  N37
  GoToLine1 Ctrl+G
  PunctuationSeparator1
  Punctuation1
    PunctuationFullwidth1
    PunctuationIdeographic1
TypesetMenu1
  Typeset1 Ctrl+T
  StopTypeset1
  OpenPdf1
  SyncToPdf1 Ctrl+Shift+T
  Back1 Alt+Left
  RootSeparator1
  RootInfo1
  SetRoot1
  ClearRoot1
Find2
  Find1 Ctrl+F
  FindNext1 F3
  FindPrevious1 Shift+F3
  Replace1 Ctrl+H
N7
  N8
Help1
  N6)";
constexpr char kPopupMenu1[] = R"(Cut2
Copy2
Paste2
N9
N11
  N32
  N31
  N12
  N13
  emphasis1
  Taypewriter1
  SansSerif1
  SMALLCAPS1
  Slanted1
N14
  N33
  N34
  N10Huge1
  N9huge1
  N8LARGE1
  N7Large1
  N6large1
  N5normalsize1
  N4small1
  N3footnotesize1
  N2scriptsize1
  N1tiny1
N17
  itemize1
  enumerate1
  description1
  N35
  item1
  item2
N22
N24
N26
N25
N23
N16
N28
N10
N19
  N20
  N21
N18
TeX3
  N40
  N39
  Verb1
    Verb2
    N15
    verbatim1
    verbatim2
  N27
  N29
    marginpar1
    reversemarginpar1
    N30
  N38
  TeX4
    TeX5
    LaTeX1
    LaTeXe1
N54
  N55
  N56
  N57
  N58
N53
OpenNamedFile1
N43
N44)";
constexpr char kPopupMenu2[] = R"(Cut3
Copy3
Paste3
N45
N48
N52
equation1
gather1
split1
N49
  equation2
  N50
  gather2
N51
N42
N41
TeX6
N46
N47)";

TEST_F(Form1, ComponentsCarryTheirNamesAndKeys) {
  EXPECT_EQ(MenuBarRows(form.findChild<QMenuBar*>(QStringLiteral("MainMenu1"))), QLatin1String(kMainMenu));
  EXPECT_EQ(MenuRows(form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))), QLatin1String(kPopupMenu1));
  EXPECT_EQ(MenuRows(form.findChild<QMenu*>(QStringLiteral("PopupMenu2"))), QLatin1String(kPopupMenu2));
  for (const char* name : {"memo1", "ToolBar1", "ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4",
                           "ToolButton6", "TypesetButton1", "StatusBar1"}) {
    EXPECT_NE(form.findChild<QObject*>(QLatin1String(name)), nullptr) << name;
  }
  EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
}

// Alt with the letter opens the menu; the entries keep their captions.
TEST_F(Form1, TopMenusCarryTheirLetters) {
  QStringList titles;
  for (const QAction* menu : form.menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles.join(u' '), QStringLiteral("ファイル(&F) 編集(&E) タイプセット(&T) 検索(&S) 設定(&O) ヘルプ(&H)"));
  EXPECT_EQ(Action("Open1")->text(), QStringLiteral("開く..."));
}

TEST_F(Form1, RedoIsOfferedOnlyAfterAnUndo) {
  QAction* redo = Action("Redo1");
  ASSERT_NE(redo, nullptr);
  EXPECT_FALSE(redo->isEnabled());
  QTest::keyClicks(form.memo1, QStringLiteral("ab"));
  EXPECT_FALSE(redo->isEnabled());
  Trigger("N4");
  EXPECT_EQ(form.Buffer().Text(), "");
  EXPECT_TRUE(redo->isEnabled());
  Trigger("Redo1");
  EXPECT_EQ(form.Buffer().Text(), "ab");
  EXPECT_FALSE(redo->isEnabled());
}

// Each button names its command and key; the mode button the mode it switches to.
TEST_F(Form1, ToolButtonsShowAnImageAndTheirCommand) {
  const auto button = [this](const char* name) { return form.findChild<QToolButton*>(QLatin1String(name)); };
  const struct {
    const char* name;
    QString tip;
  } rows[] = {{"ToolButton1", QStringLiteral("新規作成 (Ctrl+N)")},
              {"ToolButton2", QStringLiteral("開く (Ctrl+O)")},
              {"ToolButton3", QStringLiteral("上書き保存 (Ctrl+S)")},
              {"ToolButton4", QStringLiteral("数式コマンドに変更")},
              {"ToolButton6", QStringLiteral("文書のフォルダを開く")},
              {"TypesetButton1", QStringLiteral("タイプセット (Ctrl+T)")}};
  for (const auto& row : rows) {
    EXPECT_EQ(button(row.name)->toolTip(), row.tip) << row.name;
    EXPECT_FALSE(button(row.name)->icon().isNull()) << row.name;
  }
  button("ToolButton4")->click();
  EXPECT_EQ(button("ToolButton4")->toolTip(), QStringLiteral("基本コマンドに変更"));
}

// Panel 0 widens for a long message; in a narrow window every panel gives up
// room before they overlap, a cut message showing whole as the tooltip.
TEST_F(Form1, StatusPanelsMakeRoomAndNeverOverlap) {
  const QString message = QStringLiteral("タイプセット失敗: mendex 終了コード 255（索引の読みがありません）");
  form.SetStatusPanelText(0, message);
  QLabel* panels[4];
  for (int i = 0; i < 4; ++i) panels[i] = form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i));
  const int messageWidth = panels[0]->fontMetrics().horizontalAdvance(message);
  form.show();
  for (const int windowWidth : {1000, 300}) {
    form.resize(windowWidth, 400);
    form.statusBar()->layout()->activate();
    for (int i = 0; i < 3; ++i) EXPECT_LT(panels[i]->geometry().right(), panels[i + 1]->x()) << windowWidth;
    EXPECT_LE(panels[3]->geometry().right(), form.statusBar()->width()) << windowWidth;
    const bool cut = panels[0]->contentsRect().width() < messageWidth;
    EXPECT_EQ(cut, windowWidth == 300);
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), panels[0]->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(panels[0], &hover);
    EXPECT_EQ(QToolTip::text(), cut ? message : QString()) << windowWidth;
  }
  EXPECT_EQ(form.statusBar()->findChild<QSizeGrip*>(), nullptr) << "the window frame has the grip";
}

// A dialog that can be resized gets a resize handle from some window frames,
// a stray line along its bottom; these have no use for another size.
TEST(Dialogs, KeepTheirSizeAndFitTheirText) {
  ProgramSettingsDialog settings(nullptr, options::ProgramOptions{});
  FormatDialog format(nullptr, TextFormat{});
  RecoveryWindow recovery(nullptr, {{QStringLiteral("a.tex"), QStringLiteral("/a.tex"), QStringLiteral("12:00")}}, {});
  for (QDialog* dialog : std::initializer_list<QDialog*>{&settings, &format, &recovery}) {
    dialog->show();
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->windowTitle().toStdString();
    dialog->hide();
  }
  settings.show();
  auto* tabs = settings.findChild<QTabWidget*>();
  tabs->setCurrentIndex(2);  // タイプセット
  ASSERT_EQ(tabs->tabText(2), QStringLiteral("タイプセット"));
  const QLineEdit* engine = settings.ShiftJisEngineBox->lineEdit();
  EXPECT_GE(engine->width(), engine->fontMetrics().horizontalAdvance(engine->placeholderText()));
}

TEST_F(Form1, StartsEmptyInBasicMode) {
  EXPECT_EQ(ShownCaption(form), QStringLiteral("Zumoku"));
  EXPECT_EQ(form.StatusPanelText(1), QStringLiteral("PopUpモード：基本モード"));
  EXPECT_EQ(form.StatusPanelText(0), QString());
  EXPECT_EQ(form.Buffer().Text(), "");
  EXPECT_FALSE(Action("Save1")->isEnabled());
  EXPECT_TRUE(Action("Find2")->isEnabled());
}

TEST_F(Form1, OuterFrameIsPlacedAndSized) {
  form.show();
  EXPECT_EQ(form.frameGeometry(), QRect(195, 126, 637, 450));
  form.hide();
}

TEST_F(Form1, TypingEmptiesTheMessagePanelOnly) {
  form.SetStatusPanelText(0, QStringLiteral("ファイルを上書き保存しました"));
  QTest::keyClick(form.memo1, Qt::Key_A);
  EXPECT_EQ(form.StatusPanelText(0), QString());
  EXPECT_EQ(form.StatusPanelText(1), QStringLiteral("PopUpモード：基本モード"));
}

TEST_F(Form1, EditCommandsRunTheBufferOperations) {
  QTest::keyClicks(form.memo1, QStringLiteral("abc"));
  Trigger("N37");
  EXPECT_EQ(form.Buffer().SelLength(), 3);
  Trigger("Cut1");
  EXPECT_EQ(form.Buffer().Text(), "");
  Trigger("Paste2");
  Trigger("Paste1");
  EXPECT_EQ(form.Buffer().Text(), "abcabc");
  Trigger("N4");
  EXPECT_EQ(form.Buffer().Text(), "abc");
  Trigger("N37");
  Trigger("Copy2");
  form.Buffer().SetSelStart(3);
  Trigger("Paste2");
  EXPECT_EQ(form.Buffer().Text(), "abcabc");
}

// The document's name comes from a dropped file: a bare name (as New gives),
// a full path in a Japanese folder, and a file name with ":" and "\".
TEST_F(Form1, FolderButtonOpensTheDocumentsFolderOnly) {
  QTemporaryDir temporary;
  const QString folder = temporary.filePath(QStringLiteral("論文"));
  ASSERT_TRUE(QDir().mkpath(folder));
  CurrentFolder current(folder);
  const QString colonAndBackslash = QStringLiteral("a:b\\c.tex");
  for (const QString& name : {QStringLiteral("NEW_File.tex"), QStringLiteral("main.tex"), colonAndBackslash}) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  UrlCatcher catcher(QStringLiteral("file"));
  auto* button = form.findChild<QToolButton*>(QStringLiteral("ToolButton6"));
  button->click();  // no name yet
  form.DropFiles({QStringLiteral("NEW_File.tex")});
  ASSERT_EQ(form.CurrentFileName(), QStringLiteral("NEW_File.tex"));
  button->click();
  EXPECT_TRUE(catcher.urls.isEmpty());
  form.DropFiles({folder + QStringLiteral("/main.tex")});
  button->click();
  form.DropFiles({folder + u'/' + colonAndBackslash});
  button->click();
  ASSERT_EQ(catcher.urls.size(), 2);
  EXPECT_EQ(catcher.urls.front().toLocalFile(), folder + u'/');
  EXPECT_EQ(catcher.urls.back().toLocalFile(), folder + u'/');
}

}  // namespace zumoku::test
