// The fixture of the panel tests: the real host and its dialog manager running the linked
// module, with readers for the panel's controls as the dialog manager shows them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextHostTest.h"

namespace paneltest {

using zvtest::Json;

// One story of one paragraph per entry of `storyRuns`, each story in a frame of its own, in
// that order. Each run is two characters long; its JSON gives the attributes it differs in.
inline std::string RunsDocument(const std::vector<std::vector<Json>> &storyRuns,
                                const Json &paragraph = Json::object()) {
  Json document = {
      {"format", "zarvel-document/1"}, {"stories", Json::array()}, {"art", Json::array()}};
  for (const std::vector<Json> &runs : storyRuns) {
    Json story = paragraph;
    story["text"] = std::string(2 * runs.size(), 'a');
    story["runs"] = Json::array();
    for (Json run : runs) {
      run["length"] = 2;
      story["runs"].push_back(run);
    }
    document["art"].push_back({{"kind", "text"}, {"story", document["stories"].size()}});
    document["stories"].push_back({{"paragraphs", Json::array({story})}});
  }
  return document.dump();
}

// What a popup list shows: its entry (-1 for none) and that entry's text ("" for none).
struct Shown {
  int id;
  int entry;
  const char *text;
};

// Where a control's value goes: the first paragraph of story 0, every character of story 0,
// or the story direction of the art.
enum Where { kParagraph, kCharacters, kStoryDirection };

// An attribute and the value a control is expected to have written into it.
struct Written {
  Where where;
  const char *attribute;
  double value;
};

class PanelHostTest : public texttest::TextHostTest {
 protected:
  // For the story direction, the document holds the selected frame and then a path.
  void ExpectWritten(const Written &w) {
    switch (w.where) {
      case kParagraph:
        EXPECT_EQ(Paragraph(w.attribute), w.value) << w.attribute;
        break;
      case kCharacters:
        for (double value : CharValues<double>(0, w.attribute)) {
          EXPECT_EQ(value, w.value) << w.attribute;
        }
        break;
      case kStoryDirection:
        EXPECT_EQ(StoryDirections(), (std::vector<int64_t>{static_cast<int64_t>(w.value), 0}));
        break;
    }
  }

  void ExpectLists(const std::vector<Shown> &lists, const std::string &when) {
    for (const Shown &shown : lists) {
      EXPECT_EQ(Entry(shown.id), shown.entry) << when << ", item " << shown.id;
      EXPECT_EQ(Text(shown.id), shown.text) << when << ", item " << shown.id;
    }
  }

  Json Panel() { return harness_.Dump("panel"); }
  // The control with that item id as the panel dump shows it.
  Json Item(int id) {
    const Json panel = Panel();  // kept alive while its items are walked
    for (const Json &item : panel["items"]) {
      if (item["id"] == id) return item;
    }
    ADD_FAILURE() << "the panel has no item " << id;
    return Json::object();
  }
  // The entry a popup list shows, -1 when it shows none.
  int Entry(int id) {
    const Json item = Item(id);
    return item["entry"].is_null() ? -1 : item["entry"].get<int>();
  }
  std::string Text(int id) {
    const Json item = Item(id);
    return item["text"].is_null() ? std::string() : item["text"].get<std::string>();
  }
  // A paragraph attribute of story 0's first paragraph; flags read as 0 or 1.
  int64_t Paragraph(const char *attribute) {
    const Json document = Document();
    const Json &value = document["stories"][0]["paragraphs"][0].value(attribute, Json(0));
    return value.is_boolean() ? static_cast<int64_t>(value.get<bool>()) : value.get<int64_t>();
  }
  // The results of the module's message calls since the last Take.
  std::vector<Json> Messages() {
    std::vector<Json> messages;
    for (const Json &event : harness_.Take()) {
      if (event["kind"] == "message") messages.push_back(event);
    }
    return messages;
  }
};

}  // namespace paneltest
