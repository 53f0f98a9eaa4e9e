// Runs script lines against the host, one command a line.
#pragma once

#include <istream>
#include <ostream>

#include "host/app/Host.h"

namespace zvhost {

// Runs lines until the end or `quit`. A line that fails, for whatever reason, is reported
// with its number; a script stops there with kExitUsage, while the prompt (interactive) goes
// on. A byte order mark before the first line is passed over. HostExit and ModuleError pass
// through.
int RunScript(Host &host, std::istream &in, bool interactive, std::ostream *prompt = nullptr);

}  // namespace zvhost
