// A story's text as a person looks for it: where a text occurs, and where each word stands,
// in the story's positions (code points, one separator between two paragraphs).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/core/Output.h"
#include "host/engine/Story.h"

namespace zvhost::engine {

struct Found {
  int32_t from = 0;
  int32_t to = 0;
};

// The `occurrence`-th (from 0) place where `text` (UTF-8, not empty) occurs in the story;
// nullopt when it occurs fewer times. A paragraph separator in the story is U+2029.
std::optional<Found> FindText(const Story &story, const std::string &text, int64_t occurrence);

// How many times `text` occurs in the story (occurrences may overlap).
int64_t CountText(const Story &story, const std::string &text);

// [{"from":0,"to":27,"words":[{"from":0,"to":6,"text":"..."},...]},...]: each paragraph's
// range and its words (runs between blanks) with theirs.
Json StoryWords(const Story &story);

}  // namespace zvhost::engine
