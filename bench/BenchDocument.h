// The benchmarks' document: one story of Arabic letters and digits in runs of ten
// characters, a thousand runs a paragraph, every run differing from its neighbours.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zvbench {

inline constexpr int kRunsPerParagraph = 1000;
inline constexpr int kRunLength = 10;

// The attributes the file gives run `run`, in the engine's order: dirOverride, digitSet,
// diacVPos, diacXOffset, diacYOffset, kashidas. Neighbouring runs differ in their digit set.
std::array<int32_t, 6> RunAttributes(int run);

// The path of the document file of `runs` runs (a multiple of kRunsPerParagraph), written
// once per process into the temporary folder.
const std::string &DocumentFile(int runs);

}  // namespace zvbench
