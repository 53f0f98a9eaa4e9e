// What Tab offers at the prompt: command words, the panel's control labels and a
// control's entries, each as it would be typed (quoted when it holds a blank).
#pragma once

#include <string>
#include <vector>

#include "host/app/Host.h"

namespace zvhost {

struct Completion {
  size_t start = 0;                // where in the line the word being typed begins
  std::vector<std::string> words;  // each ready to replace the line from `start` on
};

// The completions of the last word of `line` (the text before the cursor); the last word is
// "" when the line ends in a blank, and begins at an open quote when there is one.
Completion Completions(const Host &host, const std::string &line);

}  // namespace zvhost
