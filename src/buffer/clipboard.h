#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zumoku {

// Plain-text clipboard in document bytes (Shift_JIS, CR LF).
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::optional<std::string> Text() const = 0;  // nullopt: no text
  virtual void SetText(std::string_view bytes) = 0;
};

// A clipboard of its own, for buffers that live without a window system.
class MemoryClipboard : public Clipboard {
 public:
  std::optional<std::string> Text() const override { return text_; }
  void SetText(std::string_view bytes) override { text_ = std::string(bytes); }

 private:
  std::optional<std::string> text_;
};

}  // namespace zumoku
