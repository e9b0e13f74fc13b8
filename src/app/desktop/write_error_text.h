#pragma once
// Why a file could not be written, in the user's words.
#include <QString>
#include <system_error>

namespace zumoku {

QString WriteErrorText(std::error_code error);

}  // namespace zumoku
