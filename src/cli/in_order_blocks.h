#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace corvane {

// Makes blocks 0 to count - 1 with produce(index, block) on two threads, the
// calling one and one of its own, and hands each to consume(block) on the
// calling thread in the order of the blocks, as soon as it and those before
// it are made; consume returns false to stop. A few blocks at most are made
// ahead of the one consumed, so their memory is bounded; each is reused.
// Neither thread waits for the other while there is a block to make.
template <class Block, class Produce, class Consume>
void produceInOrder(std::int64_t count, Produce&& produce, Consume&& consume) {
  if (count <= 1) {
    Block block;
    for (std::int64_t index = 0; index < count; ++index) {
      produce(index, block);
      if (!consume(block)) return;
    }
    return;
  }
  constexpr std::int64_t kAhead = 4;
  std::array<Block, kAhead> blocks;
  std::array<bool, kAhead> made{};
  std::mutex mutex;
  std::condition_variable changed;
  std::int64_t next = 0;      // the first block that no thread has taken
  std::int64_t consumed = 0;  // the first block not yet consumed
  bool stopped = false;
  // Takes the next block and makes it; false when none may be taken now.
  const auto makeOne = [&](std::unique_lock<std::mutex>& lock) {
    if (stopped || next == count || next - consumed == kAhead) return false;
    const std::int64_t index = next++;
    lock.unlock();
    produce(index, blocks[index % kAhead]);
    lock.lock();
    made[index % kAhead] = true;
    changed.notify_all();
    return true;
  };
  std::thread helper{[&] {
    std::unique_lock lock{mutex};
    while (!stopped && next < count) {
      if (!makeOne(lock)) changed.wait(lock);
    }
  }};
  {
    std::unique_lock lock{mutex};
    while (consumed < count && !stopped) {
      const std::size_t slot = consumed % kAhead;
      if (made[slot]) {
        lock.unlock();
        const bool goOn = consume(blocks[slot]);
        lock.lock();
        made[slot] = false;
        ++consumed;
        stopped = !goOn;
        changed.notify_all();
      } else if (!makeOne(lock)) {
        changed.wait(lock);
      }
    }
    stopped = true;
  }
  changed.notify_all();
  helper.join();
}

}  // namespace corvane
