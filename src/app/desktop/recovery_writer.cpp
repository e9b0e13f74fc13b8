#include "app/desktop/recovery_writer.h"

#include <sys/resource.h>
#include <unistd.h>

namespace zumoku {

namespace {
constexpr int kNiceness = 10;
}  // namespace

RecoveryWriter::RecoveryWriter(std::function<void(std::error_code)> done)
    : done_(std::move(done)), thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    waiting_.reset();
  }
  changed_.notify_all();
  thread_.join();
}

void RecoveryWriter::Post(Job job) {
  {
    const std::lock_guard lock(mutex_);
    waiting_ = std::move(job);
  }
  changed_.notify_all();
}

void RecoveryWriter::Cancel() {
  std::unique_lock lock(mutex_);
  waiting_.reset();
  changed_.wait(lock, [this] { return !writing_; });
}

void RecoveryWriter::Run() {
  // Below the window's thread: on a busy machine typing gets the core first.
  // On Linux the niceness is the thread's own.
  (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kNiceness);
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return stopping_ || waiting_; });
    if (!waiting_) return;  // stopping, nothing left
    Job job = std::move(*waiting_);
    waiting_.reset();
    writing_ = true;
    lock.unlock();
    const std::error_code error = job();
    lock.lock();
    writing_ = false;
    changed_.notify_all();
    lock.unlock();
    done_(error);
    lock.lock();
  }
}

}  // namespace zumoku
