#pragma once
// The status line and header lines of a reply, read as its bytes arrive.
#include <string>
#include <string_view>

namespace zumoku::about {

class ReplyHead {
 public:
  // Takes the next bytes of the reply and returns those that lie past the
  // head's end (none while the head lasts, all of them once it has ended).
  std::string_view Take(std::string_view bytes);

  // The head ends at the first line after the status line that is empty
  // (only LF or CR LF).
  bool Ended() const { return ended_; }
  std::size_t Size() const { return head_.size(); }
  // The second blank-separated field of the status line; 0 when it is not a number.
  int StatusCode() const;
  // The value of the "Location:" header line, empty when there is none.
  std::string Location() const;

 private:
  std::string head_;
  std::size_t lineStart_ = 0;
  bool ended_ = false;
};

}  // namespace zumoku::about
