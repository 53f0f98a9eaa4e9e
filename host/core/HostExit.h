// The exit statuses of zarvel-host, and what ends a session with one.
#pragma once

#include <string>

namespace zvhost {

enum ExitStatus {
  kExitDone = 0,
  kExitUsage = 2,
  kExitModule = 3,
  kExitStrict = 4,
  kExitActions = 5
};

// Ends the session at once with a status (a module that cannot be loaded or reloaded).
struct HostExit {
  int status;
  std::string reason;
};

}  // namespace zvhost
