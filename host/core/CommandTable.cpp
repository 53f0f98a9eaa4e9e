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

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The quoted word whose opening quote is at `i`; `i` ends past its closing quote. In it \"
// stands for " and \\ for \; any other backslash is itself: a Windows path needs no doubling.
std::string QuotedWord(const std::string &line, size_t &i) {
  std::string word;
  for (++i; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      ++i;
      if (i < line.size() && !IsBlank(line[i])) {
        throw UsageError("a blank must follow the closing quote of \"" + word + "\"");
      }
      return word;
    }
    if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
    word += line[i];
  }
  throw UsageError("unterminated quote");
}

}  // namespace

std::vector<std::string> SplitScriptLine(const std::string &line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
    } else if (line[i] == '#') {
      break;  // a comment only where a word would start: "notes#2.json" is a file name
    } else if (line[i] == '"') {
      words.push_back(QuotedWord(line, i));
    } else {
      size_t end = i;
      while (end < line.size() && !IsBlank(line[end])) ++end;
      std::string word = line.substr(i, end - i);
      if (word.find('"') != std::string::npos) {
        throw UsageError("a quote inside the word '" + word +
                         "': quote the whole word, with \\\" for a quote in it");
      }
      words.push_back(std::move(word));
      i = end;
    }
  }
  return words;
}

}  // namespace zvhost
