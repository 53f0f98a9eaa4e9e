// The script commands: each is one or more leading words ("select art"), a usage line and
// a handler that gets the words after them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zvhost {

struct ScriptCommand {
  std::vector<std::string> words;  // {"select", "art"}
  std::string usage;               // "select art I [J ...]"
  std::string help;                // one line for `help` and --help
  // Gets the words after `words`; throws UsageError for bad arguments.
  std::function<void(const std::vector<std::string> &args)> run;
};

class CommandTable {
 public:
  void Add(ScriptCommand command);
  // The command whose words begin `line` (the longest such), or null.
  const ScriptCommand *Match(const std::vector<std::string> &line) const;
  const std::vector<ScriptCommand> &All() const { return commands_; }

 private:
  std::vector<ScriptCommand> commands_;
};

// Splits a script line into words: blanks separate; "..." quotes a word, in which \" is a
// quote and \\ a backslash; # starts a comment where a word would start ("a#b" is a word).
// Throws UsageError for an unterminated quote and for a quote that is not a whole word.
std::vector<std::string> SplitScriptLine(const std::string &line);

}  // namespace zvhost
