#include "version_check/socket_error_text.h"

#include <string.h>

namespace zumoku::about {

std::string SocketErrorText(int error) {
  // The untranslated description: the text must not follow the user's locale.
  const char* description = strerrordesc_np(error);
  if (description == nullptr) return "Unknown Error No. " + std::to_string(error);
  return std::to_string(error) + ":" + description;
}

}  // namespace zumoku::about
