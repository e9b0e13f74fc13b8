#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <functional>

#include "modal_script.h"
#include "recovery_fixture.h"
#include "row_name.h"

namespace zumoku::test {

class RecentFilesMenu : public RecoveryTest {
 protected:
  std::unique_ptr<TForm1> form = NewForm();

  // The entries' captions, newest first.
  QStringList Entries(TForm1& window) {
    QStringList captions;
    for (QAction* entry : window.findChild<QMenu*>(QStringLiteral("Recent1"))->actions()) {
      if (entry->objectName().startsWith(QStringLiteral("RecentFile"))) captions << entry->text();
    }
    return captions;
  }
  QAction* Entry(const char* name) { return form->findChild<QAction*>(QLatin1String(name)); }
};

TEST_F(RecentFilesMenu, NewestFirstNumberedAndKeptForTheNextStart) {
  const QString plain = WriteDocument(QStringLiteral("a.tex"), "a");
  const QString japanese = WriteDocument(QStringLiteral("論文 と & 図/第 1 章.tex"), "b");
  form->OpenFile(plain);
  form->OpenFile(japanese);
  form->OpenFile(plain);  // moves up, not twice
  const QStringList expected{QStringLiteral("&1 ") + plain,
                             QStringLiteral("&2 ") + QString(japanese).replace(u'&', QStringLiteral("&&"))};
  EXPECT_EQ(Entries(*form), expected);
  EXPECT_EQ(Entries(*NewForm()), expected);
}

TEST_F(RecentFilesMenu, TheLastTenAreListedTheTenthAs10) {
  for (int index = 1; index <= 11; ++index) form->OpenFile(WriteDocument(QStringLiteral("%1.tex").arg(index), "x"));
  const QStringList entries = Entries(*form);
  ASSERT_EQ(entries.size(), 10);
  EXPECT_EQ(entries.front(), QStringLiteral("&1 ") + documents.filePath(QStringLiteral("11.tex")));
  EXPECT_EQ(entries.back(), QStringLiteral("1&0 ") + documents.filePath(QStringLiteral("2.tex")));
}

TEST_F(RecentFilesMenu, AnEntryOpensItsFileAMissingOneIsReportedAndDropped) {
  const QString kept = WriteDocument(QStringLiteral("kept.tex"), "kept");
  const QString missing = WriteDocument(QStringLiteral("消えた 文書.tex"), "gone");
  form->OpenFile(kept);
  form->OpenFile(missing);
  QFile::remove(missing);
  QString error;
  {
    ModalScript script({Noting(error, Accept())});
    Entry("RecentFile1")->trigger();
  }
  EXPECT_TRUE(error.endsWith(QStringLiteral(": ファイル %1 は開けません.").arg(missing))) << error.toStdString();
  EXPECT_EQ(Entries(*form), QStringList{QStringLiteral("&1 ") + kept});

  form->OpenFile(WriteDocument(QStringLiteral("other.tex"), "other"));
  Entry("RecentFile2")->trigger();
  EXPECT_EQ(form->Buffer().Text(), "kept");
  EXPECT_EQ(form->CurrentFileName(), kept);
}

TEST_F(RecentFilesMenu, ClearingEmptiesTheList) {
  form->OpenFile(WriteDocument(QStringLiteral("a.tex"), "a"));
  Entry("ClearRecent1")->trigger();
  EXPECT_TRUE(Entries(*form).isEmpty());
  EXPECT_FALSE(Entry("ClearRecent1")->isEnabled());
  EXPECT_TRUE(Entries(*NewForm()).isEmpty());
}

TEST_F(RecentFilesMenu, TheFileDialogsStartWhereAFileWasLastChosen) {
  const QString file = WriteDocument(QStringLiteral("第 2 章/a.tex"), "a");
  {
    ModalScript script({Choose(file)});
    form->findChild<QAction*>(QStringLiteral("Open1"))->trigger();
  }
  const auto next = NewForm();
  QString shown;
  {
    ModalScript script({[&](QDialog* dialog) {
      shown = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
      dialog->reject();
    }});
    next->findChild<QAction*>(QStringLiteral("SaveAs1"))->trigger();
  }
  EXPECT_EQ(shown, QFileInfo(file).absolutePath());
}

struct PlaceRow {
  const char* name;
  QRect left;  // the window's place when it was closed, frame left out
  // At the next start: the place kept, or the first start's frame.
  std::function<QRect(const QWidget&)> measured;
  QRect expected;
};

class WindowPlace : public RecoveryTest, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(WindowPlace, IsKeptUnlessOffEveryScreen) {
  {
    const auto form = NewForm();
    form->show();
    form->setGeometry(GetParam().left);
    ASSERT_TRUE(form->close());
  }
  const auto form = NewForm();
  form->show();
  EXPECT_EQ(GetParam().measured(*form), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, WindowPlace,
    ::testing::Values(PlaceRow{"OnScreen", {40, 30, 500, 300}, &QWidget::geometry, {40, 30, 500, 300}},
                      PlaceRow{
                          "OffEveryScreen", {9000, 9000, 500, 300}, &QWidget::frameGeometry, {195, 126, 637, 450}}),
    RowName{});

}  // namespace zumoku::test
