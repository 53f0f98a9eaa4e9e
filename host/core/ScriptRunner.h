// Runs script lines against the host, one command a line.
#pragma once

#include <istream>
#include <ostream>

#include "host/core/Host.h"

namespace zvhost {

// Runs lines until the end or `quit`. A bad line is reported with its number; a script stops
// there with kExitUsage, while the prompt (interactive) goes on. HostExit passes through.
int RunScript(Host &host, std::istream &in, bool interactive, std::ostream *prompt = nullptr);

}  // namespace zvhost
