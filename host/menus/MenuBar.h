// The host's menu groups and items ("AI Menu Suite"), the menu texts ("AI Unicode String
// Suite") and the `menu` and `dump menus` commands.
#pragma once

#include "host/core/CommandTable.h"

namespace zvhost {

class MenuBar {
 public:
  // Makes the host's own groups and offers the menu and Unicode string suites.
  MenuBar();
  ~MenuBar();

  void RegisterCommands(CommandTable &commands);
};

}  // namespace zvhost
