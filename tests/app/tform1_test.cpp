#include "app/tform1.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "form_test.h"
#include "sjis_text.h"

namespace zumoku::test {

// Catches the desktop-shell requests of the folder button.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

class Form1 : public FormTest {
 protected:
  void SetText(const std::string& s) {
    form.Buffer().SetSelText(s);
    form.Buffer().SelectAll();
  }
};

TEST_F(Form1, MainMenuEntriesHaveTheirCaptionsAndStates) {
  const struct {
    const char* name;
    QString caption;
    bool enabled;
  } rows[] = {
      {"N2", QStringLiteral("新規作成"), true},         {"Open1", QStringLiteral("開く..."), true},
      {"Save1", QStringLiteral("上書き保存"), false},     {"SaveAs1", QStringLiteral("名前をつけて保存..."), true},
      {"Exit1", QStringLiteral("終了"), true},           {"N4", QStringLiteral("元に戻す"), true},
      {"Cut1", QStringLiteral("切り取り"), true},        {"Copy1", QStringLiteral("コピー"), true},
      {"Paste1", QStringLiteral("貼り付け"), true},      {"N37", QStringLiteral("全て選択"), true},
      {"Find2", QStringLiteral("検索"), false},          {"Find1", QStringLiteral("検索..."), true},
      {"Replace1", QStringLiteral("置換..."), true},     {"N8", QStringLiteral("プログラムの設定..."), true},
      {"N6", QStringLiteral("このプログラムについて..."), true},
  };
  for (const auto& row : rows) {
    QAction* action = Action(row.name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), row.caption) << row.name;
    EXPECT_EQ(action->isEnabled(), row.enabled) << row.name;
    EXPECT_TRUE(action->shortcut().isEmpty()) << row.name;
  }
  const QStringList menus = {QStringLiteral("ファイル"), QStringLiteral("編集"), QStringLiteral("検索"),
                             QStringLiteral("設定"), QStringLiteral("ヘルプ")};
  QStringList shown;
  for (QAction* menu : form.findChild<QMenuBar*>(QStringLiteral("MainMenu1"))->actions()) shown << menu->text();
  EXPECT_EQ(shown, menus);
}

TEST_F(Form1, StartsEmptyInBasicMode) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Zumoku"));
  EXPECT_EQ(form.StatusPanelText(1), QStringLiteral("PopUpモード：基本モード"));
  EXPECT_EQ(form.StatusPanelText(0), QString());
  EXPECT_EQ(form.Buffer().Text(), "");
  EXPECT_EQ(form.memo1->objectName(), QStringLiteral("memo1"));
  for (const char* name : {"ToolBar1", "StatusBar1", "ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4",
                           "ToolButton6", "PopupMenu1"}) {
    EXPECT_NE(form.findChild<QObject*>(QLatin1String(name)), nullptr) << name;
  }
}

TEST_F(Form1, InertEntriesChangeNothing) {
  SetText("abc");
  Trigger("Replace1");
  Trigger("N8");
  Trigger("Find1");
  EXPECT_EQ(form.Buffer().Text(), "abc");
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

TEST_F(Form1, FontStylesRunFromTheContextMenu) {
  const struct {
    const char* name;
    std::string opening;
  } rows[] = {{"N12", "\\textbf{"},        {"N13", "\\textit{"},         {"emphasis1", "\\emph{"},
              {"Taypewriter1", "\\texttt{"}, {"SansSerif1", "\\textsf{"}, {"SMALLCAPS1", "\\textsc{"},
              {"Slanted1", "\\textsl{"}};
  for (const auto& row : rows) {
    form.Buffer().Clear();
    SetText(S("\\textit{マ}"));
    Trigger(row.name);
    EXPECT_EQ(form.Buffer().Text(), row.opening + S("マ}")) << row.name;
    EXPECT_NE(form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->findChild<QAction*>(QLatin1String(row.name)),
              nullptr) << row.name;
  }
  form.Buffer().Clear();
  SetText("\\textbf{abc}");
  Trigger("N32");
  EXPECT_EQ(form.Buffer().Text(), "abc");
}

// The document's name comes from a dropped file: a bare name (as New gives)
// and a full path in a Japanese folder.
TEST_F(Form1, FolderButtonOpensTheDocumentsFolderOnly) {
  QTemporaryDir temporary;
  const QString folder = temporary.filePath(QStringLiteral("論文"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString previousCurrent = QDir::currentPath();
  QDir::setCurrent(folder);
  for (const QString& name : {QStringLiteral("NEW_File.tex"), QStringLiteral("main.tex")}) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
  auto* button = form.findChild<QToolButton*>(QStringLiteral("ToolButton6"));
  button->click();  // no name yet
  form.DropFiles({QStringLiteral("NEW_File.tex")});
  ASSERT_EQ(form.CurrentFileName(), QStringLiteral("NEW_File.tex"));
  button->click();
  EXPECT_TRUE(catcher.urls.isEmpty());
  form.DropFiles({folder + QStringLiteral("/main.tex")});
  button->click();
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  QDir::setCurrent(previousCurrent);
  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls.front().toLocalFile(), folder + u'/');
}

}  // namespace zumoku::test

#include "tform1_test.moc"
