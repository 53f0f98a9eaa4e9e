// Runs tasks 0..count-1 on up to `jobs` threads; each task writes only its own result.
#pragma once

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace zvhost {

template <typename Task>
void RunSideBySide(size_t count, unsigned jobs, Task task) {
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t index = next++; index < count; index = next++) task(index);
  };
  std::vector<std::thread> threads;
  for (unsigned i = 1; i < jobs && i < count; ++i) threads.emplace_back(worker);
  worker();
  for (std::thread &thread : threads) thread.join();
}

}  // namespace zvhost
