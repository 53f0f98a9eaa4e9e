#include "Measured.h"

namespace zvbench {

void Measured(const std::function<void()> &work) {
  work();
}

}  // namespace zvbench
