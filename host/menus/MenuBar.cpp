#include "host/menus/MenuBar.h"

namespace zvhost {

MenuBar::MenuBar() = default;
MenuBar::~MenuBar() = default;

void MenuBar::RegisterCommands(CommandTable &) {}

}  // namespace zvhost
