#pragma once
// One worker thread that writes recovery files, so that writing a large
// document never holds up typing. At most one write waits: a newer one
// replaces it, since only the latest text matters.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace zumoku {

class RecoveryWriter {
 public:
  using Job = std::function<std::error_code()>;  // why it was not written, empty when it was

  // `done` gets each job's result, on the worker thread.
  explicit RecoveryWriter(std::function<void(std::error_code)> done);
  // Finishes a write under way; one still waiting is dropped.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void Post(Job job);
  // Drops a waiting write and waits for one under way, so that what comes
  // next (removing the file) is not undone by it.
  void Cancel();

 private:
  void Run();

  std::function<void(std::error_code)> done_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::optional<Job> waiting_;
  bool writing_ = false;
  bool stopping_ = false;
  std::thread thread_;  // last: starts once the rest is ready
};

}  // namespace zumoku
