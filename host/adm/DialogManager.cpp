#include "host/adm/DialogManager.h"

namespace zvhost {

DialogManager::DialogManager() = default;
DialogManager::~DialogManager() = default;

void DialogManager::RegisterCommands(CommandTable &) {}
void DialogManager::DestroyAll() {}

}  // namespace zvhost
