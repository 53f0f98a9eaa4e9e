// The tour script as the end-to-end tests run it: its examples read from the sources and its
// pictures drawn into a temporary folder. The test target defines ZARVEL_SOURCE_DIR.
#pragma once

#include <string>
#include <utility>

#include "support/FileText.h"
#include "support/TempFolder.h"

namespace zvtest {

// The tour's lines, or "" when the script cannot be read.
inline std::string TourScript(const TempFolder &out) {
  const std::string source = std::string(ZARVEL_SOURCE_DIR) + "/examples/";
  std::string script = ReadFileText(source + "tour.zvs");
  for (const auto &[from, to] : {std::pair<std::string, std::string>{"examples/", source},
                                 std::pair<std::string, std::string>{"out/", out.PathOf("")}}) {
    for (size_t at = script.find(from); at != std::string::npos;
         at = script.find(from, at + to.size())) {
      script.replace(at, from.size(), to);
    }
  }
  return script;
}

}  // namespace zvtest
