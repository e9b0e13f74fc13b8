// A process counts as running until it has ended, whether or not its parent
// has collected it yet.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "recovery/process_identity.h"

namespace zumoku::test {

TEST(ProcessIdentity, RunningUntilKilledAZombieIsNot) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (;;) ::pause();
  }
  const auto identity = IdentityOf(child);
  ASSERT_TRUE(identity);
  EXPECT_TRUE(IsRunning(*identity));
  ProcessIdentity reused = *identity;
  reused.started += 1;
  EXPECT_FALSE(IsRunning(reused));

  ASSERT_EQ(::kill(child, SIGKILL), 0);
  siginfo_t info{};
  // Waits for the end but leaves the child a zombie.
  ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT), 0);
  EXPECT_FALSE(IsRunning(*identity)) << "zombie";
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  EXPECT_FALSE(IsRunning(*identity)) << "collected";
}

}  // namespace zumoku::test
