#include "host/engine/Documents.h"

namespace zvhost {

Documents::Documents() = default;
Documents::~Documents() = default;

void Documents::RegisterCommands(CommandTable &) {}

}  // namespace zvhost
