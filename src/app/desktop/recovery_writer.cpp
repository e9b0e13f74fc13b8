#include "app/desktop/recovery_writer.h"

namespace zumoku {

RecoveryWriter::RecoveryWriter(std::function<void(bool)> done) : done_(std::move(done)), thread_([this] { Run(); }) {}

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
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return stopping_ || waiting_; });
    if (!waiting_) return;  // stopping, nothing left
    Job job = std::move(*waiting_);
    waiting_.reset();
    writing_ = true;
    lock.unlock();
    const bool written = job();
    lock.lock();
    writing_ = false;
    changed_.notify_all();
    lock.unlock();
    done_(written);
    lock.lock();
  }
}

}  // namespace zumoku
