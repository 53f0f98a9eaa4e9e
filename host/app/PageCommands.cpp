// The page commands' words and help, and how a host without composition refuses them.
#include <utility>

#include "host/app/PageService.h"
#include "host/core/HostServices.h"

namespace zvhost {

ScriptCommand SnapshotDocCommand(std::function<void(const std::vector<std::string> &)> run) {
  return {{"snapshot", "doc"},
          "snapshot doc FILE",
          "draws the current document's page into FILE, an SVG, PNG or PDF picture by its "
          "extension",
          std::move(run)};
}

ScriptCommand DumpLayoutCommand(std::function<void(const std::vector<std::string> &)> run) {
  return {
      {"dump", "layout"}, "dump layout", "prints each text frame's composed lines", std::move(run)};
}

void RegisterRefusedPageCommands(CommandTable &commands) {
  auto refusal = [](const char *command) {
    return [command](const std::vector<std::string> &) {
      HostServices::The().Refuse(std::string(command) +
                                 ": composing text needs the Linux host, which sets and draws "
                                 "it with HarfBuzz, ICU and Cairo; this Windows host has none");
    };
  };
  commands.Add(SnapshotDocCommand(refusal("snapshot doc")));
  commands.Add(DumpLayoutCommand(refusal("dump layout")));
}

}  // namespace zvhost
