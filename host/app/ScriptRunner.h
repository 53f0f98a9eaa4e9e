// Runs script lines against the host, one command a line.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "host/app/Host.h"

namespace zvhost {

// The next line of input; nullopt at its end (or when the session is to end).
using LineSource = std::function<std::optional<std::string>()>;

// Runs lines until the end or `quit`. A line that fails, for whatever reason, is reported
// with its number; a script stops there with kExitUsage, while the prompt (interactive) goes
// on. A byte order mark before the first line is passed over. HostExit and ModuleError pass
// through.
int RunScript(Host &host, const LineSource &lines, bool interactive);
int RunScript(Host &host, std::istream &in, bool interactive);

}  // namespace zvhost
