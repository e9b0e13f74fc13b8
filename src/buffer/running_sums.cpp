#include "buffer/running_sums.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace zumoku {

void RunningSums::Fenwick::Assign(const std::vector<int>& values) {
  const int n = static_cast<int>(values.size());
  tree_.assign(n + 1, 0);
  std::copy(values.begin(), values.end(), tree_.begin() + 1);
  for (int i = 1; i <= n; ++i) {
    const int parent = i + (i & -i);
    if (parent <= n) tree_[parent] += tree_[i];
  }
  total_ = std::accumulate(values.begin(), values.end(), 0);
}

void RunningSums::Fenwick::Add(int index, int delta) {
  for (int i = index + 1; i < static_cast<int>(tree_.size()); i += i & -i) tree_[i] += delta;
  total_ += delta;
}

int RunningSums::Fenwick::Prefix(int count) const {
  int sum = 0;
  for (int i = count; i > 0; i -= i & -i) sum += tree_[i];
  return sum;
}

int RunningSums::Fenwick::Search(int& target) const {
  const int n = static_cast<int>(tree_.size()) - 1;
  int index = 0;
  for (int step = static_cast<int>(std::bit_floor(static_cast<unsigned>(n))); step > 0; step >>= 1) {
    if (index + step <= n && tree_[index + step] <= target) {
      index += step;
      target -= tree_[index];
    }
  }
  return index;
}

std::pair<int, int> RunningSums::ChunkOf(int index) const {
  int offset = index;
  const int chunk = sizes_.Search(offset);
  if (chunk < static_cast<int>(chunks_.size())) return {chunk, offset};
  return {chunk - 1, static_cast<int>(chunks_.back().size())};
}

int RunningSums::SumBefore(int index) const {
  if (chunks_.empty()) return 0;
  const auto [chunk, at] = ChunkOf(index);
  const auto& values = chunks_[chunk];
  return sums_.Prefix(chunk) + std::accumulate(values.begin(), values.begin() + at, 0);
}

RunningSums::Located RunningSums::Locate(int sum) const {
  int target = sum;
  const int chunk = sums_.Search(target);
  if (chunk == static_cast<int>(chunks_.size())) {
    const int last = Size() - 1;
    return {last, sum - SumBefore(last)};
  }
  int index = sizes_.Prefix(chunk);
  for (const int value : chunks_[chunk]) {
    if (target < value) break;
    target -= value;
    ++index;
  }
  return {index, target};
}

void RunningSums::Replace(int first, int count, std::span<const int> values) {
  bool reshaped = chunks_.empty();
  if (reshaped) chunks_.emplace_back();
  const auto [chunk, at] = ChunkOf(first);
  auto& home = chunks_[chunk];
  const int oldSize = static_cast<int>(home.size());
  const int oldSum = std::accumulate(home.begin(), home.end(), 0);

  // A removal may run on into the chunks after the first: [chunk, end).
  int left = count;
  int end = chunk;
  for (int from = at; left > 0 && end < static_cast<int>(chunks_.size()); ++end, from = 0) {
    auto& entries = chunks_[end];
    const int take = std::min(left, static_cast<int>(entries.size()) - from);
    entries.erase(entries.begin() + from, entries.begin() + from + take);
    left -= take;
  }
  reshaped |= end > chunk + 1;
  home.insert(home.begin() + at, values.begin(), values.end());
  const int newSize = static_cast<int>(home.size());
  const int newSum = std::accumulate(home.begin(), home.end(), 0);

  // Only the chunks the change touched can have become empty.
  const auto touchedEnd = chunks_.begin() + std::max(end, chunk + 1);
  const auto kept =
      std::remove_if(chunks_.begin() + chunk + 1, touchedEnd, [](const std::vector<int>& c) { return c.empty(); });
  chunks_.erase(kept, touchedEnd);
  if (newSize == 0) {
    chunks_.erase(chunks_.begin() + chunk);
    reshaped = true;
  } else {
    reshaped |= SplitIfLong(chunk);
  }
  if (reshaped) {
    Reindex();
  } else {
    sizes_.Add(chunk, newSize - oldSize);
    sums_.Add(chunk, newSum - oldSum);
  }
}

bool RunningSums::SplitIfLong(int chunk) {
  if (static_cast<int>(chunks_[chunk].size()) <= 2 * chunkSize_) return false;
  const std::vector<int> long_ = std::move(chunks_[chunk]);
  std::vector<std::vector<int>> pieces;
  for (auto from = long_.begin(); from != long_.end();) {
    const auto to = from + std::min<std::ptrdiff_t>(chunkSize_, long_.end() - from);
    pieces.emplace_back(from, to);
    from = to;
  }
  chunks_.erase(chunks_.begin() + chunk);
  chunks_.insert(chunks_.begin() + chunk, std::make_move_iterator(pieces.begin()),
                 std::make_move_iterator(pieces.end()));
  return true;
}

void RunningSums::Reindex() {
  std::vector<int> sizes, sums;
  sizes.reserve(chunks_.size());
  sums.reserve(chunks_.size());
  for (const auto& values : chunks_) {
    sizes.push_back(static_cast<int>(values.size()));
    sums.push_back(std::accumulate(values.begin(), values.end(), 0));
  }
  sizes_.Assign(sizes);
  sums_.Assign(sums);
}

}  // namespace zumoku
