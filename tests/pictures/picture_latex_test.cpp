// Pictures inserted by "画像を貼り付ける" must come out in the PDF of the
// Japanese tool chain: platex reading Shift_JIS, then dvipdfmx.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document_fixture.h"
#include "pictures/picture_insertion.h"

namespace zumoku::test {

namespace fs = std::filesystem;

namespace {
// A red 1 x 1 PNG.
constexpr char kDot[] =
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x01\x00\x00\x00\x01\x08\x02\x00"
    "\x00\x00\x90\x77\x53\xde\x00\x00\x00\x0c\x49\x44\x41\x54\x78\x9c\x63\xf8\xcf\xc0\x00\x00\x03\x01\x01\x00\xc9"
    "\xfe\x92\xef\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82";
const std::string kDotPng(kDot, sizeof kDot - 1);

struct ScriptedPictures : pictures::PictureSource {
  std::optional<std::string> png, choice;
  std::optional<std::string> ClipboardPng() override { return png; }
  std::optional<std::string> ChoosePicture(const std::string&) override { return choice; }
};

fs::path FreshFolder(const std::string& name) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path folder = fs::temp_directory_path() / ("zumoku_" + name + "_" + std::to_string(stamp));
  fs::create_directories(folder);
  return folder;
}

int RunIn(const fs::path& folder, const std::string& command, std::string& output) {
  const int status = std::system(("cd '" + folder.string() + "' && " + command + " > run.txt 2>&1").c_str());
  std::stringstream text;
  text << std::ifstream(folder / "run.txt").rdbuf();
  output += text.str();
  return status;
}
}  // namespace

class PictureLatex : public DocumentTest {};

TEST_F(PictureLatex, InsertedPicturesReachThePdf) {
  const fs::path folder = FreshFolder("picture_latex");
  const fs::path elsewhere = FreshFolder("picture_elsewhere");
  const std::string body = S("赤い点の図です。\r\n");
  OpenFile((folder / "doc.tex").string(),
           "\\documentclass{jsarticle}\r\n\\begin{document}\r\n" + body + "\\end{document}\r\n");
  ScriptedPictures source;
  pictures::PictureInsertion insertion(buffer, document, files, prompts, source);
  const auto bodyEnd = static_cast<int>(buffer.Text().find(body) + body.size());

  // From the clipboard, with the sentence before it as its caption.
  buffer.SetSelStart(bodyEnd - static_cast<int>(body.size()));
  buffer.SetSelLength(static_cast<int>(body.size()));
  source.png = kDotPng;
  insertion.Run();
  // Chosen: one in a folder below the document's, one elsewhere.
  source.png.reset();
  files.files[(folder / "img/dot_2.png").string()] = kDotPng;
  files.files[(elsewhere / "dot.png").string()] = kDotPng;
  for (const fs::path& chosen : {folder / "img/dot_2.png", elsewhere / "dot.png"}) {
    buffer.SetSelText(S("次の図です。\r\n"));
    source.choice = chosen.string();
    insertion.Run();
  }
  EXPECT_TRUE(prompts.Take().size() == 1) << "only the clipboard picture's status";
  files.files[(folder / "doc.tex").string()] = buffer.Text();
  for (const auto& [path, bytes] : files.files) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string output;
  const int platex = RunIn(folder, "platex -kanji=sjis -interaction=nonstopmode -halt-on-error doc.tex", output);
  const int dvipdfmx = RunIn(folder, "dvipdfmx doc.dvi", output);
  EXPECT_EQ(platex, 0) << output << "\n--- document ---\n" << buffer.Text();
  EXPECT_EQ(dvipdfmx, 0) << output;
  EXPECT_GT(fs::exists(folder / "doc.pdf") ? fs::file_size(folder / "doc.pdf") : 0, 0u);
  // dvipdfmx names each picture it embeds; one it cannot find it warns about.
  EXPECT_EQ(output.find("warning"), std::string::npos) << output;
  if (!HasFailure()) {
    fs::remove_all(folder);
    fs::remove_all(elsewhere);
  }
}

}  // namespace zumoku::test
