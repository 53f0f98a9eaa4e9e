// The script commands explained: grouped for `help` and --list-commands, one command for
// `help COMMAND`, and what to say of a line that names no command.
#pragma once

#include <string>
#include <vector>

#include "host/core/CommandTable.h"

namespace zvhost {

// Every command under its group's heading (documents, selection, panel, menus, state,
// session; a command of a first word the groups do not know comes last, under "more").
std::string GroupedHelp(const CommandTable &commands);

// The usage and help of the commands that `words` names ("select", "select text"); throws
// UsageError with a suggestion when they name none.
std::string HelpFor(const CommandTable &commands, const std::vector<std::string> &words);

// The distinct words that may follow the first `position` of `words` in some command.
std::vector<std::string> NextCommandWords(const CommandTable &commands,
                                          const std::vector<std::string> &words, size_t position);

// Why `words` is no command, naming the wrong word and the closest right one.
std::string NoSuchCommand(const CommandTable &commands, const std::vector<std::string> &words);

}  // namespace zvhost
