// Where Arabic typography lets the joining stroke between two letters be elongated (a
// kashida), and the classical priority of each place in Naskh calligraphy.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zvhost::compose {

struct KashidaPlace {
  uint32_t after = 0;    // index in the text of the letter the elongation follows
  uint8_t priority = 0;  // 1 is the highest; a larger number a lower priority
};

// Every place in `text` (one paragraph's code points, as typed) where an elongation may go:
// between two joined Arabic letters and nowhere the rules forbid. In text order.
std::vector<KashidaPlace> KashidaPlaces(std::u32string_view text);

// The places the Naskh order chooses: at most one a word, the word's place of highest
// priority. In text order.
std::vector<KashidaPlace> NaskhKashidaPlaces(std::u32string_view text);

}  // namespace zvhost::compose
