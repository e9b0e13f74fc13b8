#include "buffer/running_sums.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

namespace zumoku::test {

// Random replacements against a plain vector of counts. Small chunks make
// the edits split chunks, empty them and run across several at once.
TEST(RunningSums, AgreesWithAPlainVectorUnderRandomReplacements) {
  for (const int chunkSize : {1, 2, 5}) {
    std::mt19937 random(static_cast<unsigned>(chunkSize));
    RunningSums sums(chunkSize);
    std::vector<int> model;
    for (int step = 0; step < 1500; ++step) {
      const int size = static_cast<int>(model.size());
      const int first = std::uniform_int_distribution<int>(0, size)(random);
      const int count = std::uniform_int_distribution<int>(0, std::min(size - first, 8))(random);
      std::vector<int> values(std::uniform_int_distribution<std::size_t>(0, 8)(random));
      for (int& value : values) value = std::uniform_int_distribution<int>(0, 4)(random);
      sums.Replace(first, count, values);
      model.erase(model.begin() + first, model.begin() + first + count);
      model.insert(model.begin() + first, values.begin(), values.end());

      const std::string at = "chunk size " + std::to_string(chunkSize) + ", step " + std::to_string(step);
      ASSERT_EQ(sums.Size(), static_cast<int>(model.size())) << at;
      std::vector<int> before(model.size() + 1, 0);
      std::partial_sum(model.begin(), model.end(), before.begin() + 1);
      ASSERT_EQ(sums.Total(), before.back()) << at;
      for (int index = 0; index <= sums.Size(); ++index) ASSERT_EQ(sums.SumBefore(index), before[index]) << at;
      if (model.empty()) continue;
      // The first entry whose running sum exceeds the sum; past the total, the last.
      for (int sum = 0; sum <= before.back() + 2; ++sum) {
        int index = 0;
        while (index + 1 < static_cast<int>(model.size()) && before[index + 1] <= sum) ++index;
        const RunningSums::Located located = sums.Locate(sum);
        ASSERT_EQ(located.index, index) << at << ", sum " << sum;
        ASSERT_EQ(located.offset, sum - before[index]) << at << ", sum " << sum;
      }
    }
  }
}

}  // namespace zumoku::test
