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

struct ProcessState {
  char state = 0;                // field 3
  std::uint64_t startTicks = 0;  // field 22: clock ticks after boot
};

// From /proc/<pid>/stat. The command name (field 2) is in parentheses and
// may itself hold blanks and parentheses, so counting starts after the last
// ')'.
std::optional<ProcessState> StateOf(int pid) {
  const std::string stat = ReadWhole("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(nameEnd + 1));
  ProcessState process;
  std::string field;
  fields >> process.state;
  for (int index = 4; index < 22; ++index) fields >> field;
  if (!(fields >> process.startTicks)) return std::nullopt;
  return process;
}

// A zombie (Z) or a dying process (X) has ended; only its parent has not
// collected its exit status yet.
bool HasEnded(char state) { return state == 'Z' || state == 'X'; }
}  // namespace

std::optional<ProcessIdentity> IdentityOf(int pid) {
  const auto process = StateOf(pid);
  if (!process) return std::nullopt;
  return ProcessIdentity{.pid = pid, .started = process->startTicks, .boot = BootId()};
}

ProcessIdentity ThisProcess() {
  const int pid = static_cast<int>(::getpid());
  return IdentityOf(pid).value_or(ProcessIdentity{.pid = pid, .boot = BootId()});
}

bool IsRunning(const ProcessIdentity& identity) {
  if (identity.pid <= 0 || identity.boot != BootId()) return false;
  const auto process = StateOf(identity.pid);
  return process && process->startTicks == identity.started && !HasEnded(process->state);
}

}  // namespace zumoku
