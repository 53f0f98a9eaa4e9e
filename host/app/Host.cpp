#include "host/app/Host.h"

#include <fstream>
#include <stdexcept>

#include "PluginMessages.h"
#include "host/adm/DialogManager.h"
#include "host/app/CommandHelp.h"
#include "host/app/PageService.h"
#include "host/core/BasicSuite.h"
#include "host/core/Suggestion.h"
#include "host/core/UsageError.h"
#include "host/engine/Documents.h"
#include "host/inspect/ResourceRecords.h"
#include "host/loader/PluginConnection.h"
#include "host/menus/MenuBar.h"
#include "host/prefs/Preferences.h"
#include "host/services/Notifiers.h"
#include "host/services/ServiceSuites.h"

namespace zvhost {

namespace {

// "NAME:VERSION" of --missing-suite.
std::pair<std::string, int32_t> ParseSuiteVersion(const std::string &text) {
  size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) {
    throw UsageError("missing suite '" + text + "': expected NAME:VERSION");
  }
  try {
    size_t used = 0;
    int version = std::stoi(text.substr(colon + 1), &used);
    if (used != text.size() - colon - 1) throw std::invalid_argument(text);
    return {text.substr(0, colon), version};
  } catch (const std::logic_error &) {
    throw UsageError("missing suite '" + text + "': version '" + text.substr(colon + 1) +
                     "' is not a number");
  }
}

}  // namespace

Host::Host(HostOptions hostOptions, std::ostream &out, std::ostream *errors)
    : HostServices(out, hostOptions.json, hostOptions.strict, errors),
      options(std::move(hostOptions)) {
  basic = std::make_unique<BasicSuite>();
  notifiers = std::make_unique<Notifiers>();
  OfferUserSuites();
  OfferIdleSuites();
  documents = std::make_unique<Documents>();
  dialogs = std::make_unique<DialogManager>();
  menus = std::make_unique<MenuBar>();
  prefs = std::make_unique<Preferences>();

  for (const std::string &missing : options.missingSuites) {
    auto [name, version] = ParseSuiteVersion(missing);
    if (!suites.Offers(name, version)) {
      const std::string suite = name + ":" + std::to_string(version);
      throw UsageError("missing suite '" + missing + "': unknown suite '" + suite + "'" +
                       DidYouMean(suite, suites.AllSuites()) +
                       " (zarvel-host --list-suites lists them)");
    }
    suites.Withhold(name, version);
  }
  for (const std::string &failure : options.failures) {
    FailureRule rule = FailurePlan::Parse(failure);
    if (!suites.HasOperation(rule.operation)) {
      throw UsageError("failure '" + failure + "': unknown operation '" + rule.operation + "'" +
                       DidYouMean(rule.operation, suites.AllOperations()) +
                       " (zarvel-host --list-operations lists them)");
    }
    failures.Add(std::move(rule));
  }
  if (!options.prefsPath.empty()) prefs->Load(options.prefsPath);

  RegisterOwnCommands();
  documents->RegisterCommands(commands);
  dialogs->RegisterCommands(commands);
  menus->RegisterCommands(commands);
  prefs->RegisterCommands(commands);
  pages = MakePageService(*documents, commands);
}

Host::~Host() {
  // The parts may still use one another while they go; the order is the reverse of making.
  plugin.reset();
  pages.reset();
  prefs.reset();
  menus.reset();
  dialogs.reset();
  documents.reset();
  notifiers.reset();
  basic.reset();
}

void Host::Start(std::unique_ptr<LoadedModule> module) {
  plugin = std::make_unique<PluginConnection>(std::move(module));
  // The module runs all the same, but a dialog or menu it builds from a damaged resource
  // will fail it: the user hears of it now, not only from `inspect`.
  for (const InspectRecord &record : ResourceRecords(plugin->Resources())) {
    if (record["kind"] != "error") continue;
    output.Emit({{"kind", "note"},
                 {"text", options.pluginPath + ": damaged resource " +
                              record["resource"].get<std::string>() + ": " +
                              record["reason"].get<std::string>()}});
  }
  plugin->Send(kSPInterfaceCaller, kSPInterfaceStartupSelector);
}

void Host::Execute(const std::string &line) {
  std::vector<std::string> words = SplitScriptLine(line);
  if (words.empty()) return;
  ++output.Counts().actions;
  Run(words);
}

void Host::Run(const std::vector<std::string> &words) {
  const ScriptCommand *command = commands.Match(words);
  if (command == nullptr) throw UsageError(NoSuchCommand(commands, words));
  std::vector<std::string> args(words.begin() + static_cast<long>(command->words.size()),
                                words.end());
  command->run(args);
  pages->Follow();
}

void Host::UnloadModule() {
  plugin->Unload(options.reloadElsewhere);
}

void Host::ReloadModule() {
  const bool held = plugin->PlaceHeld();
  plugin->Reload();
  if (!options.reloadElsewhere) return;
  std::string text;
  if (!held) {
    text = std::string("the module's old addresses could not be held; it came back at ") +
           (plugin->Moved() ? "another address" : "the same address");
  } else if (plugin->Moved()) {
    text = "the module came back at another address (its old one was held)";
  } else {
    text = "the module came back at the address it had, though that was held";
  }
  output.Emit({{"kind", "note"}, {"text", text}});
}

int Host::Finish() {
  if (finished_) return kExitDone;
  finished_ = true;
  // The module's globals record and whatever it holds are the module's to free: an unloaded
  // module comes back to hear "Shutdown".
  if (plugin && !plugin->Loaded()) ReloadModule();
  if (plugin && plugin->Loaded()) {
    dialogs->DestroyAll();
    plugin->Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector);
    plugin->Unload();
  }
  if (!options.prefsPath.empty()) prefs->Save(options.prefsPath);

  int status = kExitDone;
  if (options.strict) {
    Json live = Json::object();
    bool leaked = false;
    for (const LiveCounter *counter : LiveCounter::All()) {
      if (counter->Live() == 0) continue;
      live[counter->Kind()] = counter->Live();
      leaked = true;
    }
    if (leaked) output.Emit({{"kind", "leaks"}, {"live", live}});
    if (leaked || !findings.All().empty()) status = kExitStrict;
  }
  const Tally &tally = output.Counts();
  output.Emit({{"kind", "tally"},
               {"actions", tally.actions},
               {"refused", tally.refused},
               {"expectedRefusals", tally.expectedRefusals},
               {"pluginErrors", tally.pluginErrors}});
  const bool unexpected = tally.refused > tally.expectedRefusals || tally.pluginErrors > 0;
  if (status == kExitDone && options.strictActions && unexpected) status = kExitActions;
  return status;
}

}  // namespace zvhost
