#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "app/desktop/disk_files.h"
#include "recovery/recovery_folder.h"
#include "row_name.h"

namespace zumoku::test {

namespace {
// This process as if it had started at another time, or in another boot:
// the same pid, reused by a program that is gone.
ProcessIdentity Gone(std::uint64_t laterTicks, std::string boot) {
  ProcessIdentity gone = ThisProcess();
  gone.started += laterTicks;
  if (!boot.empty()) gone.boot = boot;
  return gone;
}
}  // namespace

struct RecordRow {
  const char* name;
  RecoveryRecord record;
};

class RecordsReadBack : public ::testing::TestWithParam<RecordRow> {};

TEST_P(RecordsReadBack, AsWritten) {
  const RecoveryRecord& record = GetParam().record;
  EXPECT_EQ(ParseRecord(FormatRecord(record)), record);
}

INSTANTIATE_TEST_SUITE_P(Records, RecordsReadBack,
                         ::testing::Values(RecordRow{"Plain", {ThisProcess(), 1765432100, "/home/u/paper/main.tex"}},
                                           RecordRow{"JapaneseBlanksAndLineEnd",
                                                     {Gone(5, "b"), 1, "/home/u/論文 2/a\nb.tex"}},
                                           RecordRow{"NoFile", {ThisProcess(), 0, ""}}),
                         RowName{});

TEST(RecoveryRecord, OtherTextIsNone) {
  for (const char* text : {"", "zumoku-recovery 2\npid 1\nstarted 1\nboot b\nsaved 1\npath /a",
                           "zumoku-recovery 1\npid x\nstarted 1\nboot b\nsaved 1\npath /a",
                           "zumoku-recovery 1\npid 1\nstarted 1\nboot b\nsaved 1\n"}) {
    EXPECT_EQ(ParseRecord(text), std::nullopt) << text;
  }
}

class RecoveryFolderTest : public ::testing::Test {
 protected:
  QTemporaryDir temporary;
  DiskFiles files;
  RecoveryFolder folder{files, temporary.filePath(QStringLiteral("recovery")).toStdString()};
};

TEST_F(RecoveryFolderTest, SameNamesInOtherFoldersAndOtherProgramsGetTheirOwnFiles) {
  const RecoverySlot a = folder.SlotFor("/a/main.tex", ThisProcess());
  const RecoverySlot b = folder.SlotFor("/b/main.tex", ThisProcess());
  const RecoverySlot otherProgram = folder.SlotFor("/a/main.tex", Gone(1, ""));
  EXPECT_NE(a.bytesPath, b.bytesPath);
  EXPECT_NE(a.bytesPath, otherProgram.bytesPath);
  EXPECT_TRUE(a.bytesPath.starts_with(folder.Path() + "/main-")) << a.bytesPath;
  EXPECT_TRUE(a.bytesPath.ends_with(".tex")) << a.bytesPath;
  EXPECT_NE(a.recordPath, a.bytesPath);
}

struct LeftRow {
  const char* name;
  ProcessIdentity writer;
  bool bytesKept;
  bool offered;
};

class LeftBehind : public RecoveryFolderTest, public ::testing::WithParamInterface<LeftRow> {};

TEST_P(LeftBehind, OnlyCompleteFilesOfProgramsThatAreGone) {
  const LeftRow& row = GetParam();
  const RecoveryRecord record{row.writer, 7, "/a/main.tex"};
  const RecoverySlot slot = folder.SlotFor(record.documentPath, row.writer);
  ASSERT_TRUE(folder.Write(slot, record, "text"));
  if (!row.bytesKept) QFile::remove(QString::fromStdString(slot.bytesPath));
  const std::vector<LeftRecovery> left = folder.LeftBehind();
  ASSERT_EQ(left.size(), row.offered ? 1u : 0u);
  if (!row.offered) return;
  EXPECT_EQ(left[0].slot, slot);
  EXPECT_EQ(left[0].record, record);
}

INSTANTIATE_TEST_SUITE_P(Programs, LeftBehind,
                         ::testing::Values(LeftRow{"Running", ThisProcess(), true, false},
                                           LeftRow{"PidReused", Gone(1, ""), true, true},
                                           LeftRow{"OtherBoot", Gone(0, "another-boot"), true, true},
                                           LeftRow{"BytesMissing", Gone(1, ""), false, false}),
                         RowName{});

}  // namespace zumoku::test
