#include "peak_memory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace zumoku::bench {

namespace {
std::size_t StatusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string name;
  std::size_t kilobytes = 0;
  while (status >> name) {
    if (name == field + ":") {
      status >> kilobytes;
      return kilobytes;
    }
  }
  return 0;
}
}  // namespace

PeakMemory::PeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to the current VmRSS
  start_ = StatusKilobytes("VmRSS") * 1024;
}

std::size_t PeakMemory::Peak() const { return StatusKilobytes("VmHWM") * 1024 - start_; }

}  // namespace zumoku::bench
