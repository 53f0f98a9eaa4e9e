// The validator's checks, each a session of the host (or two) run as children.
#include <filesystem>
#include <random>
#include <sstream>

#include "host/validate/Check.h"
#include "host/validate/SessionFacts.h"

namespace zvhost {

namespace {

// The panel's controls: popup lists and spin-edit popups by item id, then the check box.
constexpr int kFirstListControl = 5;
constexpr int kLastListControl = 13;
constexpr int kSpinEdits[] = {11, 12};
constexpr int kCheckBox = 14;
// Entries tried per list: more than any list holds, so that refusals are tried too.
constexpr int kEntriesTried = 14;
constexpr int kFlyoutEntriesTried = 8;
constexpr int kReloads = 20;
constexpr int kRandomCommands = 300;

std::string FileName(const std::string &path) {
  return std::filesystem::path(path).filename().string();
}

// The selections the panel is tried over: each frame, all of them, each story whole, a
// character, and none.
std::vector<std::string> Selections(const SessionFacts &facts) {
  std::vector<std::string> selections;
  std::string all = "select art";
  for (size_t art = 0; art < facts.artCount; ++art) {
    selections.push_back("select art " + std::to_string(art));
    all += " " + std::to_string(art);
  }
  if (facts.artCount > 1) selections.push_back(all);
  for (size_t story = 0; story < facts.storyLengths.size(); ++story) {
    const std::string s = std::to_string(story);
    selections.push_back("select text " + s + " 0 " + std::to_string(facts.storyLengths[story]));
    if (facts.storyLengths[story] > 0) selections.push_back("select text " + s + " 0 1");
  }
  selections.push_back("select none");
  return selections;
}

std::string EveryMenuItem(const SessionFacts &facts) {
  std::string script;
  for (const std::string &path : facts.menuPaths) script += "menu " + Quoted(path) + "\n";
  return script;
}

std::string OpenDocumentAndMenus(const CheckContext &context, const SessionFacts &facts) {
  return "open " + Quoted(context.options.documentPath) + "\n" + EveryMenuItem(facts);
}

CheckResult Loading(const CheckContext &context) {
  CheckResult result;
  std::vector<std::string> argv = {context.host[0], "inspect", "--json",
                                   context.options.pluginPath};
  HostRunResult run = RunHostChild(context.place, "loading", argv);
  const bool ended = run.outcome.started && !run.outcome.timedOut && !run.outcome.crashed;
  if (!ended || run.outcome.status != 0) {
    std::string reason;
    for (const Json &line : run.lines) {
      if (line.value("kind", "") == "error") reason = ": " + line.value("reason", "");
    }
    result.faults.push_back("inspect: " +
                            (ended ? "exit status " + std::to_string(run.outcome.status)
                                   : std::string("did not end soundly")) +
                            reason);
    result.reproduce.push_back(CommandText(argv));
  }
  result.note = "property list, entry point and exports read by inspect";
  return result;
}

CheckResult StartAndShutDown(const CheckContext &context) {
  CheckResult result;
  HostRunResult run =
      context.RunAndJudge("startup", context.Command({context.WriteScript("empty", "")}), result);
  std::vector<std::string> selectors;
  for (const Json &message : run.OfKind("message"))
    selectors.push_back(message.value("selector", ""));
  const std::vector<std::string> expected = {"Startup", "Shutdown", "Unload"};
  if (result.faults.empty() && selectors != expected) {
    result.faults.push_back("an empty session sent other messages than Startup, Shutdown, Unload");
    result.reproduce.push_back(CommandText(run.argv));
  }
  return result;
}

CheckResult UnloadAndReload(const CheckContext &context) {
  CheckResult result;
  const SessionFacts facts = ProbeSession(context, result);
  if (!result.faults.empty()) return result;
  std::string script = OpenDocumentAndMenus(context, facts);
  for (int i = 0; i < kReloads; ++i) script += "unload\nreload\nselect art 0\ndump panel\n";
  for (const char *elsewhere : {"", "--reload-elsewhere"}) {
    std::vector<std::string> argv = context.Command({context.WriteScript("reload", script)});
    if (*elsewhere != 0) argv.insert(argv.end() - 1, elsewhere);
    context.RunAndJudge(std::string("reload") + elsewhere, argv, result);
  }
  result.note = std::to_string(kReloads) + " unloads and reloads, in place and elsewhere";
  return result;
}

CheckResult EveryMenuItemCheck(const CheckContext &context) {
  CheckResult result;
  const SessionFacts facts = ProbeSession(context, result);
  if (!result.faults.empty()) return result;
  // Each item with no document, then over a document with a frame selected.
  const std::string script = EveryMenuItem(facts) + OpenDocumentAndMenus(context, facts) +
                             "select art 0\n" + EveryMenuItem(facts) + "dump menus\n";
  context.RunAndJudge("menus", context.Command({context.WriteScript("menus", script)}), result);
  result.figures["items"] = facts.menuPaths.size();
  return result;
}

CheckResult EveryPanelEntry(const CheckContext &context) {
  CheckResult result;
  const SessionFacts facts = ProbeSession(context, result);
  if (!result.faults.empty()) return result;
  std::ostringstream script;
  script << OpenDocumentAndMenus(context, facts);
  for (const std::string &selection : Selections(facts)) {
    script << selection << "\n";
    for (int control = kFirstListControl; control <= kLastListControl; ++control) {
      for (int entry = 0; entry < kEntriesTried; ++entry) {
        script << "panel choose " << control << " " << entry << "\n" << selection << "\n";
      }
    }
    for (int control : kSpinEdits) script << "panel type " << control << " 7\n";
    script << "panel click " << kCheckBox << "\npanel click " << kCheckBox << "\n";
    for (int entry = 0; entry < kFlyoutEntriesTried; ++entry) {
      script << "panel menu " << entry << "\n" << selection << "\n";
    }
    script << "dump panel\n";
  }
  context.RunAndJudge("panel", context.Command({context.WriteScript("panel", script.str())}),
                      result);
  result.figures["selections"] = Selections(facts).size();
  return result;
}

CheckResult RandomSession(const CheckContext &context) {
  CheckResult result;
  const SessionFacts facts = ProbeSession(context, result);
  if (!result.faults.empty()) return result;
  std::mt19937_64 random(context.options.seed);
  auto below = [&random](size_t bound) {
    return bound == 0 ? 0 : static_cast<size_t>(random() % bound);
  };
  std::ostringstream script;
  script << OpenDocumentAndMenus(context, facts);
  const std::vector<std::string> selections = Selections(facts);
  for (int i = 0; i < kRandomCommands; ++i) {
    switch (below(9)) {
      case 0:
        script << selections[below(selections.size())] << "\n";
        break;
      case 1:
        if (!facts.storyLengths.empty()) {
          const size_t story = below(facts.storyLengths.size());
          const size_t from = below(facts.storyLengths[story] + 1);
          const size_t to = from + below(facts.storyLengths[story] - from + 1);
          script << "select text " << story << " " << from << " " << to << "\n";
        }
        break;
      case 2:
      case 3:
        script << "panel choose "
               << kFirstListControl + below(kLastListControl - kFirstListControl + 1) << " "
               << below(kEntriesTried) << "\n";
        break;
      case 4:
        script << "panel type " << kSpinEdits[below(2)] << " " << static_cast<int>(below(201)) - 100
               << "\n";
        break;
      case 5:
        script << (below(2) == 0 ? "panel click " + std::to_string(kCheckBox)
                                 : "panel menu " + std::to_string(below(kFlyoutEntriesTried)))
               << "\n";
        break;
      case 6:
        if (!facts.menuPaths.empty()) {
          script << "menu " << Quoted(facts.menuPaths[below(facts.menuPaths.size())]) << "\n";
        }
        break;
      case 7:
        script << (below(4) == 0 ? "unload\nreload\n" : "dump refs\n");
        break;
      default:
        script << "dump panel\n";
    }
  }
  context.RunAndJudge("random", context.Command({context.WriteScript("random", script.str())}),
                      result);
  result.note = std::to_string(kRandomCommands) + " commands drawn with seed " +
                std::to_string(context.options.seed);
  return result;
}

CheckResult RunScript(const CheckContext &context, const std::string &script) {
  CheckResult result;
  context.RunAndJudge("script-" + FileName(script), context.Command({script}), result);
  return result;
}

}  // namespace

std::vector<std::string> CheckContext::Command(std::vector<std::string> extra) const {
  std::vector<std::string> argv = host;
  argv.insert(argv.end(), extra.begin(), extra.end());
  return argv;
}

std::string CheckContext::WriteScript(const std::string &name, const std::string &text) const {
  const std::string path = place.folder + "/" + name + ".zvs";
  WriteTextFile(path, text);
  return path;
}

HostRunResult CheckContext::RunAndJudge(const std::string &name,
                                        const std::vector<std::string> &argv, CheckResult &result,
                                        const RunExpectations &expected) const {
  HostRunResult run = RunHostChild(place, name, argv);
  std::vector<std::string> faults = RunFaults(run, expected);
  if (!faults.empty()) {
    std::string joined;
    for (const std::string &fault : faults) joined += (joined.empty() ? "" : "; ") + fault;
    result.faults.push_back(name + ": " + joined);
    result.reproduce.push_back(CommandText(argv));
  }
  return run;
}

std::vector<Check> AllChecks(const ValidateOptions &options) {
  std::vector<Check> checks = {
      {"loading", Loading, ""},
      {"start-up and shut-down", StartAndShutDown, ""},
      {"unload and reload", UnloadAndReload, ""},
      {"every menu item", EveryMenuItemCheck, ""},
      {"every panel entry", EveryPanelEntry, ""},
  };
  for (const std::string &script : options.scripts) {
    checks.push_back({"script: " + FileName(script),
                      [script](const CheckContext &context) { return RunScript(context, script); },
                      script});
  }
  checks.push_back({"random session", RandomSession, ""});
  for (const std::string &script : options.scripts) {
    checks.push_back(
        {"fault sweep: " + FileName(script),
         [script](const CheckContext &context) { return SweepScript(context, script); }, script});
  }
  return checks;
}

}  // namespace zvhost
