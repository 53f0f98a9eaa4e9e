#include <iostream>

#include "host/cli/Interrupts.h"
#include "host/cli/Prompt.h"

namespace zvhost {

Prompt::Prompt(const Host &) {}

Prompt::~Prompt() = default;

std::optional<std::string> Prompt::Read() {
  if (StopRequested()) return std::nullopt;
  std::cerr << "zarvel> " << std::flush;
  std::string line;
  if (!std::getline(std::cin, line) || StopRequested()) return std::nullopt;
  return line;
}

}  // namespace zvhost
