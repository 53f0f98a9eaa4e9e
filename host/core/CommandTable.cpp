#include "host/core/CommandTable.h"

#include <algorithm>

#include "host/core/UsageError.h"

namespace zvhost {

void CommandTable::Add(ScriptCommand command) {
  commands_.push_back(std::move(command));
}

const ScriptCommand *CommandTable::Match(const std::vector<std::string> &line) const {
  const ScriptCommand *best = nullptr;
  for (const ScriptCommand &command : commands_) {
    const auto &words = command.words;
    if (words.size() > line.size() || !std::equal(words.begin(), words.end(), line.begin())) {
      continue;
    }
    if (best == nullptr || words.size() > best->words.size()) best = &command;
  }
  return best;
}

std::string CommandTable::UsagesBeginningWith(const std::string &word) const {
  std::string usages;
  for (const ScriptCommand &command : commands_) {
    if (command.words.front() != word) continue;
    if (!usages.empty()) usages += " | ";
    usages += command.usage;
  }
  return usages;
}

std::vector<std::string> SplitScriptLine(const std::string &line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string::npos) throw UsageError("unterminated quote");
      words.push_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      size_t end = line.find_first_of(" \t\r\n\"#", i);
      if (end == std::string::npos) end = line.size();
      words.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

}  // namespace zvhost
