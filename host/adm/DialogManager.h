// The headless dialog manager: dialogs built from the module's dialog templates, their
// items, lists and entries, modal runs and the panel commands of the script.
#pragma once

#include "host/core/CommandTable.h"

namespace zvhost {

class DialogManager {
 public:
  // Offers the ADM suites.
  DialogManager();
  ~DialogManager();

  void RegisterCommands(CommandTable &commands);
  // Destroys every floating dialog; their destroy procedures run.
  void DestroyAll();
};

}  // namespace zvhost
