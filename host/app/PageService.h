// The current document's page: composed after every change, drawn by `snapshot doc` and
// listed by `dump layout`. Composing needs the Linux host's text libraries; the Windows host
// has the same commands and refuses them, saying why.
#pragma once

#include <memory>

#include "host/core/CommandTable.h"

namespace zvhost {

class Documents;

class PageService {
 public:
  virtual ~PageService() = default;
  // After every script command: composes what changed in the current document.
  virtual void Follow() = 0;
};

// Registers `snapshot doc` and `dump layout` and returns what serves them (per platform).
std::unique_ptr<PageService> MakePageService(Documents &documents, CommandTable &commands);

// The two commands as a host without composition has them: each is refused with the reason.
void RegisterRefusedPageCommands(CommandTable &commands);

// The words, usage and help of `snapshot doc` and `dump layout`, the same on every host.
ScriptCommand SnapshotDocCommand(std::function<void(const std::vector<std::string> &)> run);
ScriptCommand DumpLayoutCommand(std::function<void(const std::vector<std::string> &)> run);

}  // namespace zvhost
