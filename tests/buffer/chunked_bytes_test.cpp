// ChunkedBytes against a plain string under random edits, with chunks small
// enough that edits split, join and empty them; snapshots taken on the way
// keep the text they saw.
#include "buffer/chunked_bytes.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zumoku {
namespace {

class ChunkedBytesAgainstString : public testing::TestWithParam<std::size_t> {};

TEST_P(ChunkedBytesAgainstString, EveryReadAgreesAndSnapshotsStayAsTaken) {
  std::mt19937 random(static_cast<unsigned>(GetParam()));
  ChunkedBytes bytes(GetParam());
  std::string model = "the loaded file\r\nwith two lines";
  bytes.Assign(model);
  std::vector<std::pair<ChunkedBytes::Snapshot, std::string>> snapshots;
  for (int step = 0; step < 2000; ++step) {
    const std::size_t at = random() % (model.size() + 1);
    const std::size_t length = random() % (std::min<std::size_t>(model.size() - at, 40) + 1);
    const std::string inserted(random() % 3 == 0 ? random() % 300 : random() % 4, static_cast<char>('a' + step % 26));
    bytes.Replace(at, length, inserted);
    model.replace(at, length, inserted);
    ASSERT_EQ(bytes.Size(), model.size()) << "step " << step;
    const std::size_t from = random() % (model.size() + 1), to = from + random() % (model.size() - from + 1);
    ASSERT_EQ(bytes.Copy(from, to), model.substr(from, to - from)) << "step " << step;
    if (step % 7 == 0) {
      ASSERT_EQ(bytes.Contiguous(from, to), model.substr(from, to - from)) << "step " << step;
    }
    if (step % 100 == 0) snapshots.emplace_back(bytes.Share(), model);
  }
  EXPECT_EQ(bytes.Copy(0, bytes.Size()), model);
  for (const auto& [snapshot, text] : snapshots) EXPECT_EQ(snapshot.Joined(), text);
}

INSTANTIATE_TEST_SUITE_P(ChunkSizes, ChunkedBytesAgainstString, testing::Values(1, 3, 16, 64 << 10));

}  // namespace
}  // namespace zumoku
