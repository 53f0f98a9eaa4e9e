// The bytes the program holds on the heap, counted by the benchmark's own operator new and
// delete: what a document costs, and the peak while it is opened.
#pragma once

#include <cstddef>

namespace zvbench {

size_t HeapInUse();
// The most held at once since the last ResetHeapPeak().
size_t HeapPeak();
void ResetHeapPeak();

}  // namespace zvbench
