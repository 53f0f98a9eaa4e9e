#pragma once

#include <string>

namespace zvhost {

// The folder that holds the running program, where the default module sits beside it.
std::string ExecutableDirectory();

}  // namespace zvhost
