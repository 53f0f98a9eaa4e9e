// The stand-in host: one object that makes every part of it, in the order they depend on
// one another, and offers the services they all use (it is the HostServices).
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "host/core/HostExit.h"
#include "host/core/HostServices.h"

namespace zvhost {

class BasicSuite;
class Notifiers;
class PluginConnection;
class LoadedModule;
class Documents;
class DialogManager;
class MenuBar;
class Preferences;
class PageService;

struct HostOptions {
  bool json = false;
  bool strict = false;
  // Refused user actions (other than expected ones) and non-zero results of the plug-in make
  // the exit status kExitActions.
  bool strictActions = false;
  // While the module is unloaded the host holds the addresses it had, so that each reload
  // places it elsewhere; each reload says where it came back.
  bool reloadElsewhere = false;
  std::string pluginPath;
  std::string prefsPath;
  std::vector<std::string> missingSuites;  // "NAME:VERSION"
  std::vector<std::string> failures;       // "SUITE/OPERATION:CODE[:COUNT]"
};

class Host : public HostServices {
 public:
  // Builds every part and offers every suite; throws UsageError for bad options. Without
  // --json, errors and refusals go to `errors` (null: `out`).
  Host(HostOptions options, std::ostream &out, std::ostream *errors = nullptr);
  ~Host();

  // Loads the module and sends "Startup". Throws HostExit when it cannot be loaded.
  void Start(std::unique_ptr<LoadedModule> module);
  // Runs one script line; throws UsageError for a bad one.
  void Execute(const std::string &line);
  // True once `quit` ran: the session ends.
  bool QuitRequested() const { return quit_; }
  // Destroys the floating dialogs, sends "Shutdown" and "Unload", unloads the module,
  // writes the preferences, checks for leaks, prints the tally; returns the exit status. A module
  // that is unloaded at the end is loaded again ("Reload") to be shut down, as a real host does
  // when it quits. Throws HostExit when it cannot be loaded again.
  int Finish();

  // Unloads the module ("Unload"), holding its addresses with --reload-elsewhere.
  void UnloadModule();
  // Loads the unloaded module again ("Reload"); with --reload-elsewhere a note says whether it
  // came back elsewhere. Throws HostExit when it cannot be loaded.
  void ReloadModule();

  HostOptions options;

  std::unique_ptr<BasicSuite> basic;
  std::unique_ptr<Notifiers> notifiers;
  std::unique_ptr<PluginConnection> plugin;
  std::unique_ptr<Documents> documents;
  std::unique_ptr<DialogManager> dialogs;
  std::unique_ptr<MenuBar> menus;
  std::unique_ptr<Preferences> prefs;
  // The current document composed after every command, drawn and listed on request.
  std::unique_ptr<PageService> pages;

 private:
  void RegisterOwnCommands();
  // Runs the command that `words` names.
  void Run(const std::vector<std::string> &words);
  bool finished_ = false;
  bool quit_ = false;
};

}  // namespace zvhost
