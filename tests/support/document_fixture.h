#pragma once
// A document over the reference buffer, files in memory and scripted
// prompts.
#include <gtest/gtest.h>

#include "buffer/text_buffer.h"
#include "documents/document.h"
#include "fake_prompts.h"
#include "memory_files.h"
#include "sjis_text.h"

namespace zumoku::test {

inline const std::string kUnsaved = "は更新されています。保存しますか？";
inline const std::string kOverwrite = "は既に存在します。上書き保存しますか？";
inline const std::string kSaveCancelled = "status 保存をキャンセルしました";
inline const std::string kLoadCancelled = "status 保存・読み込みをキャンセルしました";

using Log = FakePrompts::Log;

class DocumentTest : public ::testing::Test {
 protected:
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
  MemoryFiles files;
  FakePrompts prompts;
  Document document{buffer, files, prompts};

  // Opens a file holding `bytes` on an unchanged document; forgets the log.
  void OpenFile(const std::string& path, const std::string& bytes = "old") {
    files.files[path] = bytes;
    prompts.choices = {path};
    document.Open();
    ASSERT_EQ(document.CurrentFileName(), path);
    prompts.Take();
  }
  // The user types at the end of the text.
  void Type(std::string_view s) {
    buffer.SetSelStart(static_cast<int>(buffer.Text().size()));
    buffer.Type(s);
  }
};

}  // namespace zumoku::test
