#pragma once
// A sequence of counts with running sums that stays fast under insertions
// and removals anywhere: the counts live in short chunks, and two Fenwick
// trees over the chunks give each chunk's first index and first sum, so a
// look-up costs a tree descent and a scan of one chunk.
#include <span>
#include <vector>

namespace zumoku {

class RunningSums {
 public:
  explicit RunningSums(int chunkSize = 64) : chunkSize_(chunkSize) {}

  int Size() const { return sizes_.Total(); }
  int Total() const { return sums_.Total(); }
  // The sum of the entries before `index` (0 <= index <= Size()).
  int SumBefore(int index) const;

  struct Located {
    int index;   // the entry that holds the sum
    int offset;  // how far into that entry
  };
  // The entry whose running sum first exceeds `sum`; a sum at or past the
  // total falls into the last entry. Needs at least one entry.
  Located Locate(int sum) const;

  // Replaces `count` entries from `first` by `values`.
  void Replace(int first, int count, std::span<const int> values);

 private:
  class Fenwick {
   public:
    void Assign(const std::vector<int>& values);
    void Add(int index, int delta);
    int Prefix(int count) const;
    int Total() const { return total_; }
    // The first index whose running sum exceeds `target`, which becomes the
    // offset into it; the number of values when none does.
    int Search(int& target) const;

   private:
    std::vector<int> tree_{0};  // 1-based
    int total_ = 0;
  };

  // The chunk holding entry `index` and the entry's place in it; an index
  // one past the end lands after the last entry of the last chunk.
  std::pair<int, int> ChunkOf(int index) const;
  // Splits the chunk when it has grown too long; true when it did.
  bool SplitIfLong(int chunk);
  void Reindex();

  int chunkSize_;
  std::vector<std::vector<int>> chunks_;
  Fenwick sizes_, sums_;
};

}  // namespace zumoku
