// The host's own script commands: the About request, unload and reload, failures on
// demand, `dump refs`, `expect refused`, `help` and `quit`.
#include "PluginMessages.h"
#include "host/app/CommandHelp.h"
#include "host/app/Host.h"
#include "host/core/LiveObjects.h"
#include "host/core/Suggestion.h"
#include "host/core/UsageError.h"
#include "host/loader/PluginConnection.h"

namespace zvhost {

namespace {

void NoArguments(const std::vector<std::string> &args, const char *usage) {
  if (!args.empty()) throw UsageError(std::string("usage: ") + usage);
}

Json RefsDump() {
  Json live = Json::object();
  size_t artSets = 0;
  size_t blocks = 0;
  for (const LiveCounter *counter : LiveCounter::All()) {
    switch (counter->Category()) {
      case LiveCategory::TextEngine:
        live[counter->Kind()] = counter->Live();
        break;
      case LiveCategory::ArtSet:
        artSets += counter->Live();
        break;
      case LiveCategory::Block:
        blocks += counter->Live();
        break;
      case LiveCategory::Other:
        break;
    }
  }
  return {{"kind", "refs"}, {"live", live}, {"artSets", artSets}, {"blocks", blocks}};
}

}  // namespace

void Host::RegisterOwnCommands() {
  commands.Add({{"about"},
                "about",
                "the host's About Plug-ins request for this plug-in",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "about");
                  if (!plugin->Loaded()) return Refuse("the module is unloaded");
                  plugin->Send(kSPInterfaceCaller, kSPInterfaceAboutSelector);
                }});
  commands.Add({{"unload"},
                "unload",
                "sends \"Unload\" and unloads the module",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "unload");
                  if (!plugin->Loaded()) return Refuse("the module is unloaded already");
                  UnloadModule();
                }});
  commands.Add({{"reload"},
                "reload",
                "loads the module again and sends \"Reload\"",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "reload");
                  if (plugin->Loaded()) return Refuse("the module is loaded");
                  ReloadModule();
                }});
  commands.Add({{"fail"},
                "fail \"SUITE/OPERATION:CODE[:COUNT|@N|@N+]\"",
                "from now on, the next COUNT calls (0: every call) of the operation fail; "
                "@N: its N-th call, @N+: every call from the N-th on (counted from 1 from "
                "start-up on, as with --fail; a call made already cannot be chosen)",
                [this](const std::vector<std::string> &args) {
                  if (args.size() != 1) {
                    throw UsageError("usage: fail \"SUITE/OPERATION:CODE[:COUNT|@N|@N+]\"");
                  }
                  FailureRule rule = FailurePlan::Parse(args[0]);
                  if (!suites.HasOperation(rule.operation)) {
                    throw UsageError("unknown operation '" + rule.operation + "'" +
                                     DidYouMean(rule.operation, suites.AllOperations()) +
                                     " (zarvel-host --list-operations lists them)");
                  }
                  failures.Add(std::move(rule));
                }});
  commands.Add({{"dump", "refs"},
                "dump refs",
                "live text-engine references by kind, art sets, blocks",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "dump refs");
                  output.Emit(RefsDump());
                }});
  commands.Add({{"expect", "refused"},
                "expect refused COMMAND ...",
                "runs the command, which must be refused (a script error if it is carried "
                "out); the refusal does not fail a run under --strict-actions",
                [this](const std::vector<std::string> &args) {
                  if (args.empty()) throw UsageError("usage: expect refused COMMAND ...");
                  Tally &tally = output.Counts();
                  const int before = tally.refused;
                  Run(args);
                  if (tally.refused == before) {
                    throw UsageError("expected a refusal, but '" + args[0] +
                                     (args.size() > 1 ? " " + args[1] : "") +
                                     "...' was carried out");
                  }
                  tally.expectedRefusals += tally.refused - before;
                }});
  commands.Add({{"help"},
                "help [COMMAND]",
                "lists the commands by group, or explains one (`help select`)",
                [this](const std::vector<std::string> &args) {
                  const std::string text =
                      args.empty() ? GroupedHelp(commands) : HelpFor(commands, args);
                  output.Emit({{"kind", "note"}, {"text", text.substr(0, text.size() - 1)}});
                }});
  commands.Add({{"quit"},
                "quit",
                "ends the session (also at the end of the script)",
                [this](const std::vector<std::string> &args) {
                  NoArguments(args, "quit");
                  quit_ = true;
                }});
}

}  // namespace zvhost
