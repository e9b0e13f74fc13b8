#include "buffer/gap_bytes.h"

#include <algorithm>
#include <cstring>

namespace zumoku {

namespace {
// A fresh gap: enough for a long typing run, small beside a large document.
constexpr std::size_t kMinimumGap = 4096;
}  // namespace

void GapBytes::Assign(std::string bytes) {
  store_ = std::move(bytes);
  gapStart_ = gapEnd_ = store_.size();
}

void GapBytes::MoveGap(std::size_t at) {
  char* data = store_.data();
  if (at < gapStart_) {
    const std::size_t count = gapStart_ - at;
    std::memmove(data + gapEnd_ - count, data + at, count);
    gapStart_ -= count;
    gapEnd_ -= count;
  } else if (at > gapStart_) {
    const std::size_t count = at - gapStart_;
    std::memmove(data + gapStart_, data + gapEnd_, count);
    gapStart_ += count;
    gapEnd_ += count;
  }
}

void GapBytes::Reserve(std::size_t bytes) {
  if (GapSize() >= bytes) return;
  const std::size_t gap = std::max({bytes, kMinimumGap, Size() / 16});
  // A fresh string takes exactly the size asked, where growing the old one
  // could double it.
  std::string grown;
  grown.reserve(Size() + gap);
  grown.append(store_, 0, gapStart_);
  grown.resize(gapStart_ + gap);
  grown.append(store_, gapEnd_);
  store_ = std::move(grown);
  gapEnd_ = gapStart_ + gap;
}

void GapBytes::Replace(std::size_t at, std::size_t length, std::string_view bytes) {
  MoveGap(at);
  gapEnd_ += length;  // the removed bytes join the gap
  Reserve(bytes.size());
  std::memcpy(store_.data() + gapStart_, bytes.data(), bytes.size());
  gapStart_ += bytes.size();
}

GapBytes::Views GapBytes::Spans(std::size_t from, std::size_t to) const {
  const std::string_view all(store_);
  if (to <= gapStart_) return {all.substr(from, to - from), {}};
  if (from >= gapStart_) return {all.substr(from + GapSize(), to - from), {}};
  return {all.substr(from, gapStart_ - from), all.substr(gapEnd_, to - gapStart_)};
}

std::string GapBytes::Copy(std::size_t from, std::size_t to) const {
  const Views views = Spans(from, to);
  std::string bytes;
  bytes.reserve(views.size());
  return bytes.append(views.first).append(views.second);
}

std::string_view GapBytes::Contiguous(std::size_t from, std::size_t to) {
  if (from < gapStart_ && gapStart_ < to) MoveGap(gapStart_ - from < to - gapStart_ ? from : to);
  return Spans(from, to).first;
}

}  // namespace zumoku
