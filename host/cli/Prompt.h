// The interactive prompt: on Linux line editing, history kept across sessions in the user's
// state folder ($XDG_STATE_HOME or ~/.local/state, zarvel/history) and Tab completion of
// commands, control labels and entries; on Windows a plain line reader.
#pragma once

#include <optional>
#include <string>

#include "host/app/Host.h"

namespace zvhost {

class Prompt {
 public:
  // Reads the history; completion asks `host`.
  explicit Prompt(const Host &host);
  // Writes the history.
  ~Prompt();
  Prompt(const Prompt &) = delete;
  Prompt &operator=(const Prompt &) = delete;

  // The next line typed; nullopt at Ctrl-D, at the end of the input or for a signal that ends
  // the session. Ctrl-C clears the line being typed and asks again.
  std::optional<std::string> Read();
};

}  // namespace zvhost
