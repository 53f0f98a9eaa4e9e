// What the validator learns of a module and document before it generates sessions: the
// module's menu items and the document's art and stories, from one run of the host.
#pragma once

#include <string>
#include <vector>

#include "host/validate/Check.h"

namespace zvhost {

struct SessionFacts {
  std::vector<std::string> menuPaths;  // "GROUP/TEXT[/TEXT...]", every item that opens no submenu
  size_t artCount = 0;
  std::vector<size_t> storyLengths;  // in code points, paragraph separators counted
};

// Runs `open DOCUMENT`, `dump doc`, `dump menus`; a failed run is a fault of `result`.
SessionFacts ProbeSession(const CheckContext &context, CheckResult &result);

// A script word in quotes, as the host reads it back.
std::string Quoted(const std::string &word);

}  // namespace zvhost
