#include "markup/environment_text.h"

namespace zumoku {

std::string EnvironmentText(std::string_view name, std::string_view body, std::string_view options) {
  std::string text;
  text.reserve(body.size() + 2 * name.size() + options.size() + 16);
  text.append("\\begin{").append(name).append("}").append(options).append("\r\n");
  text.append(body);
  text.append("\r\n\\end{").append(name).append("}");
  return text;
}

}  // namespace zumoku
