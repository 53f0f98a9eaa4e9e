#pragma once

namespace zvhost {

// Makes standard output and standard error carry the host's bytes as they are, so that every
// line ends in a single \n on each platform. Standard input keeps the platform's text mode,
// which accepts scripts with either line ending.
void UseByteExactOutput();

// True when standard input is a terminal, where a person types at the prompt; anything else
// (a pipe, a file) is a script.
bool InputIsTerminal();

}  // namespace zvhost
