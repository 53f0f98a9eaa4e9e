// Reading the document file. Everything is checked before the document exists, and the
// first fault ends the reading with a message that names its place.
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "host/engine/DocumentFile.h"
#include "host/engine/FloatText.h"
#include "host/engine/GuardedJsonParse.h"
#include "host/engine/Utf8.h"

namespace zvhost::engine {

namespace {

using nlohmann::json;

// The file's own nesting is seven containers deep; anything much deeper is no document.
constexpr int kMaxDepth = 16;
constexpr int64_t kMaxInt32 = std::numeric_limits<int32_t>::max();
// The largest type and the farthest place the page offers, in points: as drawing
// applications limit them, and far inside what a float measures exactly enough.
constexpr double kMaxFontSize = 1296;
constexpr double kMaxPagePoints = 16383;

// Where a value stands in the file, kept as a chain on the stack so that nothing is built
// unless a fault is reported.
struct Place {
  const Place *parent = nullptr;
  const char *key = nullptr;  // null: an array element at `index`
  size_t index = 0;

  Place Field(const char *name) const { return {this, name, 0}; }
  Place Item(size_t i) const { return {this, nullptr, i}; }
  std::string Text() const {
    if (parent == nullptr) return "";
    std::string head = parent->Text();
    if (key == nullptr) return head + "[" + std::to_string(index) + "]";
    return head.empty() ? key : head + "." + key;
  }
};

[[noreturn]] void Refuse(const Place &place, const std::string &problem) {
  std::string where = place.Text();
  throw DocumentFileError(where.empty() ? problem : where + ": " + problem);
}

// A value as the message shows it: short, and as JSON, so a text is quoted.
std::string Shown(const json &value) {
  std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
  return text.size() <= 40 ? text : text.substr(0, 37) + "...";
}

void ExpectType(const json &value, json::value_t type, const char *what, const Place &place) {
  if (value.type() != type)
    Refuse(place, std::string("expected ") + what + ", found " + Shown(value));
}

// Refuses any field of `object` that is neither in `fields` nor an attribute's name.
void CheckFields(const json &object, const Place &place,
                 std::initializer_list<std::string_view> fields,
                 std::span<const AttributeInfo> attributes = {}) {
  for (const auto &[name, value] : object.items()) {
    bool known = false;
    for (std::string_view field : fields) known = known || field == name;
    for (const AttributeInfo &attribute : attributes) known = known || name == attribute.name;
    if (!known) Refuse(place, "unknown field \"" + name + "\"");
  }
}

const json &Required(const json &object, const char *field, const Place &place) {
  auto found = object.find(field);
  if (found == object.end()) Refuse(place, std::string("missing field \"") + field + "\"");
  return *found;
}

int32_t ReadWholeNumber(const json &value, int64_t low, const Place &place) {
  bool fits = false;
  if (value.is_number_unsigned()) {
    fits = value.get<uint64_t>() <= static_cast<uint64_t>(kMaxInt32);
  } else if (value.is_number_integer()) {
    int64_t number = value.get<int64_t>();
    fits = number >= low && number <= kMaxInt32;
  }
  if (!fits) {
    Refuse(place, "expected a whole number from " + std::to_string(low) + " to " +
                      std::to_string(kMaxInt32) + ", found " + Shown(value));
  }
  return static_cast<int32_t>(value.get<int64_t>());
}

int32_t ReadFloatBits(const json &value, const Place &place) {
  if (value.is_string()) {
    if (auto special = ParseNonFiniteFloat(value.get_ref<const std::string &>())) {
      return FloatBits(*special);
    }
  } else if (value.is_number()) {
    double number = value.get<double>();
    // Halfway between the largest float and the next power of two: anything below rounds
    // to a finite float (the shortest text of the largest float is a little above it).
    constexpr double kFloatLimit = 0x1.ffffffp+127;
    if (std::isfinite(number) && std::fabs(number) < kFloatLimit) {
      return FloatBits(static_cast<float>(number));
    }
  }
  Refuse(place,
         "expected a number that fits a 32-bit float (or \"NaN\", \"Infinity\", "
         "\"-Infinity\"), found " +
             Shown(value));
}

// A finite number in points; `positive` asks for one above 0. `most` bounds it from above.
float ReadPoints(const json &value, bool positive, double most, const Place &place) {
  if (value.is_number()) {
    double number = value.get<double>();
    if (std::isfinite(number) && (positive ? number > 0 : number >= -most) && number <= most) {
      return static_cast<float>(number);
    }
  }
  std::string low = positive ? "above 0" : "from " + FloatJson(static_cast<float>(-most)).dump();
  Refuse(place, "expected a number of points " + low + " to " +
                    FloatJson(static_cast<float>(most)).dump() + ", found " + Shown(value));
}

template <size_t N>
AttributeValues<N> ReadAttributes(const json &object, const AttributeInfo (&infos)[N],
                                  const Place &place) {
  AttributeValues<N> values{};
  for (size_t i = 0; i < N; ++i) {
    auto found = object.find(infos[i].name);
    if (found == object.end()) continue;  // left out: 0
    Place at = place.Field(infos[i].name);
    switch (infos[i].kind) {
      case ValueKind::kInteger:
        values[i] = ReadWholeNumber(*found, std::numeric_limits<int32_t>::min(), at);
        break;
      case ValueKind::kFloat:
        values[i] = ReadFloatBits(*found, at);
        break;
      case ValueKind::kBoolean:
        ExpectType(*found, json::value_t::boolean, "true or false", at);
        values[i] = found->template get<bool>() ? 1 : 0;
        break;
    }
  }
  return values;
}

// A paragraph's text and its length in code points.
int32_t ReadParagraphText(const json &value, const Place &place) {
  ExpectType(value, json::value_t::string, "a text", place);
  const std::string &text = value.get_ref<const std::string &>();
  Utf8Check check = CheckUtf8(text);
  if (!check.valid) {
    Refuse(place, "byte " + std::to_string(check.badByte) + " is not well-formed UTF-8");
  }
  if (check.firstBreak >= 0) {
    Refuse(place, "a paragraph break (CR, LF or U+2029) at code point " +
                      std::to_string(check.firstBreak) +
                      "; every paragraph is an entry of its own in \"paragraphs\"");
  }
  if (check.codePoints > kMaxInt32) Refuse(place, "longer than 2147483647 code points");
  return static_cast<int32_t>(check.codePoints);
}

std::vector<RunSpan> ReadRuns(const json &paragraph, int32_t length, const Place &place) {
  auto found = paragraph.find("runs");
  if (found == paragraph.end()) return {{length, {}}};
  Place runsPlace = place.Field("runs");
  ExpectType(*found, json::value_t::array, "a list of runs", runsPlace);
  std::vector<RunSpan> runs;
  runs.reserve(found->size());
  int64_t total = 0;
  for (size_t i = 0; i < found->size(); ++i) {
    const json &run = (*found)[i];
    Place at = runsPlace.Item(i);
    ExpectType(run, json::value_t::object, "a run (an object)", at);
    CheckFields(run, at, {"length"}, kCharAttributes);
    int32_t runLength = ReadWholeNumber(Required(run, "length", at), 0, at.Field("length"));
    total += runLength;
    runs.push_back({runLength, ReadAttributes(run, kCharAttributes, at)});
  }
  if (total != length) {
    Refuse(runsPlace,
           "lengths add up to " + std::to_string(total) + ", text has " + std::to_string(length));
  }
  return runs;
}

Alignment ReadAlignment(const json &paragraph, const Place &place) {
  auto found = paragraph.find("alignment");
  if (found == paragraph.end()) return Alignment::kJustify;
  for (size_t i = 0; i < kAlignmentNames.size(); ++i) {
    if (*found == kAlignmentNames[i]) return static_cast<Alignment>(i);
  }
  Refuse(place.Field("alignment"),
         "expected \"justify\", \"start\", \"end\" or \"center\", found " + Shown(*found));
}

// The character attributes of the separator after a paragraph, where the file gives them.
std::optional<CharAttributes> ReadSeparator(const json &paragraph, bool last, const Place &place) {
  auto found = paragraph.find("separator");
  if (found == paragraph.end()) return std::nullopt;
  Place at = place.Field("separator");
  if (last) Refuse(at, "the last paragraph of a story has no separator");
  ExpectType(*found, json::value_t::object, "the separator's attributes (an object)", at);
  CheckFields(*found, at, {}, kCharAttributes);
  return ReadAttributes(*found, kCharAttributes, at);
}

Story ReadStory(const json &value, const Place &place) {
  ExpectType(value, json::value_t::object, "a story (an object)", place);
  CheckFields(value, place, {"paragraphs", "font", "size"});
  Place paragraphsPlace = place.Field("paragraphs");
  const json &paragraphs = Required(value, "paragraphs", place);
  ExpectType(paragraphs, json::value_t::array, "a list of paragraphs", paragraphsPlace);
  if (paragraphs.empty()) Refuse(paragraphsPlace, "a story has at least one paragraph");
  Story story;
  if (auto font = value.find("font"); font != value.end()) {
    Place at = place.Field("font");
    ExpectType(*font, json::value_t::string, "a font family's name", at);
    if (font->get_ref<const std::string &>().empty()) Refuse(at, "the font's name is empty");
    story.font = font->get<std::string>();
  }
  if (auto size = value.find("size"); size != value.end()) {
    story.size = ReadPoints(*size, true, kMaxFontSize, place.Field("size"));
  }
  std::optional<CharAttributes> separator;  // of the paragraph before
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    const json &paragraph = paragraphs[i];
    Place at = paragraphsPlace.Item(i);
    ExpectType(paragraph, json::value_t::object, "a paragraph (an object)", at);
    CheckFields(paragraph, at, {"text", "runs", "separator", "alignment"}, kParaAttributes);
    const json &text = Required(paragraph, "text", at);
    int32_t length = ReadParagraphText(text, at.Field("text"));
    if (story.Length() + int64_t{i > 0 ? 1 : 0} + length > kMaxInt32) {
      Refuse(at, "the story grows longer than 2147483647 code points");
    }
    ParaAttributes attributes = ReadAttributes(paragraph, kParaAttributes, at);
    std::vector<RunSpan> runs = ReadRuns(paragraph, length, at);
    Alignment alignment = ReadAlignment(paragraph, at);
    story.AddParagraph(text.get<std::string>(), length, attributes, runs, separator, alignment);
    separator = ReadSeparator(paragraph, i + 1 == paragraphs.size(), at);
  }
  return story;
}

// [left, top, width, height], points; the box must have an inside.
FrameBounds ReadBounds(const json &value, const Place &place) {
  if (!value.is_array() || value.size() != 4) {
    Refuse(place, "expected [left, top, width, height] in points, found " + Shown(value));
  }
  return {ReadPoints(value[0], false, kMaxPagePoints, place.Item(0)),
          ReadPoints(value[1], false, kMaxPagePoints, place.Item(1)),
          ReadPoints(value[2], true, kMaxPagePoints, place.Item(2)),
          ReadPoints(value[3], true, kMaxPagePoints, place.Item(3))};
}

Art ReadArt(const json &value, size_t storyCount, const Place &place) {
  ExpectType(value, json::value_t::object, "an art object (an object)", place);
  const json &kind = Required(value, "kind", place);
  Art art;
  if (kind == "path") {
    CheckFields(value, place, {"kind"});
    return art;
  }
  if (kind != "text")
    Refuse(place.Field("kind"), "expected \"text\" or \"path\", found " + Shown(kind));
  CheckFields(value, place, {"kind", "story", "storyDirection", "bounds"});
  art.kind = ArtKind::kText;
  Place storyPlace = place.Field("story");
  art.story = ReadWholeNumber(Required(value, "story", place), 0, storyPlace);
  if (static_cast<size_t>(art.story) >= storyCount) {
    Refuse(storyPlace, "story " + std::to_string(art.story) + " does not exist (the file has " +
                           std::to_string(storyCount) +
                           (storyCount == 1 ? " story)" : " stories)"));
  }
  if (auto direction = value.find("storyDirection"); direction != value.end()) {
    art.storyDirection = ReadWholeNumber(*direction, std::numeric_limits<int32_t>::min(),
                                         place.Field("storyDirection"));
  }
  if (auto bounds = value.find("bounds"); bounds != value.end())
    art.bounds = ReadBounds(*bounds, place.Field("bounds"));
  return art;
}

}  // namespace

Document ReadDocument(std::string_view text) {
  json root = GuardedJsonParse(text, kMaxDepth);
  Place top;
  ExpectType(root, json::value_t::object, "a document (an object)", top);
  CheckFields(root, top, {"format", "stories", "art"});
  const json &format = Required(root, "format", top);
  if (format != kDocumentFormat) {
    Refuse(top.Field("format"),
           std::string("expected \"") + kDocumentFormat + "\", found " + Shown(format));
  }

  Document document;
  Place storiesPlace = top.Field("stories");
  const json &stories = Required(root, "stories", top);
  ExpectType(stories, json::value_t::array, "a list of stories", storiesPlace);
  for (size_t i = 0; i < stories.size(); ++i) {
    document.stories.push_back(ReadStory(stories[i], storiesPlace.Item(i)));
  }

  Place artPlace = top.Field("art");
  const json &art = Required(root, "art", top);
  ExpectType(art, json::value_t::array, "a list of art objects", artPlace);
  for (size_t i = 0; i < art.size(); ++i) {
    document.art.push_back(ReadArt(art[i], document.stories.size(), artPlace.Item(i)));
  }

  document.LinkFrames();
  for (size_t i = 0; i < document.stories.size(); ++i) {
    if (document.stories[i].frames.empty()) {
      Refuse(storiesPlace.Item(i),
             "no text frame shows this story (add {\"kind\": \"text\", "
             "\"story\": " +
                 std::to_string(i) + "} to \"art\")");
    }
  }
  return document;
}

}  // namespace zvhost::engine
