#include "app/dialogs/section_manager.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "form_test.h"
#include "qstring_print.h"
#include "row_name.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
// Double-clicks the row as a user does (a click, then the double-click)
// and lets a closed window go.
void DoubleClick(TSectionManager* window, int row) {
  QListWidget* list = window->ListBox1;
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

class SectionManager : public FormTest {
 protected:
  void SetUp() override {
    form.Buffer().SetSelText("\\section{A}\r\n" + S("\\section{日本マ語}") + "\r\n\\section{" + kLong +
                             "}\r\n\\section{\r\n");
    form.Buffer().SetSelStart(2);
    form.Buffer().SetSelLength(5);
  }
  QList<TSectionManager*> Windows() { return form.findChildren<TSectionManager*>(); }
  QStringList Names(const TSectionManager* window) {
    QStringList names;
    for (int row = 0; row < window->ListBox1->count(); ++row) names << window->ListBox1->item(row)->text();
    return names;
  }
  // Rests the mouse on the row's first letter, once the list is laid out,
  // and gives the tooltip that shows.
  QString ToolTip(TSectionManager* window, int row) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QListWidget* list = window->ListBox1;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect rect = list->visualItemRect(list->item(row));
    const QPoint at(rect.left() + 4, rect.center().y());
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  }
  const std::string kLong = std::string(60, 'x');
};

TEST_F(SectionManager, EachUseOfTheMenuEntryOpensAnotherFilledWindow) {
  Trigger("N58");
  Trigger("N58");
  ASSERT_EQ(Windows().size(), 2);
  const QStringList names = {QStringLiteral("A"), QStringLiteral("日本マ語"), QString::fromStdString(kLong), QString()};
  for (TSectionManager* window : Windows()) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("SectionManager"));
    EXPECT_EQ(window->size(), QSize(257, 226));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->Button1->text(), QStringLiteral("更新"));
    EXPECT_EQ(Names(window), names);
  }
  // The scan left a caret where the selection began.
  EXPECT_EQ(form.Buffer().SelStart(), 2);
  EXPECT_EQ(form.Buffer().SelLength(), 0);
  QTest::mouseClick(Windows().front()->Button1, Qt::LeftButton);
  EXPECT_EQ(Names(Windows().front()), names + names);
}

// Rows are as wide as the widest: the window's edge is what cuts a name off.
TEST_F(SectionManager, OnlyANameCutOffHasATooltip) {
  const std::string heads[] = {"\\section{A}\r\n\\section{" + kLong + "}", "\\section{" + kLong + "}\r\n\\section{A}"};
  for (const std::string& text : heads) {
    form.Buffer().SelectAll();
    form.Buffer().SetSelText(text);
    Trigger("N58");
    TSectionManager* window = Windows().back();
    const int longRow = window->ListBox1->item(0)->text() == QStringLiteral("A") ? 1 : 0;
    EXPECT_EQ(ToolTip(window, 1 - longRow), QString()) << text;
    EXPECT_EQ(ToolTip(window, longRow), QString::fromStdString(kLong)) << text;
    window->close();
  }
}

namespace {
// The keys go where the window puts the focus as it opens.
void ArrowToTheSecondRowAndEnter(TSectionManager* window) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Return}) {
    QTest::keyClick(QApplication::focusWidget(), key);
  }
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct JumpRow {
  const char* name;
  std::function<void(TSectionManager*)> chooseTheSecondRow;
};
}  // namespace

class SectionManagerJump : public SectionManager, public ::testing::WithParamInterface<JumpRow> {};

TEST_P(SectionManagerJump, SelectsTheHeadAndClosesTheWindow) {
  Trigger("N58");
  Trigger("N58");
  QPointer<TSectionManager> window = Windows().back();
  GetParam().chooseTheSecondRow(window);
  EXPECT_EQ(form.Buffer().SelStart(), 13);
  EXPECT_EQ(form.Buffer().SelText(), S("\\section{日本マ語}"));
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(Windows().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, SectionManagerJump,
                         ::testing::Values(JumpRow{"DoubleClick", [](TSectionManager* w) { DoubleClick(w, 1); }},
                                           JumpRow{"ArrowsAndEnter", ArrowToTheSecondRowAndEnter}),
                         RowName());

TEST_F(SectionManager, EachRowJumpsToItsOwnHeadAmongHeadsOfTheSameName) {
  form.Buffer().SelectAll();
  form.Buffer().SetSelText("\\section{A}\r\n\\section{B}\r\n\\section{A}\r\n\\section{A}\r\n");
  for (const int row : {3, 2, 0}) {
    Trigger("N58");
    DoubleClick(Windows().front(), row);
    EXPECT_EQ(form.Buffer().SelStart(), 13 * row) << row;
    EXPECT_EQ(form.Buffer().SelText(), "\\section{A}") << row;
  }
}

TEST_F(SectionManager, EmptyEntryDoesNothing) {
  Trigger("N58");
  QPointer<TSectionManager> window = Windows().front();
  DoubleClick(window, 3);
  EXPECT_FALSE(window.isNull());
  EXPECT_EQ(form.Buffer().SelStart(), 2);
  EXPECT_EQ(form.Buffer().SelLength(), 0);
}

TEST_F(SectionManager, NameEditedAwayKeepsTheSelectionAndSaysSo) {
  Trigger("N58");
  QPointer<TSectionManager> window = Windows().front();
  form.Buffer().SelectAll();
  form.Buffer().SetSelText("\\section{B}");
  form.Buffer().SetSelStart(3);
  form.Buffer().SetSelLength(2);
  DoubleClick(window, 0);
  EXPECT_EQ(form.Buffer().SelStart(), 3);
  EXPECT_EQ(form.Buffer().SelLength(), 2);
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("セクション「A」は見つかりませんでした"));
  EXPECT_TRUE(window.isNull());
}

// A document of a paper lists the heads of every file in reading order, the
// other files' names beside theirs; a double-click opens that file at the head.
class SectionManagerPaper : public FormTest {};

TEST_F(SectionManagerPaper, ListsThePaperAndOpensTheHeadsFile) {
  QTemporaryDir dir;
  const auto write = [&dir](const QString& name, const std::string& bytes) {
    QDir(dir.path()).mkpath(QFileInfo(name).path());
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return dir.filePath(name);
  };
  const QString root =
      write(QStringLiteral("main.tex"),
            "\\documentclass{jsarticle}\r\n\\section{A}\r\n\\input{ch/one}\r\n\\input{gone}\r\n\\section{C}\r\n");
  const QString chapter =
      write(QStringLiteral("ch/one.tex"), S("% !TEX root = ../main.tex\r\n\\section{B}\\section{章}\r\n"));
  form.OpenFile(root);
  form.Buffer().SetSelStart(0);
  form.N58Click();
  TSectionManager* window = form.findChildren<TSectionManager*>().front();
  QStringList rows;
  for (int row = 0; row < window->ListBox1->count(); ++row) rows << window->ListBox1->item(row)->text();
  EXPECT_EQ(rows,
            (QStringList{QStringLiteral("A"), QStringLiteral("B  (ch/one.tex)"), QStringLiteral("章  (ch/one.tex)"),
                         QStringLiteral("C"), QStringLiteral("gone.tex が見つかりません。")}));
  DoubleClick(window, 2);
  EXPECT_EQ(form.CurrentFileName(), chapter);
  EXPECT_EQ(form.Buffer().SelText(), S("\\section{章}"));
}

}  // namespace zumoku::test
