// Digit sets: a run's decimal digits of the three families shown in one of them. Only what
// is shaped changes; the text keeps the digits as typed.
#pragma once

#include <cstdint>

namespace zvhost::compose {

// `c` as digit set `digitSet` shows it: 1 European 0-9, 2 Arabic-Indic U+0660-U+0669,
// 3 Extended Arabic-Indic U+06F0-U+06F9; any other set, or a character that is not one of
// these digits, as typed.
inline char32_t ShownDigit(char32_t c, int32_t digitSet) {
  static constexpr char32_t kZero[] = {U'0', U'\u0660', U'\u06F0'};
  if (digitSet < 1 || digitSet > 3) return c;
  for (char32_t zero : kZero) {
    if (c >= zero && c <= zero + 9) return kZero[digitSet - 1] + (c - zero);
  }
  return c;
}

}  // namespace zvhost::compose
