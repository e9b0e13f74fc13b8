#include "buffer/chunked_bytes.h"

#include <algorithm>
#include <atomic>

namespace zumoku {

namespace {
// Room for a typing run in a chunk copied to be edited.
constexpr std::size_t kEditRoom = 4096;

std::string Join(const std::vector<std::string_view>& parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string joined;
  joined.reserve(size);
  for (const std::string_view part : parts) joined.append(part);
  return joined;
}
}  // namespace

std::size_t ChunkedBytes::Views::size() const {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  return size;
}

std::string ChunkedBytes::Views::Joined() const { return Join(parts); }

ChunkedBytes::Snapshot ChunkedBytes::Snapshot::Of(std::string bytes) {
  Snapshot snapshot;
  snapshot.blocks_.push_back(std::make_shared<const std::string>(std::move(bytes)));
  snapshot.parts_.push_back(*snapshot.blocks_.front());
  return snapshot;
}

std::size_t ChunkedBytes::Snapshot::Size() const { return Spans().size(); }

std::string ChunkedBytes::Snapshot::Joined() const { return Join(parts_); }

ChunkedBytes::Views ChunkedBytes::Snapshot::Spans() const { return {parts_}; }

ChunkedBytes::ChunkedBytes(std::size_t chunkBytes) : chunkBytes_(std::max<std::size_t>(chunkBytes, 1)) { Assign({}); }

void ChunkedBytes::Assign(std::string bytes) {
  chunks_.clear();
  sizes_ = RunningSums();
  Splice(0, 0, Chunked(std::move(bytes)));
}

std::vector<ChunkedBytes::Chunk> ChunkedBytes::Chunked(std::string bytes) const {
  const auto block = std::make_shared<std::string>(std::move(bytes));
  std::vector<Chunk> chunks;
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(chunkBytes_, block->size() - offset);
    chunks.push_back({block, offset, length});
    offset += length;
  } while (offset < block->size());
  return chunks;
}

std::pair<std::size_t, std::size_t> ChunkedBytes::Locate(std::size_t at) const {
  const int index = sizes_.Locate(static_cast<int>(at)).index;
  return {static_cast<std::size_t>(index), at - static_cast<std::size_t>(sizes_.SumBefore(index))};
}

std::string& ChunkedBytes::Own(std::size_t index) {
  Chunk& chunk = chunks_[index];
  const bool alone = chunk.block.use_count() == 1;
  // What a snapshot on another thread read before letting go of the block
  // happens before it is written here.
  std::atomic_thread_fence(std::memory_order_acquire);
  if (!alone || chunk.offset != 0 || chunk.length != chunk.block->size()) {
    auto copy = std::make_shared<std::string>();
    copy->reserve(chunk.length + kEditRoom);
    copy->append(chunk.View());
    chunk = {std::move(copy), 0, chunk.length};
  }
  return *chunk.block;
}

void ChunkedBytes::Splice(std::size_t first, std::size_t count, std::vector<Chunk> chunks) {
  std::vector<int> lengths;
  for (const Chunk& chunk : chunks) lengths.push_back(static_cast<int>(chunk.length));
  const auto at = chunks_.begin() + static_cast<std::ptrdiff_t>(first);
  chunks_.erase(at, at + static_cast<std::ptrdiff_t>(count));
  chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(chunks.begin()),
                 std::make_move_iterator(chunks.end()));
  sizes_.Replace(static_cast<int>(first), static_cast<int>(count), lengths);
}

void ChunkedBytes::Erase(std::size_t at, std::size_t length) {
  while (length > 0) {
    const auto [index, offset] = Locate(at);
    Chunk& chunk = chunks_[index];
    const std::size_t taken = std::min(length, chunk.length - offset);
    if (offset == 0 || offset + taken == chunk.length) {
      // A chunk's head or tail goes by narrowing its range: no byte moves.
      if (offset == 0) chunk.offset += taken;
    } else {
      Own(index).erase(offset, taken);
    }
    chunks_[index].length -= taken;
    length -= taken;
    if (chunks_[index].length == 0 && chunks_.size() > 1) {
      Splice(index, 1, {});
    } else {
      const int size = static_cast<int>(chunks_[index].length);
      sizes_.Replace(static_cast<int>(index), 1, {&size, 1});
    }
  }
}

void ChunkedBytes::Insert(std::size_t at, std::string_view bytes) {
  if (bytes.empty()) return;
  const auto [index, offset] = Locate(at);
  const Chunk& chunk = chunks_[index];
  if (chunk.length + bytes.size() <= 2 * chunkBytes_) {
    Own(index).insert(offset, bytes);
    chunks_[index].length += bytes.size();
    const int size = static_cast<int>(chunks_[index].length);
    sizes_.Replace(static_cast<int>(index), 1, {&size, 1});
    return;
  }
  const std::string_view old = chunk.View();
  std::string joined;
  joined.reserve(old.size() + bytes.size());
  joined.append(old.substr(0, offset)).append(bytes).append(old.substr(offset));
  Splice(index, 1, Chunked(std::move(joined)));
}

void ChunkedBytes::Replace(std::size_t at, std::size_t length, std::string_view bytes) {
  Erase(at, length);
  Insert(at, bytes);
}

ChunkedBytes::Views ChunkedBytes::Spans(std::size_t from, std::size_t to) const {
  Views views;
  if (from >= to) return views;
  auto [index, offset] = Locate(from);
  for (std::size_t left = to - from; left > 0 && index < chunks_.size(); ++index, offset = 0) {
    const std::string_view part = chunks_[index].View().substr(offset, left);
    if (!part.empty()) views.parts.push_back(part);
    left -= part.size();
  }
  return views;
}

std::string_view ChunkedBytes::Contiguous(std::size_t from, std::size_t to) {
  if (from >= to) return {};
  const auto [first, offset] = Locate(from);
  if (offset + (to - from) > chunks_[first].length) {
    const std::size_t last = Locate(to - 1).first;
    std::vector<std::string_view> parts;
    for (std::size_t index = first; index <= last; ++index) parts.push_back(chunks_[index].View());
    std::string joined = Join(parts);
    const std::size_t length = joined.size();
    Splice(first, last - first + 1, {{std::make_shared<std::string>(std::move(joined)), 0, length}});
  }
  return chunks_[first].View().substr(offset, to - from);
}

ChunkedBytes::Snapshot ChunkedBytes::Share() const {
  Snapshot snapshot;
  for (const Chunk& chunk : chunks_) {
    snapshot.blocks_.push_back(chunk.block);
    if (chunk.length > 0) snapshot.parts_.push_back(chunk.View());
  }
  return snapshot;
}

}  // namespace zumoku
