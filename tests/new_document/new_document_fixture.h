#pragma once
// Settings files in memory under "set/", reported through scripted prompts.
#include <gtest/gtest.h>

#include "fake_prompts.h"
#include "memory_files.h"
#include "new_document/settings_files.h"
#include "sjis_text.h"

namespace zumoku::test {

inline const std::string kClasses = "set/documentclass.txt";
inline const std::string kPreamble = "set/prinable.txt";
inline const std::string kTitle = "set/author.txt";

class SetupTest : public ::testing::Test {
 protected:
  MemoryFiles files;
  FakePrompts prompts;
  SettingsFiles settings{files, prompts, "set/"};

  SetupTest() {
    files.files = {{kClasses, "{jsarticle}\r\n{jsbook}\r\n[a4paper]{jsreport}\r\n"},
                   {kPreamble, "\\usepackage{amsmath}\r\n"},
                   {kTitle, S("題\r\n著者\r\n\\today\r\n")}};
  }
};

}  // namespace zumoku::test
