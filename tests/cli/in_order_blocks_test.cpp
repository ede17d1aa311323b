// Blocks made on two threads and consumed in their order, as a long range is
// printed; the same blocks as one thread makes, and a stop that ends both.
#include "cli/in_order_blocks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace corvane {
namespace {

// Each block holds its number and the thread that made it. The blocks of
// 0, 1 and 2 are made on the calling thread alone; more on two.
TEST(InOrderBlocks, ConsumedInTheirOrderWhateverThreadMadeThem) {
  for (const std::int64_t count : {0, 1, 2, 3, 4, 5, 64, 1000}) {
    SCOPED_TRACE(count);
    std::vector<std::int64_t> consumed;
    std::size_t madeElsewhere = 0;
    const std::thread::id caller = std::this_thread::get_id();
    struct Block {
      std::int64_t index = -1;
      std::thread::id maker;
      std::string filler;  // a block carries its storage from one use to the next
    };
    produceInOrder<Block>(
        count,
        [](std::int64_t index, Block& block) {
          block.index = index;
          block.maker = std::this_thread::get_id();
          block.filler.assign(static_cast<std::size_t>(index % 7) * 1000, 'x');
        },
        [&](Block& block) {
          consumed.push_back(block.index);
          EXPECT_EQ(block.filler.size(), static_cast<std::size_t>(block.index % 7) * 1000);
          if (block.maker != caller) ++madeElsewhere;
          return true;
        });
    std::vector<std::int64_t> expected(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<std::int64_t>(i);
    EXPECT_EQ(consumed, expected);
    if (count <= 1) {
      EXPECT_EQ(madeElsewhere, 0U);
    }
  }
}

// A consumer that stops (standard output failed) ends the work: nothing more
// is consumed, no block beyond the few made ahead is made, and both threads end.
TEST(InOrderBlocks, AStopEndsBothThreads) {
  for (const std::int64_t stopAfter : {1, 2, 5}) {
    SCOPED_TRACE(stopAfter);
    std::atomic<std::int64_t> made = 0;
    std::int64_t consumed = 0;
    produceInOrder<std::int64_t>(
        1'000'000,
        [&](std::int64_t index, std::int64_t& block) {
          block = index;
          ++made;
        },
        [&](std::int64_t& block) {
          EXPECT_EQ(block, consumed);
          return ++consumed < stopAfter;
        });
    EXPECT_EQ(consumed, stopAfter);
    EXPECT_LE(made.load(), stopAfter + 4);
  }
}

}  // namespace
}  // namespace corvane
