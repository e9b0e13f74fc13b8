#include "pictures/figure_block.h"

#include <cctype>

#include "encoding/char_positions.h"
#include "markup/environment_text.h"

namespace zumoku::pictures {

namespace {
std::string LabelCommand(std::string_view label) { return "\\label{" + std::string(label) + "}"; }
}  // namespace

std::string FigureLabel(std::string_view texPath) {
  std::string_view name = texPath.substr(texPath.rfind('/') + 1);
  name = name.substr(0, name.rfind('.'));
  std::string label = "fig:";
  for (const char c : name) {
    const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
    label += plain ? c : '-';
  }
  return label;
}

std::string UniqueFigureLabel(std::string_view text, std::string_view texPath, Encoding encoding) {
  const std::string label = FigureLabel(texPath);
  std::string unique = label;
  for (int n = 2; CharPos(LabelCommand(unique), text, encoding) != 0; ++n) unique = label + "-" + std::to_string(n);
  return unique;
}

std::string FigureBlock(std::string_view texPath, std::string_view caption, std::string_view label) {
  std::string body = "  \\centering\r\n";
  body.append("  \\includegraphics[width=0.8\\linewidth]{").append(texPath).append("}\r\n");
  body.append("  \\caption{").append(caption).append("}\r\n");
  body.append("  ").append(LabelCommand(label));
  return EnvironmentText("figure", body, "[htbp]");
}

}  // namespace zumoku::pictures
