// The error message list among the module's string resources: a note at index 0, then
// pairs of a code text (odd index) and its message (the even index after it). The last
// pair's message also stands for every code that no pair names.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "HostTypes.h"

inline constexpr int32_t kErrorMessageListID = 16050;
// The list never holds more entries than this; a search stops here even if the list does
// not end with an empty entry.
inline constexpr int32_t kErrorMessageListMaxEntries = 64;

// Copies entry `index` of the list into `buffer`, NUL-terminated; an entry past the list's
// end reads as the empty text.
using ReadListEntry = std::function<void(int32_t index, std::span<char> buffer)>;

// The index of the message for `code`: that of the pair whose code text names it, or else
// that of the last message in the list.
int32_t FindErrorMessageIndex(HostErr code, const ReadListEntry &read);
