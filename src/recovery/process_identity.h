#pragma once
// Which running program wrote a recovery file. A process id alone is reused
// by the system; with the process's start time and the boot it ran in, it
// names one run of one program.
#include <cstdint>
#include <optional>
#include <string>

namespace zumoku {

struct ProcessIdentity {
  int pid = 0;
  std::uint64_t started = 0;  // clock ticks after boot
  std::string boot;           // the system's boot id

  bool operator==(const ProcessIdentity&) const = default;
};

// The identity of the process that calls it.
ProcessIdentity ThisProcess();
// The identity of process `pid`; nullopt when there is none.
std::optional<ProcessIdentity> IdentityOf(int pid);

// True while the process `identity` names is still running: a process that
// has ended but whose parent has not collected it yet (a zombie) is not.
bool IsRunning(const ProcessIdentity& identity);

}  // namespace zumoku
