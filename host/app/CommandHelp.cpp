#include "host/app/CommandHelp.h"

#include <algorithm>
#include <array>

#include "host/core/Suggestion.h"
#include "host/core/UsageError.h"

namespace zvhost {

namespace {

struct Group {
  const char *heading;
  std::vector<std::string> firstWords;
};

const std::array<Group, 6> kGroups = {{
    {"Documents", {"new", "open", "close", "save"}},
    {"Selection", {"select"}},
    {"Panel", {"panel"}},
    {"Menus", {"menu", "about"}},
    {"State", {"dump", "snapshot"}},
    {"Session", {"fail", "unload", "reload", "expect", "help", "quit"}},
}};

bool InGroup(const Group &group, const ScriptCommand &command) {
  return std::find(group.firstWords.begin(), group.firstWords.end(), command.words.front()) !=
         group.firstWords.end();
}

std::string Entry(const ScriptCommand &command) {
  return "  " + command.usage + "\n      " + command.help + "\n";
}

}  // namespace

std::vector<std::string> NextCommandWords(const CommandTable &commands,
                                          const std::vector<std::string> &words, size_t position) {
  std::vector<std::string> next;
  for (const ScriptCommand &command : commands.All()) {
    if (command.words.size() <= position ||
        !std::equal(words.begin(), words.begin() + static_cast<long>(position),
                    command.words.begin())) {
      continue;
    }
    if (std::find(next.begin(), next.end(), command.words[position]) == next.end()) {
      next.push_back(command.words[position]);
    }
  }
  return next;
}

namespace {

// The length of the longest run of leading words that some command begins with.
size_t KnownPrefix(const CommandTable &commands, const std::vector<std::string> &words) {
  size_t known = 0;
  while (known < words.size()) {
    std::vector<std::string> next = NextCommandWords(commands, words, known);
    if (std::find(next.begin(), next.end(), words[known]) == next.end()) break;
    ++known;
  }
  return known;
}

}  // namespace

std::string GroupedHelp(const CommandTable &commands) {
  std::string text;
  auto section = [&](const std::string &heading, auto &&belongs) {
    std::string entries;
    for (const ScriptCommand &command : commands.All()) {
      if (belongs(command)) entries += Entry(command);
    }
    if (!entries.empty()) text += (text.empty() ? "" : "\n") + heading + ":\n" + entries;
  };
  for (const Group &group : kGroups) {
    section(group.heading, [&](const ScriptCommand &command) { return InGroup(group, command); });
  }
  section("More", [](const ScriptCommand &command) {
    return std::none_of(kGroups.begin(), kGroups.end(),
                        [&](const Group &group) { return InGroup(group, command); });
  });
  return text;
}

std::string HelpFor(const CommandTable &commands, const std::vector<std::string> &words) {
  std::string text;
  for (const ScriptCommand &command : commands.All()) {
    const size_t shared = std::min(words.size(), command.words.size());
    if (std::equal(words.begin(), words.begin() + static_cast<long>(shared),
                   command.words.begin()) &&
        shared == words.size()) {
      text += Entry(command);
    }
  }
  if (text.empty()) throw UsageError("help: " + NoSuchCommand(commands, words));
  return text;
}

std::string NoSuchCommand(const CommandTable &commands, const std::vector<std::string> &words) {
  const size_t known = KnownPrefix(commands, words);
  const std::vector<std::string> next = NextCommandWords(commands, words, known);
  if (known == 0) {
    return "unknown command '" + words[0] + "'" + DidYouMean(words[0], next) +
           " (`help` lists the commands)";
  }
  std::string leading;
  std::string usages;
  for (size_t i = 0; i < known; ++i) leading += (i == 0 ? "" : " ") + words[i];
  for (const ScriptCommand &command : commands.All()) {
    if (command.words.size() >= known &&
        std::equal(words.begin(), words.begin() + static_cast<long>(known),
                   command.words.begin())) {
      usages += (usages.empty() ? "" : " | ") + command.usage;
    }
  }
  if (known == words.size()) return "usage: " + usages;
  return leading + ": unknown word '" + words[known] + "'" + DidYouMean(words[known], next) +
         "; usage: " + usages;
}

}  // namespace zvhost
