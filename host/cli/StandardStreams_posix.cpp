#include "host/cli/StandardStreams.h"

namespace zvhost {

// POSIX streams never translate line endings.
void UseByteExactOutput() {}

}  // namespace zvhost
