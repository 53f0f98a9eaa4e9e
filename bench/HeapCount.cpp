#include "HeapCount.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> gInUse{0};
std::atomic<size_t> gPeak{0};

// Each block starts with its size, kept in a header as wide as the strictest alignment.
constexpr size_t kHeader = alignof(std::max_align_t);

void *Allocate(size_t size) {
  void *block = std::malloc(size + kHeader);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<size_t *>(block) = size;
  const size_t now = gInUse.fetch_add(size) + size;
  size_t peak = gPeak.load();
  while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
  }
  return static_cast<char *>(block) + kHeader;
}

void Free(void *pointer) {
  if (pointer == nullptr) return;
  void *block = static_cast<char *>(pointer) - kHeader;
  gInUse.fetch_sub(*static_cast<size_t *>(block));
  std::free(block);
}

}  // namespace

void *operator new(size_t size) {
  return Allocate(size);
}
void *operator new[](size_t size) {
  return Allocate(size);
}
void operator delete(void *pointer) noexcept {
  Free(pointer);
}
void operator delete[](void *pointer) noexcept {
  Free(pointer);
}
void operator delete(void *pointer, size_t) noexcept {
  Free(pointer);
}
void operator delete[](void *pointer, size_t) noexcept {
  Free(pointer);
}

namespace zvbench {

size_t HeapInUse() {
  return gInUse.load();
}
size_t HeapPeak() {
  return gPeak.load();
}
void ResetHeapPeak() {
  gPeak.store(gInUse.load());
}

}  // namespace zvbench
