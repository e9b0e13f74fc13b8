#pragma once
// The two rules that bring line ends to the stored form CR LF.
#include <string>
#include <string_view>

namespace zumoku {

// Text written by commands or pasted: CR CR LF, CR LF, a lone CR and a lone LF
// each make one line end. (List commands join lines that already end in CR
// with CR LF, and each such ending must stay one line end.)
std::string NormalizeInsertedLineEnds(std::string_view s);

// Text read from a file: CR LF, a CR not followed by LF and an LF not preceded
// by CR each make one line end, so CR CR LF is two.
std::string NormalizeLoadedLineEnds(std::string_view s);

}  // namespace zumoku
