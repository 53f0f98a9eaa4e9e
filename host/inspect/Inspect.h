// `zarvel-host inspect MODULE`: a module's resources and entry point, read from the file.
#pragma once

#include <ostream>
#include <string>

namespace zvhost {

// Prints the property list, dialogs, menus, string list, pictures, version resource and the
// entry point; with `json` one JSON object a line. Returns 0, or 3 (with a message on err)
// when the file is not a module, has no valid property list or no such entry point.
int RunInspect(const std::string &modulePath, bool json, std::ostream &out, std::ostream &err);

}  // namespace zvhost
