// Documents read into the real editor widget and saved back come out byte
// for byte, invalid Shift_JIS included.
#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include "app/desktop/disk_files.h"
#include "app/editor/memo.h"
#include "app/editor/memo_buffer.h"
#include "documents/document.h"
#include "fake_prompts.h"
#include "random_bytes.h"

namespace zumoku::test {

// A document in the real editor widget with files on disk.
class EditorRoundTrip : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("往復.tex")).toStdString();
  Memo memo;
  MemoBuffer buffer{memo};
  DiskFiles files;
  FakePrompts prompts;
  Document document{buffer, files, prompts};

  // Writes `file`, opens it and saves it back; returns what was saved.
  std::optional<std::string> OpenAndSave(const std::string& file) {
    EXPECT_TRUE(files.Write(path, file));
    prompts.choices = {path};
    document.Open();
    document.Save();
    EXPECT_FALSE(buffer.Modified());
    return files.Read(path);
  }
};

TEST_F(EditorRoundTrip, OpenThenSaveGivesTheSameBytes) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 300; ++round) {
    const std::string file = RandomStoredBytes(random, 300);
    ASSERT_EQ(OpenAndSave(file), file) << round;
  }
}

// Lead bytes 0xF0-0xFC: a user-defined character, an IBM extension and 髙.
TEST_F(EditorRoundTrip, HighLeadBytesAreShownAndSavedRight) {
  const std::string file = "\xF0\x40\xFA\x40\xFB\xFC";
  EXPECT_EQ(OpenAndSave(file), file);
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("\uE000ⅰ髙"));
  memo.SetCaretOffset(buffer.Text().size());
  memo.insertPlainText(QStringLiteral("髙"));
  EXPECT_EQ(buffer.Text(), file + "\xFB\xFC");
}

// UTF-8 files holding characters the widget would break lines at: a key
// typed and taken back, then saved, leaves every byte as it was.
TEST_F(EditorRoundTrip, Utf8LineBreakCharactersStayTheirBytes) {
  for (const std::string file : {"\xC3\xA9\xE2\x80\xA9x\n", "\xC3\xA9\xE2\x80\xA8x\n", "\xC3\xA9\xC2\x85x\n"}) {
    ASSERT_TRUE(files.Write(path, file));
    prompts.choices = {path};
    document.Open();
    memo.SetCaretOffset(buffer.Text().size());
    QTest::keyClick(&memo, Qt::Key_A);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    document.Save();
    EXPECT_EQ(files.Read(path), file);
  }
}

TEST_F(EditorRoundTrip, LineEndsOfTheFileBecomeCrLf) {
  EXPECT_EQ(OpenAndSave("a\nb\r\rc\r\r\nd\n"), "a\r\nb\r\n\r\nc\r\n\r\nd\r\n");
}

}  // namespace zumoku::test
