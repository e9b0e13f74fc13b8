#pragma once
// Which running program wrote a recovery file. A process id alone is reused
// by the system; with the process's start time and the boot it ran in, it
// names one run of one program.
#include <cstdint>
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

// True while the process `identity` names is still running.
bool IsRunning(const ProcessIdentity& identity);

}  // namespace zumoku
