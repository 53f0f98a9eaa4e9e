#include <unistd.h>

#include "host/cli/StandardStreams.h"

namespace zvhost {

// POSIX streams never translate line endings.
void UseByteExactOutput() {}

bool InputIsTerminal() {
  return ::isatty(STDIN_FILENO) == 1;
}

}  // namespace zvhost
