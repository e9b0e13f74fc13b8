// Documents read into the real editor widget and saved back come out byte
// for byte, invalid Shift_JIS included.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

#include "app/disk_files.h"
#include "documents/document.h"
#include "app/memo_buffer.h"
#include "fake_prompts.h"
#include "buffer/line_ends.h"
#include "app/memo.h"

namespace zumoku::test {

// Lead bytes of the rows that hold code page 932's duplicate codes, which
// come back in the converter's preferred form (0xED40 is written as 0xFA5C).
bool InDuplicateRows(int b) { return b == 0x87 || b == 0xED || b == 0xEE || b >= 0xFA; }

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
  std::uniform_int_distribution<int> byte(0, 255), length(0, 300);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : bytes) {
      int b = byte(random);
      while (InDuplicateRows(b)) b = byte(random);
      c = static_cast<char>(b);
    }
    const std::string file = NormalizeLoadedLineEnds(bytes);
    ASSERT_EQ(OpenAndSave(file), file) << round;
  }
}

TEST_F(EditorRoundTrip, LineEndsOfTheFileBecomeCrLf) {
  EXPECT_EQ(OpenAndSave("a\nb\r\rc\r\r\nd\n"), "a\r\nb\r\n\r\nc\r\n\r\nd\r\n");
}

}  // namespace zumoku::test
