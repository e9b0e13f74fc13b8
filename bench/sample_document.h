#pragma once
// A large Shift_JIS document of mixed Japanese prose and LaTeX markup, with
// CR LF line ends, built the same way on every run.
#include <cstddef>
#include <string>

namespace zumoku::bench {

std::string SampleDocument(std::size_t bytes);

}  // namespace zumoku::bench
