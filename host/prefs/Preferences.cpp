#include "host/prefs/Preferences.h"

namespace zvhost {

Preferences::Preferences() = default;
Preferences::~Preferences() = default;

void Preferences::RegisterCommands(CommandTable &) {}
void Preferences::Load(const std::string &) {}
void Preferences::Save(const std::string &) const {}

}  // namespace zvhost
