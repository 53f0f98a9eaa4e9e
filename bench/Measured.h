// The one function that scripts/bench-instructions.sh counts the instructions of, in a file
// of its own so that no caller inlines it.
#pragma once

#include <functional>

namespace zvbench {

void Measured(const std::function<void()> &work);

}  // namespace zvbench
