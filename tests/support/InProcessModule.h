// The module linked into the test program (built with a trace sink), presented to the host
// as a loaded module whose resources come from the compiled .res image.
#pragma once

#include <memory>

#include "host/loader/LoadedModule.h"

namespace zvtest {

std::unique_ptr<zvhost::LoadedModule> OpenInProcessModule();

}  // namespace zvtest
