// Whole numbers typed as script arguments.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace zvhost {

// The number `word` spells, named `what` in the message of the UsageError thrown when it
// spells none ("select text: FROM: '1.5' is not a whole number") or one outside [low, high]
// ("select text: TO: 99999999999 is out of range").
int64_t WholeNumber(const std::string &word, const std::string &what,
                    int64_t low = std::numeric_limits<int64_t>::min(),
                    int64_t high = std::numeric_limits<int64_t>::max());

}  // namespace zvhost
