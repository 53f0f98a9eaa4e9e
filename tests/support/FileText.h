// Reading a file the code under test wrote.
#pragma once

#include <string>

namespace zvtest {

// A file's whole contents, or "" when it cannot be read.
std::string ReadFileText(const std::string &path);

}  // namespace zvtest
