// Menu templates, standard (MENU) and extended (MENUEX). The module's menus are one pop-up
// whose title names the list and whose entries are the list: the dialog manager reads them
// as the entries of popup lists and of the panel menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

struct MenuEntry {
  int32_t id = 0;
  std::string text;
  bool separator = false;
  bool submenu = false;  // opens the entries that follow it with depth + 1
  int depth = 0;         // 0 for an entry of a top-level pop-up
};

struct MenuTemplate {
  bool extended = false;
  std::string title;  // the text of the first top-level pop-up
  // Every entry below the top level, in order, sub-menus flattened in place; top-level items
  // that are not pop-ups are listed too, with depth 0.
  std::vector<MenuEntry> entries;
};

// `context` opens error messages ("menu 16060"). Throws FormatError naming the place.
MenuTemplate ParseMenuTemplate(const Bytes &data, const std::string &context);

}  // namespace zvhost
