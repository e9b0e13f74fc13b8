#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <limits>

#include "app/desktop/disk_files.h"
#include "recovery/recovery_folder.h"
#include "row_name.h"

namespace zumoku::test {

namespace {
std::string Repeated(std::string_view text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

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
                           "zumoku-recovery 1\npid 1\nstarted 1\nboot b\nsaved 1\n",
                           "zumoku-recovery 1\npid 1\nstarted 1\nboot b\nsaved 1\npath ../../../../etc/shadow",
                           "zumoku-recovery 1\npid 1\nstarted 1\nboot b\nsaved 1\npath /a/../../etc/shadow",
                           "zumoku-recovery 1\npid -5\nstarted 1\nboot b\nsaved 1\npath /a",
                           "zumoku-recovery 1\npid 1\nstarted 1\nboot b\nsaved -9223372036854775808\npath /a"}) {
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
  std::string documentPath = "/a/main.tex";
};

class LeftBehind : public RecoveryFolderTest, public ::testing::WithParamInterface<LeftRow> {};

TEST_P(LeftBehind, OnlyCompleteFilesOfProgramsThatAreGone) {
  const LeftRow& row = GetParam();
  const RecoveryRecord record{row.writer, 7, row.documentPath};
  const RecoverySlot slot = folder.SlotFor(record.documentPath, row.writer);
  ASSERT_EQ(folder.Write(slot, record, "text"), std::error_code());
  if (!row.bytesKept) QFile::remove(QString::fromStdString(slot.bytesPath));
  const std::vector<LeftRecovery> left = folder.LeftBehind();
  ASSERT_EQ(left.size(), row.offered ? 1u : 0u);
  if (!row.offered) return;
  EXPECT_EQ(left[0].slot, slot);
  EXPECT_EQ(left[0].record, record);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, LeftBehind,
    ::testing::Values(LeftRow{"Running", ThisProcess(), true, false}, LeftRow{"PidReused", Gone(1, ""), true, true},
                      LeftRow{"OtherBoot", Gone(0, "another-boot"), true, true},
                      LeftRow{"BytesMissing", Gone(1, ""), false, false},
                      // 244 bytes of name: shortened, never past what a file system takes.
                      LeftRow{"LongName", Gone(1, ""), true, true, "/a/" + Repeated("論", 80) + ".tex"},
                      LeftRow{"LongExtension", Gone(1, ""), true, true, "/a/b." + Repeated("x", 250)}),
    RowName{});

TEST_F(RecoveryFolderTest, OldestFirst) {
  for (const std::int64_t savedAt : {9, 5, 7}) {
    const RecoveryRecord record{Gone(1, ""), savedAt, "/a/" + std::to_string(savedAt) + ".tex"};
    ASSERT_EQ(folder.Write(folder.SlotFor(record.documentPath, record.writer), record, "x"), std::error_code());
  }
  std::vector<std::int64_t> order;
  for (const LeftRecovery& left : folder.LeftBehind()) order.push_back(left.record.savedAt);
  EXPECT_EQ(order, (std::vector<std::int64_t>{5, 7, 9}));
}

// Entries the program did not make, beside one it did: only that one is
// offered, and nothing outside the folder is read.
struct EntryRow {
  const char* name;
  std::function<void(const std::filesystem::path& folder, const std::filesystem::path& outside)> plant;
};

class ForeignEntries : public RecoveryFolderTest, public ::testing::WithParamInterface<EntryRow> {};

TEST_P(ForeignEntries, AreNotOffered) {
  const RecoveryRecord record{Gone(1, ""), 7, "/a/main.tex"};
  const RecoverySlot slot = folder.SlotFor(record.documentPath, record.writer);
  ASSERT_EQ(folder.Write(slot, record, "text"), std::error_code());
  const std::filesystem::path outside = temporary.filePath(QStringLiteral("outside")).toStdString();
  std::filesystem::create_directory(outside);
  GetParam().plant(folder.Path(), outside);
  const std::vector<LeftRecovery> left = folder.LeftBehind();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].slot, slot);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  DiskFiles files;
  ASSERT_TRUE(files.Write(path.string(), bytes));
}

// A well-formed record of a program that is gone, for `documentPath`.
std::string RecordText(const std::string& documentPath, std::int64_t savedAt = 7) {
  return FormatRecord({Gone(1, ""), savedAt, documentPath});
}

// Bytes and a record under the name the program makes, then changed by `spoil`.
void PlantSlot(const std::filesystem::path& folder, const RecoveryRecord& record,
               const std::function<void(const RecoverySlot&)>& spoil) {
  DiskFiles files;
  const RecoveryFolder planted(files, folder.string());
  const RecoverySlot slot = planted.SlotFor(record.documentPath, record.writer);
  WriteFile(slot.bytesPath, "bytes");
  WriteFile(slot.recordPath, FormatRecord(record));
  spoil(slot);
}

INSTANTIATE_TEST_SUITE_P(
    Planted, ForeignEntries,
    ::testing::Values(EntryRow{"RecordNamedDotRecord",
                               [](auto& folder, auto&) { WriteFile(folder / ".record", RecordText("/b")); }},
                      EntryRow{"RecordNamedDotDotRecord",
                               [](auto& folder, auto&) { WriteFile(folder / "..record", RecordText("/b")); }},
                      EntryRow{"RecordUnderAnotherName",
                               [](auto& folder, auto&) {
                                 WriteFile(folder / "x-1-2.tex", "bytes");
                                 WriteFile(folder / "x-1-2.tex.record", RecordText("/b/x.tex"));
                               }},
                      EntryRow{"RecordLinkedFromOutside",
                               [](auto& folder, auto& outside) {
                                 PlantSlot(folder, {Gone(1, ""), 7, "/b/x.tex"}, [&](const RecoverySlot& slot) {
                                   std::filesystem::rename(slot.recordPath, outside / "record");
                                   std::filesystem::create_symlink(outside / "record", slot.recordPath);
                                 });
                               }},
                      EntryRow{"BytesLinkedFromOutside",
                               [](auto& folder, auto& outside) {
                                 PlantSlot(folder, {Gone(1, ""), 7, "/b/x.tex"}, [&](const RecoverySlot& slot) {
                                   std::filesystem::remove(slot.bytesPath);
                                   WriteFile(outside / "secret", "secret");
                                   std::filesystem::create_symlink(outside / "secret", slot.bytesPath);
                                 });
                               }},
                      EntryRow{"BytesAreAFolder",
                               [](auto& folder, auto&) {
                                 PlantSlot(folder, {Gone(1, ""), 7, "/b/x.tex"}, [&](const RecoverySlot& slot) {
                                   std::filesystem::remove(slot.bytesPath);
                                   std::filesystem::create_directory(slot.bytesPath);
                                 });
                               }},
                      EntryRow{"RelativeDocumentPath",
                               [](auto& folder, auto&) {
                                 PlantSlot(folder, {Gone(1, ""), 7, "/b/x.tex"}, [&](const RecoverySlot& slot) {
                                   WriteFile(slot.recordPath, RecordText("../../../../etc/shadow"));
                                 });
                               }},
                      EntryRow{"SavedBefore1970",
                               [](auto& folder, auto&) {
                                 PlantSlot(folder, {Gone(1, ""), 7, "/b/x.tex"}, [&](const RecoverySlot& slot) {
                                   WriteFile(slot.recordPath,
                                             RecordText("/b/x.tex", std::numeric_limits<std::int64_t>::min()));
                                 });
                               }}),
    RowName{});

}  // namespace zumoku::test
