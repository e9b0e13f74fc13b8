#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "row_name.h"
#include "typeset/folder_file.h"

namespace zumoku::typeset {
namespace {

namespace fs = std::filesystem;

// A document's folder "doc" with a subfolder, beside a file outside it.
class FolderTree {
 public:
  FolderTree() {
    fs::create_directories(Doc() / "sub");
    Write(Doc() / "ch1.aux", "inside");
    Write(Doc() / "sub" / "ch2.aux", "below");
    Write(root_ / "outside.aux", "secret");
    fs::create_symlink(root_ / "outside.aux", Doc() / "out-link.aux");
    fs::create_symlink("ch1.aux", Doc() / "in-link.aux");
    mkfifo((Doc() / "pipe.aux").c_str(), 0600);
    std::ofstream(Doc() / "huge.aux").close();
    fs::resize_file(Doc() / "huge.aux", kMaxFolderFileBytes + 1);  // sparse: nothing is written
  }
  ~FolderTree() { fs::remove_all(root_); }

  fs::path Doc() const { return root_ / "doc"; }

 private:
  static void Write(const fs::path& path, const char* text) { std::ofstream(path) << text; }

  fs::path root_ = fs::temp_directory_path() / ("zumoku-folder-" + std::to_string(getpid()));
};

struct ReadCase {
  const char* name;
  const char* file;                   // as an .aux names it
  std::optional<std::string> result;  // nullopt: refused
};

class ReadInFolder : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadInFolder, ReadsOnlyRegularFilesOfTheFolderTree) {
  const FolderTree tree;
  EXPECT_EQ(ReadFileInFolder(tree.Doc().string(), GetParam().file), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Aux, ReadInFolder,
    ::testing::Values(ReadCase{"InTheFolder", "ch1.aux", "inside"}, ReadCase{"InASubfolder", "sub/ch2.aux", "below"},
                      ReadCase{"LinkInsideTheFolder", "in-link.aux", "inside"},
                      ReadCase{"Missing", "none.aux", std::nullopt},
                      ReadCase{"BesideTheFolder", "../outside.aux", std::nullopt},
                      ReadCase{"DeviceThroughParents", "../../../../../../../../dev/zero", std::nullopt},
                      ReadCase{"AbsolutePath", "/dev/zero", std::nullopt},
                      ReadCase{"LinkOutOfTheFolder", "out-link.aux", std::nullopt},
                      ReadCase{"Fifo", "pipe.aux", std::nullopt}, ReadCase{"Folder", "sub", std::nullopt},
                      ReadCase{"PastTheSizeBound", "huge.aux", std::nullopt}),
    test::RowName());

}  // namespace
}  // namespace zumoku::typeset
