#pragma once
// Why a regular expression cannot be used, in Japanese, for the find bar.
#include <QRegularExpression>
#include <string>

namespace zumoku::search {

// UTF-8 text naming the fault and where in the pattern it was found.
std::string RegexErrorText(const QRegularExpression& expression);

}  // namespace zumoku::search
