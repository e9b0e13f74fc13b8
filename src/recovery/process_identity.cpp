#include "recovery/process_identity.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace zumoku {

namespace {
std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string BootId() {
  std::string id = ReadWhole("/proc/sys/kernel/random/boot_id");
  while (!id.empty() && id.back() == '\n') id.pop_back();
  return id;
}

// Field 22 of /proc/<pid>/stat. The command name (field 2) is in parentheses
// and may itself hold blanks and parentheses, so counting starts after the
// last ')'.
std::optional<std::uint64_t> StartTicks(int pid) {
  const std::string stat = ReadWhole("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(nameEnd + 1));
  std::string field;
  for (int index = 3; index < 22; ++index) fields >> field;
  std::uint64_t ticks = 0;
  if (!(fields >> ticks)) return std::nullopt;
  return ticks;
}
}  // namespace

ProcessIdentity ThisProcess() {
  const int pid = static_cast<int>(::getpid());
  return {.pid = pid, .started = StartTicks(pid).value_or(0), .boot = BootId()};
}

bool IsRunning(const ProcessIdentity& identity) {
  return identity.pid > 0 && identity.boot == BootId() && StartTicks(identity.pid) == identity.started;
}

}  // namespace zumoku
