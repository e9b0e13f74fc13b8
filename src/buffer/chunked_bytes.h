#pragma once
// The document's bytes in chunks of a few dozen KiB, each a range of a
// shared block: a loaded file stays the one block its chunks point into,
// and an edit copies only the chunk it changes. So an edit anywhere, even in
// a gigabyte, moves at most one chunk's bytes, and a snapshot of the whole
// text is a list of chunks that later edits leave alone: a worker thread can
// write it while the user types on.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "buffer/running_sums.h"

namespace zumoku {

class ChunkedBytes {
 public:
  // The bytes of a range, in order, one view per chunk it reaches into;
  // valid until the next edit.
  struct Views {
    std::vector<std::string_view> parts;
    std::size_t size() const;
    std::string Joined() const;
  };

  // The whole text at one moment, sharing the chunks: later edits copy the
  // chunk they change instead of writing into it, so it may be read on
  // another thread.
  class Snapshot {
   public:
    // A snapshot that owns `bytes` alone.
    static Snapshot Of(std::string bytes);
    std::size_t Size() const;
    std::string Joined() const;
    Views Spans() const;

   private:
    friend class ChunkedBytes;
    std::vector<std::shared_ptr<const std::string>> blocks_;
    std::vector<std::string_view> parts_;
  };

  // `chunkBytes` is the chunk size aimed at; small only in tests.
  explicit ChunkedBytes(std::size_t chunkBytes = std::size_t{64} << 10);

  std::size_t Size() const { return static_cast<std::size_t>(sizes_.Total()); }
  // Takes the bytes over without copying them.
  void Assign(std::string bytes);
  void Replace(std::size_t at, std::size_t length, std::string_view bytes);

  Views Spans(std::size_t from, std::size_t to) const;
  std::string Copy(std::size_t from, std::size_t to) const { return Spans(from, to).Joined(); }
  // The range as one view, joining the chunks it runs across into one.
  std::string_view Contiguous(std::size_t from, std::size_t to);
  Snapshot Share() const;

 private:
  struct Chunk {
    std::shared_ptr<std::string> block;
    std::size_t offset = 0, length = 0;
    std::string_view View() const { return std::string_view(*block).substr(offset, length); }
  };

  // The chunk holding byte `at` and how far into it; the text's end is the
  // end of the last chunk.
  std::pair<std::size_t, std::size_t> Locate(std::size_t at) const;
  // The chunk's bytes as a block of its own that no snapshot shares.
  std::string& Own(std::size_t index);
  // Puts `chunks` in place of `count` chunks from `first`.
  void Splice(std::size_t first, std::size_t count, std::vector<Chunk> chunks);
  void Erase(std::size_t at, std::size_t length);
  void Insert(std::size_t at, std::string_view bytes);
  // `bytes` as chunks of the aimed size over one shared block.
  std::vector<Chunk> Chunked(std::string bytes) const;

  std::size_t chunkBytes_;
  std::vector<Chunk> chunks_;  // never empty: an empty text is one empty chunk
  RunningSums sizes_;          // each chunk's length
};

}  // namespace zumoku
